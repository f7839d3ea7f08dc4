// Draws the pictures shipped in the program folder: the splash pictures
// StartE.jpg and StartC.jpg, and the background tiles PIC/BK_1.jpg (English)
// and PIC/BK_2.jpg (Chinese).

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

QImage Splash(const QString& subtitle, const QString& note) {
    QImage image(520, 320, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, image.height());
    sky.setColorAt(0, kLight);
    sky.setColorAt(1, kDeep);
    p.fillRect(image.rect(), sky);
    // Gentle waves along the bottom.
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath wave;
        const double y0 = 250 + layer * 18;
        wave.moveTo(0, image.height());
        for (int x = 0; x <= image.width(); x += 4)
            wave.lineTo(x, y0 + 8 * std::sin(x / 40.0 + layer));
        wave.lineTo(image.width(), image.height());
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

QImage Tile(const QString& word) {
    QImage image(240, 160, QImage::Format_RGB32);
    image.fill(QColor(226, 233, 242));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(210, 219, 231), 1));
    for (int x = 0; x < image.width(); x += 20)
        p.drawLine(x, 0, x, image.height());
    for (int y = 0; y < image.height(); y += 20)
        p.drawLine(0, y, image.width(), y);
    DrawSignal(p, QPointF(40, 120), 0.6, QColor(190, 203, 220));
    p.setPen(QColor(196, 208, 224));
    p.setFont(Font(20, true));
    p.drawText(QRect(70, 60, 170, 60), Qt::AlignLeft | Qt::AlignVCenter, word);
    return image;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "JPG", 90))
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
    const bool ok =
        Save(Splash(QStringLiteral("Programming Software"),
                    QStringLiteral("CB / HF Mobile Transceiver")),
             folder + QStringLiteral("/StartE.jpg")) &&
        Save(Splash(QStringLiteral("写频软件"), QStringLiteral("CB / HF 车载电台")),
             folder + QStringLiteral("/StartC.jpg")) &&
        Save(Tile(QStringLiteral("ZR-4400")), folder + QStringLiteral("/PIC/BK_1.jpg")) &&
        Save(Tile(QStringLiteral("ZR-4400 写频")), folder + QStringLiteral("/PIC/BK_2.jpg"));
    return ok ? 0 : 74;
}
