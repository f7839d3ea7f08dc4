// Draws the pictures shipped in the program folder: the splash pictures
// StartE.jpg and StartC.jpg, the background tiles PIC/BK_1.jpg (English)
// and PIC/BK_2.jpg (Chinese), and the program's icon PIC/zr4400-48.png,
// -128.png and -256.png (the same shapes as packaging/zr4400.svg). The
// splash pictures and tiles come twice as large too, as NAME@2x.jpg.

#include "tools/picture_file.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

const QColor kDeep(18, 44, 84);
const QColor kLight(64, 120, 180);
const QColor kAccent(255, 196, 60);

QFont Font(int pixelSize, bool bold) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// A stylised signal: three arcs radiating from a mast.
void DrawSignal(QPainter& p, QPointF base, double scale, const QColor& color) {
    p.setPen(QPen(color, 3 * scale, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, base - QPointF(0, 60 * scale));
    const QPointF top = base - QPointF(0, 60 * scale);
    for (int i = 1; i <= 3; ++i) {
        const double r = 14 * i * scale;
        const QRectF box(top.x() - r, top.y() - r, 2 * r, 2 * r);
        p.drawArc(box, 30 * 16, 120 * 16);
        p.drawArc(box, 210 * 16, 120 * 16);
    }
}

// The pictures are drawn at `scale` times their size too ("@2x" files), so
// that they stay sharp on a screen at 200 percent.
constexpr QSize kSplash(520, 320);
constexpr QSize kTile(240, 160);

QImage Splash(const QString& subtitle, const QString& note, int scale) {
    QImage image(kSplash * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(), kSplash);
    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0, kLight);
    sky.setColorAt(1, kDeep);
    p.fillRect(area, sky);
    // Gentle waves along the bottom.
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath wave;
        const double y0 = 250 + layer * 18;
        wave.moveTo(0, area.height());
        for (int x = 0; x <= area.width(); x += 4)
            wave.lineTo(x, y0 + 8 * std::sin(x / 40.0 + layer));
        wave.lineTo(area.width(), area.height());
        p.setBrush(QColor(255, 255, 255, 25 + layer * 15));
        p.drawPath(wave);
    }
    DrawSignal(p, QPointF(440, 200), 1.4, kAccent);
    p.setPen(Qt::white);
    p.setFont(Font(56, true));
    p.drawText(QRect(36, 60, 400, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZR-4400"));
    p.setFont(Font(22, false));
    p.drawText(QRect(40, 140, 400, 40), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    p.setPen(QColor(220, 230, 245));
    p.setFont(Font(14, false));
    p.drawText(QRect(40, 180, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, note);
    return image;
}

QImage Tile(const QString& word, int scale) {
    QImage image(kTile * scale, QImage::Format_RGB32);
    image.fill(QColor(226, 233, 242));
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 219, 231), 1));
    for (int x = 0; x < kTile.width(); x += 20)
        p.drawLine(x, 0, x, kTile.height());
    for (int y = 0; y < kTile.height(); y += 20)
        p.drawLine(0, y, kTile.width(), y);
    DrawSignal(p, QPointF(40, 120), 0.6, QColor(190, 203, 220));
    p.setPen(QColor(196, 208, 224));
    p.setFont(Font(20, true));
    p.drawText(QRect(70, 60, 170, 60), Qt::AlignLeft | Qt::AlignVCenter, word);
    return image;
}

// A mobile transceiver with its antenna, on a 256-unit square.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const QColor grey(0x8c, 0x96, 0xa3), light(0xdf, 0xe4, 0xea), dark(0x2f, 0x6b, 0x3a);
    p.setPen(QPen(grey, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(72, 76), QPointF(48, 18));
    p.setPen(Qt::NoPen);
    const auto round = [&p](const QRectF& r, double radius, const QColor& color) {
        p.setBrush(color);
        p.drawRoundedRect(r, radius, radius);
    };
    const auto circle = [&p](QPointF c, double r, const QColor& color) {
        p.setBrush(color);
        p.drawEllipse(c, r, r);
    };
    circle({48, 18}, 10, QColor(0xd2, 0x3c, 0x3c));
    round({24, 72, 208, 156}, 22, QColor(0x24, 0x46, 0x6e));
    round({48, 96, 160, 52}, 8, QColor(0x9b, 0xe3, 0xa6));
    round({60, 110, 72, 10}, 3, dark);
    round({60, 126, 48, 10}, 3, dark);
    circle({80, 188}, 20, light);
    circle({176, 188}, 20, light);
    round({112, 176, 32, 8}, 3, grey);
    round({112, 192, 32, 8}, 3, grey);
    return image;
}

bool SaveIcon(int size, const QString& folder) {
    const QString path = folder + QStringLiteral("/PIC/zr4400-%1.png").arg(size);
    if (SavePicture(Icon(size), path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool Save(const QImage& image, const QString& path) {
    if (SavePicture(image, path, "JPG", 90))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fputs("usage: zr4400-mkpics PROGRAM-FOLDER\n", stderr);
        return 64;
    }
    const QString folder = app.arguments().at(1);
    if (!QDir().mkpath(folder + QStringLiteral("/PIC")))
        return 73;
    bool ok = SaveIcon(48, folder) && SaveIcon(128, folder) && SaveIcon(256, folder);
    for (const int scale : {1, 2}) {
        const QString at = scale == 1 ? QString() : QStringLiteral("@2x");
        ok = ok &&
             Save(Splash(QStringLiteral("Programming Software"),
                         QStringLiteral("CB / HF Mobile Transceiver"), scale),
                  folder + QStringLiteral("/StartE%1.jpg").arg(at)) &&
             Save(Splash(QStringLiteral("写频软件"), QStringLiteral("CB / HF 车载电台"), scale),
                  folder + QStringLiteral("/StartC%1.jpg").arg(at)) &&
             Save(Tile(QStringLiteral("ZR-4400"), scale),
                  folder + QStringLiteral("/PIC/BK_1%1.jpg").arg(at)) &&
             Save(Tile(QStringLiteral("ZR-4400 写频"), scale),
                  folder + QStringLiteral("/PIC/BK_2%1.jpg").arg(at));
    }
    return ok ? 0 : 74;
}
