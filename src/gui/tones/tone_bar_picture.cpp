#include "gui/tones/tone_bar_picture.h"

#include "core/editing/tone_picture.h"
#include "gui/widgets/twips.h"

#include <QPainter>

namespace {
constexpr int kMarginTwips = 50;
}

ToneBarPicture::ToneBarPicture(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1_0"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumSize(TwipsToPixels(this, 4000), TwipsToPixels(this, 900));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ToneBarPicture::setTone(const ToneEntry* tone) {
    tone_ = tone;
    update();
}

int ToneBarPicture::margin() const {
    return TwipsToPixels(this, kMarginTwips);
}

void ToneBarPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!tone_)
        return;
    const QRect inner = contentsRect();
    const int base = inner.bottom() + 1 - margin();
    QPainter painter(this);
    for (const ToneBar& bar : ToneBars(*tone_, inner.width(), inner.height(), margin())) {
        const QColor colour = bar.oddElement ? QColor(255, 0, 0) : QColor(0, 0, 255);
        painter.fillRect(inner.left() + bar.x, base - bar.height, bar.width, bar.height, colour);
    }
}
