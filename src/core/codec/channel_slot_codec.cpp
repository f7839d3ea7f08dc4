#include "core/codec/channel_slot_codec.h"

#include "core/codec/image_bytes.h"
#include "core/codec/tone_codes.h"
#include "core/model/channels_in_use.h"
#include "core/model/freq_text.h"

#include <algorithm>
#include <array>

namespace {

// Slot byte positions.
constexpr int kFreqBytes = 0; // 0..2, packed BCD, least significant first
constexpr int kToneCodeByte = 5;
constexpr int kModeByte = 6;
constexpr int kSwitchByte = 9;
constexpr int kRogerByte = 10;
constexpr int kFlagsByte = 11;

constexpr int kGroupMapBytes = 6; // 48 bits per group

enum ToneType { kNoTone = 0, kCtcssTone = 1, kDcsTone = 2 };

struct MapBit {
    int address;
    int bit;
};

MapBit SlotBit(int mapBase, int bank, int group, int slot) {
    return {mapBase + bank * kBitMapBankStride + (group - 1) * kGroupMapBytes + (slot - 1) / 8,
            (slot - 1) % 8};
}

bool TestSlotBit(const RadioImage& image, int mapBase, int bank, int group, int slot) {
    const MapBit at = SlotBit(mapBase, bank, group, slot);
    return TestImageBit(image, at.address, at.bit);
}

void SetSlotBit(RadioImage& image, int mapBase, int bank, int group, int slot) {
    const MapBit at = SlotBit(mapBase, bank, group, slot);
    SetImageBit(image, at.address, at.bit);
}

// A code outside the tone tables is no tone at all: taking it at face value
// would name a tone of the other kind or none that exists.
int ToneIndexOf(int type, int code) {
    if (type == kCtcssTone && code >= 1 && code <= kCtcssCount)
        return code;
    if (type == kDcsTone && code >= 1 && code <= kDcsCount)
        return code + kCtcssCount;
    return 0;
}

struct SlotTone {
    int type;
    int code;
};

SlotTone SlotToneOf(int toneIndex) {
    if (toneIndex >= 1 && toneIndex <= kCtcssCount)
        return {kCtcssTone, toneIndex};
    if (toneIndex >= kFirstDcsIndex && toneIndex < kToneIndexCount)
        return {kDcsTone, toneIndex - kCtcssCount};
    return {kNoTone, 0};
}

// The digit text of a slot's packed BCD frequency, most significant byte
// first, with the two implied trailing zeros; false when a nibble is not a
// decimal digit (an erased or damaged slot).
bool SlotFreqDigits(const uint8_t* bytes, std::array<char, 8>& digits) {
    for (int i = 0; i < 3; ++i) {
        const uint8_t b = bytes[kFreqBytes + 2 - i];
        const int high = b >> 4;
        const int low = b & 0x0F;
        if (high > 9 || low > 9)
            return false;
        digits[2 * i] = static_cast<char>('0' + high);
        digits[2 * i + 1] = static_cast<char>('0' + low);
    }
    digits[6] = digits[7] = '0';
    return true;
}

// True when the field already holds eight decimal digits, the form every
// encode leaves behind, so the text conversions can be skipped.
bool IsPaddedDigits(const FixedText<8>& text) {
    return std::all_of(text.bytes.begin(), text.bytes.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

void DecodeChannelSlot(const RadioImage& image, RadioData& data, ChannelTable& channels, int bank,
                       int slot, int group) {
    if (!ValidBank(bank) || !ValidGroup(group) || !ValidSlot(slot))
        return;
    const int position = UsedChannelCount(data, bank, group) + 1;
    if (position > kSlots || !TestSlotBit(image, kPresenceMapBase, bank, group, slot))
        return;
    const uint8_t* bytes = image.data() + ChannelSlotAddress(bank, group, slot);
    std::array<char, 8> digits;
    if (!SlotFreqDigits(bytes, digits))
        return; // erased or damaged: the presence bit alone makes no channel

    ChannelRecord& record = channels.at(bank, position, group);
    record.ChannelNumber = static_cast<int16_t>(slot);
    record.InUse = 1;
    record.ScanFlag = TestSlotBit(image, kScanMapBase, bank, group, slot) ? 1 : 0;
    record.RxFreq.bytes = digits;
    record.Mode = bytes[kModeByte];
    const uint8_t switches = bytes[kSwitchByte];
    record.HiCut = switches & 1;
    record.NbAnl = (switches >> 1) & 1;
    record.Echo = (switches >> 2) & 1;
    record.Add10K = (switches >> 3) & 1;
    record.Busy = (switches >> 4) & 1;
    record.Roger = bytes[kRogerByte];
    const uint8_t flags = bytes[kFlagsByte];
    record.Repeater = flags & 3;
    record.Public = (flags >> 7) & 1;
    record.ToneIndex = static_cast<int16_t>(ToneIndexOf((flags >> 4) & 3, bytes[kToneCodeByte]));
    data.ChannelCount(bank, group) = static_cast<int16_t>(position);
}

void DecodeChannels(const RadioImage& image, RadioData& data, ChannelTable& channels) {
    data.ChannelCount.items.fill(0);
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            for (int slot = 1; slot <= kSlots; ++slot)
                DecodeChannelSlot(image, data, channels, bank, slot, group);
        }
    }
}

int DamagedChannelSlots(const RadioImage& image) {
    int damaged = 0;
    std::array<char, 8> digits;
    for (int bank = 0; bank < kBanks; ++bank)
        for (int group = 1; group <= kGroups; ++group)
            for (int slot = 1; slot <= kSlots; ++slot)
                if (TestSlotBit(image, kPresenceMapBase, bank, group, slot) &&
                    !SlotFreqDigits(image.data() + ChannelSlotAddress(bank, group, slot), digits))
                    ++damaged;
    return damaged;
}

void EncodeChannelSlot(RadioImage& image, ChannelRecord& record, int slot, int group, int bank) {
    if (!ValidBank(bank) || !ValidGroup(group) || slot < 1 || slot > kRadioSlots)
        return;
    if (!IsPaddedDigits(record.RxFreq))
        record.RxFreq.set(PadFreqDigits(record.RxFreq.text()));
    const std::array<char, 8>& digits = record.RxFreq.bytes;

    uint8_t* bytes = image.data() + ChannelSlotAddress(bank, group, slot);
    // Only decimal digits pack into BCD; anything else is written as "no frequency".
    const bool packable = IsPaddedDigits(record.RxFreq);
    for (int i = 0; i < 3; ++i)
        bytes[kFreqBytes + 2 - i] =
            packable ? ByteOf((digits[2 * i] - '0') << 4 | (digits[2 * i + 1] - '0')) : 0xFF;
    bytes[3] = 0x00;
    bytes[4] = 0x00;

    const SlotTone tone = SlotToneOf(record.ToneIndex);
    bytes[kToneCodeByte] = ByteOf(tone.code);
    bytes[kModeByte] = ByteOf(record.Mode);
    bytes[kSwitchByte] =
        ByteOf(FlagBit(record.HiCut) | FlagBit(record.NbAnl) << 1 | FlagBit(record.Echo) << 2 |
               FlagBit(record.Add10K) << 3 | FlagBit(record.Busy) << 4);
    bytes[kRogerByte] = ByteOf(record.Roger);
    bytes[kFlagsByte] =
        ByteOf((record.Repeater & 3) | tone.type << 4 | FlagBit(record.Public) << 7);

    // The dual-watch copies are not channels of their own: no presence bit.
    if (slot <= kSlots)
        SetSlotBit(image, kPresenceMapBase, bank, group, slot);
    if (FlagBit(record.ScanFlag))
        SetSlotBit(image, kScanMapBase, bank, group, slot);
}

void EncodeChannelTable(RadioImage& image, const RadioData& data, ChannelTable& channels) {
    const auto& dw = data.Options.DwChannel;
    ForEachChannelInUse(data, channels, [&](ChannelRecord& record, int bank, int group) {
        const int number = record.ChannelNumber;
        // A number outside 1..46 would land on the dual-watch copies or on
        // another group's slots.
        if (!ValidSlot(number))
            return;
        EncodeChannelSlot(image, record, number, group, bank);
        if (number == dw(bank, group, 0))
            EncodeChannelSlot(image, record, kDualWatchSlot1, group, bank);
        else if (number == dw(bank, group, 1))
            EncodeChannelSlot(image, record, kDualWatchSlot2, group, bank);
    });
}
