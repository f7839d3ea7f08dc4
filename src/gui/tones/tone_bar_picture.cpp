#include "gui/tones/tone_bar_picture.h"

#include "core/editing/tone_picture.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

#include <QPainter>

namespace {
constexpr int kMarginTwips = 50;
}

ToneBarPicture::ToneBarPicture(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1_0"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // The picture lies on the palette's base, as a page of text does.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
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
    const auto [odd, even] = ToneBarColours(palette().color(QPalette::Base));
    for (const ToneBar& bar : ToneBars(*tone_, inner.width(), inner.height(), margin())) {
        const QColor colour = bar.oddElement ? odd : even;
        painter.fillRect(inner.left() + bar.x, base - bar.height, bar.width, bar.height, colour);
    }
}
