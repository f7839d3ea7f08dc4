#pragma once

#include <QString>
#include <QStringList>

class RadioModel;
struct RadioData;
struct ToneTable;

// The entries of the channel editor's choice lists that come from the data.

// "CB -- 25.6150 - 30.1050 MHz" (bank 0) and "HF -- 28.0000 - 29.6990 MHz" (bank 1).
QStringList BankChoiceEntries();
// The bank's group letters, then "MEM".
QStringList GroupChoiceEntries(int bank);
// The letters of the bank's valid groups, in letter order.
QStringList ValidGroupLetters(const RadioData& data, int bank);

enum class ChannelKind { Regular, Memory };
// The names of the group's channels of one kind, sorted by number.
QStringList ChannelComboEntries(const RadioModel& model, int bank, int group, ChannelKind kind);
// "M1".."M6".
QStringList MemoryChannelEntries();
// The roger-beep choices: `offText`, then the numbers of the defined tones.
QStringList RogerListEntries(const ToneTable& tones, const QString& offText);
