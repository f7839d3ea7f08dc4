#include "gui/widgets/colours.h"

#include <QPalette>

#include <cmath>

namespace {

constexpr double kReadable = 4.5;

double Luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// In whole 8-bit steps, as the colour is painted.
QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](double a, double b) {
        return static_cast<float>(a + (b - a) * share);
    };
    return QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                            mix(from.blueF(), to.blueF()))
        .rgb();
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
    // Towards black on a light background, towards white on a dark one.
    const QColor away = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 0; step <= 20; ++step) {
        const QColor candidate = Blend(colour, away, step / 20.0);
        if (ContrastRatio(candidate, background) >= kReadable)
            return candidate;
    }
    return away;
}

QColor MutedText(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    return ReadableOn(Blend(palette.color(QPalette::Text), base, 0.5), base);
}

std::pair<QColor, QColor> ToneBarColours(const QColor& background) {
    return {ReadableOn(QColor(255, 0, 0), background), ReadableOn(QColor(0, 0, 255), background)};
}
