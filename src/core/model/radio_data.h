#pragma once

#include "core/model/fixed_text.h"

#include <array>
#include <cstdint>

// Banks are 0 (25.6150 - 30.1050 MHz) and 1 (28.0000 - 29.6990 MHz); groups
// 1..10 ("A".."J"), 11 being the memory view; slots 1..46.
constexpr int kBanks = 2;
constexpr int kGroups = 10;
constexpr int kSlots = 46;
constexpr int kMemoryView = 11;
constexpr int kToneCount = 8;
constexpr int kToneElements = 14;

// A channel tone is one ToneIndex: 0 off, 1..38 the CTCSS tones, 39..142 the
// DCS codes.
constexpr int kCtcssCount = 38;
constexpr int kDcsCount = 104;
constexpr int kToneIndexCount = 1 + kCtcssCount + kDcsCount;
constexpr int kFirstDcsIndex = kCtcssCount + 1;

// Arrays over (bank, group[, k]) kept in the order the data file stores them:
// bank fastest, then group, then k. Serialising is a walk over `items`.
template <typename T, int GroupCount = kGroups, int K = 1> struct BankGroupArray {
    std::array<T, kBanks * GroupCount * K> items{};

    static constexpr int indexOf(int bank, int group, int k) {
        return (k * GroupCount + (group - 1)) * kBanks + bank;
    }
    T& operator()(int bank, int group, int k = 0) { return items[indexOf(bank, group, k)]; }
    const T& operator()(int bank, int group, int k = 0) const {
        return items[indexOf(bank, group, k)];
    }
    bool operator==(const BankGroupArray&) const = default;
};

struct ChannelRecord {
    int16_t ChannelNumber = 0; // 1..40 regular, 41..46 memory channels M1..M6
    int16_t InUse = 0;
    int16_t ScanFlag = 0;
    FixedText<8> RxFreq; // digit text, point implied after the second digit
    FixedText<8> TxFreq;
    std::array<int16_t, 2> Reserved{};
    int16_t ToneIndex = 0; // 0 off, 1..38 CTCSS, 39..142 DCS
    int16_t TxToneIndex = 0;
    int16_t Mode = 0; // 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA
    int16_t HiCut = 0;
    int16_t NbAnl = 0;
    int16_t Echo = 0;
    int16_t Add10K = 0;
    int16_t Busy = 0;
    int16_t Roger = 0;    // roger-beep tone 1..8, 0 off
    int16_t Repeater = 0; // 0 off, 1 "+", 2 "-"
    int16_t Public = 0;

    bool operator==(const ChannelRecord&) const = default;
};

struct RadioIdentity {
    FixedText<7> IdentityModelCode;
    int16_t IdentityWord = 0;
    int16_t IdentityBand = 0;
    FixedText<8> IdentityDate;
    FixedText<5> IdentityVersion;
    FixedText<6> IdentityModelCode6;
    int16_t IdentityBand2 = 0;
    int16_t IdentityMark = 0;

    bool operator==(const RadioIdentity&) const = default;
};

struct OptionRecord {
    BankGroupArray<int16_t> GroupValid;
    BankGroupArray<FixedText<4>> GroupName;
    BankGroupArray<int16_t, kGroups, 2> EmgChannel;
    int16_t UpperNibble = 0;
    int16_t WorkBand = 0;
    std::array<int16_t, kBanks> WorkGroup{};
    int16_t VoxFunction = 0;
    int16_t ChannelMode = 0;
    int16_t MemMenu = 0;
    BankGroupArray<int16_t> WorkChannel;
    BankGroupArray<int16_t, kGroups, 2> DwChannel;
    BankGroupArray<int16_t> MemChannel;
    int16_t Rtix = 0;
    int16_t Ttix = 0;
    int16_t PublicHiCut = 0;
    int16_t PublicNbAnl = 0;
    int16_t PublicEcho = 0;
    int16_t PublicAdd10K = 0;
    int16_t PublicBusy = 0;
    int16_t PublicRoger = 0;
    int16_t KeyBeep = 0;
    int16_t Indic = 0;
    int16_t MicGain = 0;
    int16_t Nog = 0;
    int16_t Tot = 0;
    int16_t SwrProtect = 0;
    int16_t BatteryProtect = 0;
    int16_t ScanMode = 0;
    int16_t Fin = 0;
    int16_t BacklightColor = 0;
    int16_t MenuPage = 0;
    int16_t BatteryMin = 0; // tenths of a volt
    int16_t BatteryMax = 0;
    int16_t SwrMax = 0; // tenths
    int16_t PublicMode = 0;
    std::array<int16_t, 5> ModeEnable{}; // FM, AM, USB, LSB, PA

    bool operator==(const OptionRecord&) const = default;
};

struct ToneElement {
    int16_t FreqCode = 0; // 10 Hz units, 0 = pause
    int16_t DurCode = 0;  // 10 ms units, 0 = skipped
    bool operator==(const ToneElement&) const = default;
};

struct ToneEntry {
    std::array<ToneElement, kToneElements> Element{};
    int16_t LoopCount = 0;    // 0 = tone not defined
    int16_t IntervalCode = 0; // 10 ms units
    bool operator==(const ToneEntry&) const = default;
};

// Tones are numbered 1..8.
struct ToneTable {
    std::array<ToneEntry, kToneCount> entries{};
    ToneEntry& operator[](int tone) { return entries[tone - 1]; }
    const ToneEntry& operator[](int tone) const { return entries[tone - 1]; }
    bool operator==(const ToneTable&) const = default;
};

struct RadioData {
    FixedText<4> DataVersion;
    int16_t BandFlag = 0;
    std::array<int16_t, kBanks> CurrentGroup{};
    BankGroupArray<int16_t, kMemoryView> LastRow;
    BankGroupArray<int16_t> ChannelCount;
    RadioIdentity Identity;
    OptionRecord Options;
    ToneTable Tones;
    int32_t TxOffset = 0; // 100 Hz units
    int16_t FreqCh = 0;
    int16_t AsqLevel = 0;
    std::array<int16_t, 12> RssiPoint{};

    bool operator==(const RadioData&) const = default;
};

// Channel records by (bank 0..1, slot 1..46, group 1..10). Only slots
// 1..ChannelCount(bank, group) are in use.
class ChannelTable {
public:
    ChannelRecord& at(int bank, int slot, int group) { return records[indexOf(bank, slot, group)]; }
    const ChannelRecord& at(int bank, int slot, int group) const {
        return records[indexOf(bank, slot, group)];
    }
    bool operator==(const ChannelTable&) const = default;

private:
    static constexpr int indexOf(int bank, int slot, int group) {
        return ((group - 1) * kSlots + (slot - 1)) * kBanks + bank;
    }
    std::array<ChannelRecord, kBanks * kSlots * kGroups> records{};
};

constexpr bool ValidBank(int bank) {
    return bank >= 0 && bank < kBanks;
}
constexpr bool ValidGroup(int group) {
    return group >= 1 && group <= kGroups;
}
constexpr bool ValidSlot(int slot) {
    return slot >= 1 && slot <= kSlots;
}
