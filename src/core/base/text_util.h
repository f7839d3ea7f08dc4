#pragma once

#include <QString>

// Fixed-width texts end at the first NUL; trailing blanks are padding.
QString TrimText(const QString& text);

// The file-name part of a path (after the last "\" or "/").
QString FileNameOf(const QString& path);

// "A".."J" for groups 1..10, "MEM" for 11, "A" for anything else.
QString GroupLetter(int group);

// Inverse of GroupLetter; 0 for any other text.
int GroupIndex(const QString& text);

// "1 radio", "2 radios": a count of a noun whose English plural adds "s",
// for the English-only lines of the command-line tool.
QString CountOf(long long count, const QString& noun);

// True when the text is a plain decimal number ("27.185", "-1", " 3 ").
bool IsNumeric(const QString& text);

// Round half to even, the rule for every decimal input stored as an integer.
long long RoundHalfEven(double value);
// `value` rounded to `decimals` places, halves to the even digit, where a half
// is judged on the decimal value typed: 2.45 (in binary a little above) is a
// half and gives 2.4, as 2.25 gives 2.2.
double RoundDecimalHalfEven(double value, int decimals);

// Number formatting and parsing independent of the user's locale. A typed
// number takes "." or "," as its decimal point; a number is always shown with ".".
QString FormatFixed(double value, int decimals);
double ParseNumber(const QString& text, bool* ok = nullptr);
// Whether the character may stand for the decimal point of a typed number.
bool IsDecimalPoint(QChar c);

// A stored text made safe to print: control characters (and "\\") become
// "\\xHH", so a terminal never receives an escape sequence from a file.
QString EscapeControls(const QString& text);
