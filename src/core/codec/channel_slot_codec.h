#pragma once

#include "core/model/radio_data.h"
#include "core/model/radio_image.h"

// Each group has 48 radio slots of 16 bytes: channel n (1..46) in slot n, and
// copies of the group's two dual-watch channels in slots 47 and 48.
constexpr int kRadioSlots = 48;
constexpr int kDualWatchSlot1 = 47;
constexpr int kDualWatchSlot2 = 48;
constexpr int kSlotBytes = 16;

// Address of radio slot `slot` (1..48) of `group` in `bank`.
constexpr int ChannelSlotAddress(int bank, int group, int slot) {
    return bank * kBankImageSize + ((group - 1) * kRadioSlots + (slot - 1)) * kSlotBytes;
}

// Appends the channel of radio slot `slot` (1..46) to the group's records when
// the slot is marked present and holds a valid frequency. A group already
// holding 46 records takes no more.
void DecodeChannelSlot(const RadioImage& image, RadioData& data, ChannelTable& channels, int bank,
                       int slot, int group);

// All channels of the image: every count is reset, then each bank, group and
// slot is decoded in order, so records stand in ascending channel number.
void DecodeChannels(const RadioImage& image, RadioData& data, ChannelTable& channels);

// Slots 1..46 marked present whose frequency is not decimal digits: the
// erased or damaged slots a decode skips.
int DamagedChannelSlots(const RadioImage& image);

// Writes `record` into radio slot `slot` (1..48) with its bitmap bits; the
// receive text is normalised to eight digits (or FFFFFFFF) and stored back.
// Expects a prepared image: bytes it does not own stay as they are.
void EncodeChannelSlot(RadioImage& image, ChannelRecord& record, int slot, int group, int bank);

// Every record in use into the slot of its channel number, plus the copies of
// the dual-watch channels.
void EncodeChannelTable(RadioImage& image, const RadioData& data, ChannelTable& channels);
