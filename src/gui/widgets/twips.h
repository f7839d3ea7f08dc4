#pragma once

class QWidget;

// Window geometry is kept in twips (1/1440 inch) and shown in pixels at the
// screen's resolution.
int TwipsToPixels(const QWidget* widget, int twips);
int PixelsToTwips(const QWidget* widget, int pixels);
