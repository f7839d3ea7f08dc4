#include "core/editing/channel_choice_lists.h"

#include "core/base/text_util.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_table_ops.h"
#include "core/editing/tone_rules.h"
#include "core/model/band.h"
#include "core/model/channels_in_use.h"
#include "core/model/radio_model.h"

#include <set>

QStringList BankChoiceEntries() {
    return {QStringLiteral("CB -- ") + kBandTextCB, QStringLiteral("HF -- ") + kBandTextHF};
}

QStringList GroupChoiceEntries(int bank) {
    QStringList entries;
    for (int group = 1; group <= GroupsInBank(bank); ++group)
        entries << GroupLetter(group);
    entries << GroupLetter(kMemoryView);
    return entries;
}

QStringList ValidGroupLetters(const RadioData& data, int bank) {
    QStringList letters;
    if (!ValidBank(bank))
        return letters;
    for (int group = 1; group <= GroupsInBank(bank); ++group)
        if (data.Options.GroupValid(bank, group) == 1)
            letters << GroupLetter(group);
    return letters;
}

QStringList ChannelComboEntries(const RadioModel& model, int bank, int group, ChannelKind kind) {
    std::set<int> numbers;
    if (ValidBank(bank) && ValidGroup(group)) {
        const int count = UsedChannelCount(model.radio, bank, group);
        for (int slot = 1; slot <= count; ++slot) {
            const int number = model.channels.at(bank, slot, group).ChannelNumber;
            if (kind == ChannelKind::Regular ? IsRegularChannel(number) : IsMemoryChannel(number))
                numbers.insert(number);
        }
    }
    QStringList names;
    for (const int number : numbers)
        names << GetCHName(number);
    return names;
}

QStringList MemoryChannelEntries() {
    QStringList names;
    for (int number = kFirstMemoryChannel; number <= kLastMemoryChannel; ++number)
        names << GetCHName(number);
    return names;
}

QStringList RogerListEntries(const ToneTable& tones, const QString& offText) {
    QStringList entries{offText};
    for (int tone = 1; tone <= kToneCount; ++tone)
        if (ValidRogerTone(tones, tone) != 0)
            entries << QString::number(tone);
    return entries;
}
