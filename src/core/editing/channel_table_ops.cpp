#include "core/editing/channel_table_ops.h"

#include "core/editing/channel_names.h"
#include "core/model/channels_in_use.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <limits>

namespace {

// Whether `number` is a channel of the kind `reference` names: memory above 40, else regular.
bool OfKind(int reference, int number) {
    return reference > kRegularChannelCount ? IsMemoryChannel(number) : IsRegularChannel(number);
}

// Calls `visit(record, slot)` for every record in use of the group, in table order.
template <typename Model, typename Visit>
void ForEachRecord(Model& model, int bank, int group, Visit visit) {
    if (!ValidBank(bank) || !ValidGroup(group))
        return;
    const int count = UsedChannelCount(model.radio, bank, group);
    for (int slot = 1; slot <= count; ++slot)
        visit(model.channels.at(bank, slot, group), slot);
}

// The group's settings that name one of its channels: emergency, work, dual watch.
std::array<int16_t*, 5> GroupChannelRefs(RadioModel& model, int bank, int group) {
    OptionRecord& o = model.radio.Options;
    return {&o.EmgChannel(bank, group, 0), &o.EmgChannel(bank, group, 1),
            &o.WorkChannel(bank, group), &o.DwChannel(bank, group, 0),
            &o.DwChannel(bank, group, 1)};
}

bool GroupIsValid(const RadioModel& model, int bank, int group) {
    return model.radio.Options.GroupValid(bank, group) == 1;
}

} // namespace

int GroupsInBank(int bank) {
    return bank == 0 ? kGroups : kGroups - 1;
}

int CountRegularChannels(const RadioModel& model, int bank, int group) {
    int count = 0;
    ForEachRecord(model, bank, group, [&](const ChannelRecord& r, int) {
        count += IsRegularChannel(r.ChannelNumber) ? 1 : 0;
    });
    return count;
}

int CountRegularChannelsElsewhere(const RadioModel& model, int bank, int group, int number) {
    int count = 0;
    for (int g = 1; g <= GroupsInBank(bank); ++g) {
        if (!GroupIsValid(model, bank, g))
            continue;
        count += CountRegularChannels(model, bank, g);
        if (g == group && IsRegularChannel(number) && model.FindSlot(number, bank, g) != 0)
            --count;
    }
    return count;
}

int CountChannelsOfKind(const RadioModel& model, int bank, int group, int number) {
    int count = 0;
    ForEachRecord(model, bank, group, [&](const ChannelRecord& r, int) {
        count += OfKind(number, r.ChannelNumber) ? 1 : 0;
    });
    return count;
}

int ValidateChannelRef(const RadioModel& model, int bank, int group, int number) {
    if (model.FindSlot(number, bank, group) != 0)
        return number;
    int first = 0;
    ForEachRecord(model, bank, group, [&](const ChannelRecord& r, int) {
        if (first == 0 && OfKind(number, r.ChannelNumber))
            first = r.ChannelNumber;
    });
    return first;
}

void RevalidateGroupChannelRefs(RadioModel& model, int bank, int group) {
    if (!ValidBank(bank) || !ValidGroup(group))
        return;
    for (int16_t* ref : GroupChannelRefs(model, bank, group))
        *ref = static_cast<int16_t>(ValidateChannelRef(model, bank, group, *ref));
}

bool SortGroupByFrequency(RadioModel& model, int bank, int group) {
    QList<int> places; // the regular channels' slots, in table order
    QList<ChannelRecord> records;
    ForEachRecord(model, bank, group, [&](const ChannelRecord& r, int slot) {
        if (IsRegularChannel(r.ChannelNumber)) {
            places << slot;
            records << r;
        }
    });
    // A frequency that is not digits (none stored) goes last.
    const auto key = [](const ChannelRecord& r) {
        bool ok = false;
        const qlonglong digits = r.RxFreq.text().toLongLong(&ok);
        return std::pair{ok ? digits : std::numeric_limits<qlonglong>::max(),
                         static_cast<int>(r.ChannelNumber)};
    };
    std::stable_sort(
        records.begin(), records.end(),
        [&](const ChannelRecord& a, const ChannelRecord& b) { return key(a) < key(b); });
    QHash<int, int> renumbered; // old number -> new
    bool changed = false;
    for (qsizetype i = 0; i < records.size(); ++i) {
        renumbered.insert(records[i].ChannelNumber, static_cast<int>(i) + 1);
        ChannelRecord sorted = records[i];
        sorted.ChannelNumber = static_cast<int16_t>(i + 1);
        ChannelRecord& record = model.channels.at(bank, places[i], group);
        changed = changed || record != sorted;
        record = sorted;
    }
    for (int16_t* ref : GroupChannelRefs(model, bank, group))
        *ref = static_cast<int16_t>(renumbered.value(*ref, *ref));
    return changed;
}

void DeleteChannelAt(RadioModel& model, int position, int bank, int group) {
    if (!ValidBank(bank) || !ValidGroup(group))
        return;
    const int count = UsedChannelCount(model.radio, bank, group);
    if (position < 1 || position > count)
        return;
    for (int slot = position; slot < count; ++slot)
        model.channels.at(bank, slot, group) = model.channels.at(bank, slot + 1, group);
    model.radio.ChannelCount(bank, group) = static_cast<int16_t>(count - 1);
}

void StoreChannelField(ChannelRecord& record, int column, const QString& text, double bandLowMHz) {
    if (column == 1)
        record.RxFreq.set(FreqTextToDigits(text, bandLowMHz));
}

QString DefaultChannelFrequency(int group) {
    static const char* const kFrequencies[] = {"28.015000", "28.145000", "28.115000",
                                               "28.085000", "28.055000", "28.025000"};
    const int g = ValidGroup(group) ? group : 1;
    return QString::fromLatin1(kFrequencies[(g - 1) % 6]);
}

void AddDefaultChannel(RadioModel& model, int bank, int group) {
    if (model.FindSlot(1, bank, group) == 0)
        model.AppendChannel(1, bank, group, DefaultChannelFrequency(group));
    // References left behind when the group lost its last channel point at it again.
    RevalidateGroupChannelRefs(model, bank, group);
}

bool AnyOtherGroupValid(const RadioModel& model, int bank, int group) {
    for (int g = 1; g <= GroupsInBank(bank); ++g)
        if (g != group && GroupIsValid(model, bank, g))
            return true;
    return false;
}

void MakeGroupInvalid(RadioModel& model, int bank, int group) {
    if (!ValidBank(bank) || !ValidGroup(group))
        return;
    OptionRecord& o = model.radio.Options;
    o.GroupValid(bank, group) = 0;
    if (o.WorkGroup[bank] != group)
        return;
    for (int g = 1; g <= GroupsInBank(bank); ++g) {
        if (GroupIsValid(model, bank, g)) {
            o.WorkGroup[bank] = static_cast<int16_t>(g);
            return;
        }
    }
}

int GroupOfView(int view) {
    return view == kMemoryView ? 1 : view;
}

int ChannelOfRow(int view, int row) {
    return view == kMemoryView ? kRegularChannelCount + row : row;
}

int RowsOfView(int view) {
    return view == kMemoryView ? kMemoryChannelCount : kRegularChannelCount;
}

ChannelRecord* RecordForRow(RadioModel& model, int bank, int view, int row) {
    if (row < 1 || row > RowsOfView(view))
        return nullptr;
    const int group = GroupOfView(view);
    const int slot = model.FindSlot(ChannelOfRow(view, row), bank, group);
    return slot == 0 ? nullptr : &model.channels.at(bank, slot, group);
}
