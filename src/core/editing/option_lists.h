#pragma once

#include <QStringList>

struct RadioData;
struct ToneTable;

// The entries of the option window's lists, in the language given (1 English,
// 2 Chinese), by change code (option_codes.h). A code without a list gives no
// entries.
QStringList OptionListEntries(int code, int language, const RadioData& data);

// "OFF" followed by the number of every defined roger-beep tone, ascending.
QStringList RogerListEntries(const ToneTable& tones, int language);
