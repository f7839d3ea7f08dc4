#pragma once

#include <QString>
#include <QStringList>

// The entries of the roger-beep window's lists, in the language given (1
// English, 2 Chinese). A frequency code counts 10 Hz, a length code 10 ms.

// "Off", then "1".."10"; the position is the loop count.
QStringList LoopCountEntries(int language);
// "0".."2550" in steps of 10 ms; the position is the interval code.
QStringList IntervalEntries();
// "None", then "400".."2550" in steps of 10 Hz.
QStringList FrequencyEntries(int language);
// "0".."2550" in steps of 10 ms; the position is the length code.
QStringList LengthEntries();

// The translation list between frequency texts and codes: "None", then
// "10".."2550"; an entry's position is its code.
QStringList FrequencyCodeEntries(int language);
// The code of a frequency text; "None" and unknown texts give 0.
int FrequencyCodeOf(const QString& text, int language);
// The frequency text of a code; codes the frequency list cannot show (1..39,
// or outside 0..255) give "None".
QString FrequencyTextOf(int code, int language);
