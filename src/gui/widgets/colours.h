#pragma once

#include <QColor>
#include <utility>

class QPalette;

// The few colours the windows choose themselves, each readable on the
// palette's background, light or dark.

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);
// `colour`, darkened on a light `background` or lightened on a dark one just
// enough to keep a ratio of 4.5 to it.
QColor ReadableOn(const QColor& colour, const QColor& background);
// Text that stands back (a value that follows another) yet stays readable:
// halfway from the palette's text to its base, then made readable there.
QColor MutedText(const QPalette& palette);
// The tone picture's bars, red and blue, readable on `background`.
std::pair<QColor, QColor> ToneBarColours(const QColor& background);
