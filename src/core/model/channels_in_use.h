#pragma once

#include "core/model/radio_data.h"

#include <algorithm>

// The number of records in use in (bank, group). A count read from a damaged
// file may lie outside 0..46; it is held to the table's bounds.
inline int UsedChannelCount(const RadioData& data, int bank, int group) {
    return std::clamp<int>(data.ChannelCount(bank, group), 0, kSlots);
}

// Calls `visit(record, bank, group)` for every record in use, bank by bank,
// group by group, in slot order.
template <typename Visit>
void ForEachChannelInUse(const RadioData& data, ChannelTable& channels, Visit visit) {
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const int count = UsedChannelCount(data, bank, group);
            for (int slot = 1; slot <= count; ++slot)
                visit(channels.at(bank, slot, group), bank, group);
        }
    }
}
