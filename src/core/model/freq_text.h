#pragma once

#include "core/model/band.h"

#include <QString>

class Catalogue;
class Prompter;

// A channel frequency lives in three forms: three packed-BCD slot bytes in the
// image, an 8-character digit text in the record (point implied after the
// second digit: 27185000 is 27.185000 MHz) and a display text "#0.0000".
// Empty or FFFFFFFF stands for "no frequency".

// True for a non-empty text of decimal digits only: the one shape a digit
// text may have to be shown or packed into slot bytes.
bool IsFreqDigits(const QString& digits);

// Digit text to display text. A damaged digit text is reported ("Not
// IsNumeric") through `prompter` when given, and the low band limit is shown.
QString FreqDigitsToText(const QString& digits, double bandLowMHz, Prompter* prompter);

// Display or typed text to digit text; a non-numeric text becomes the low
// band limit.
QString FreqTextToDigits(const QString& text, double bandLowMHz);

// The digit text padded with "0" on the right to `length`; FFFFFFFF when empty.
QString PadFreqDigits(const QString& digits, int length = 8);

// Moves a frequency down onto the 10 Hz grid that starts at the low band limit.
double AlignFreqToStep(double mhz, double bandLowMHz);

// A frequency inside the band is aligned to the grid. Outside it the result is
// the nearer band limit when `clamp` is set, else 0; with `warn` the user is
// told that the frequency is out of range.
double CheckFreqRange(double f, bool clamp, bool warn, const BandLimits& band,
                      const Catalogue& catalogue, Prompter* prompter);

// The value of an entry that is not a number: low band limit or 0, as above.
double InvalidFreqValue(bool clamp, bool warn, const BandLimits& band, const Catalogue& catalogue,
                        Prompter* prompter);

// A typed frequency checked against the band and shown "#0.0000"; "" when
// the result is 0.
QString NormalizeFreqInput(const QString& value, bool clamp, bool warn, const BandLimits& band,
                           const Catalogue& catalogue, Prompter* prompter);

// A frequency in MHz shown with four decimals, rounded half up on the exact
// decimal value rather than on its binary approximation.
QString FormatFreqMHz(double mhz);
