#include "gui/widgets/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
double DotsPerInch(const QWidget* widget) {
    const QScreen* screen =
        widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

int TwipsToPixels(const QWidget* widget, int twips) {
    return static_cast<int>(std::lround(twips * DotsPerInch(widget) / 1440.0));
}

int PixelsToTwips(const QWidget* widget, int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / DotsPerInch(widget)));
}
