#include "core/codec/option_block_codec.h"

#include "core/base/text_util.h"
#include "core/codec/image_bytes.h"

#include <QByteArray>
#include <QMap>
#include <algorithm>

namespace {

constexpr int kGroupValidBase = 0x3C00; // two bytes per bank
constexpr int kGroupNameBase = 0x3C04;  // four bytes per group
constexpr int kGroupNameBytes = 4;
constexpr int kEmgChannelBase = 0x3C54; // two bytes per group
constexpr int kBandByte = 0x3C7C;       // low nibble bank, high nibble UpperNibble + 1
constexpr int kWorkGroupBase = 0x3C7D;  // one byte per bank
constexpr int kWorkChannelBase = 0x3D00;
constexpr int kDwChannelBase = 0x3D14; // two bytes per group
constexpr int kMemChannelBase = 0x3D40;
constexpr int kBatteryMaxCode = 0x3F00; // 16 bits, low byte first
constexpr int kBatteryMinCode = 0x3F02;
constexpr int kModeEnableByte = 0x3F06;
constexpr int kReservedByte = 0x3F13;
constexpr int kTxOffsetBytes = 0x3F14; // 16 bits, low byte first
constexpr int kFreqChByte = 0x3F16;
constexpr int kAsqLevelByte = 0x3F17;
constexpr int kRssiPointBase = 0x3F30;
constexpr int kFirstMemChannel = 41;
constexpr uint8_t kEndMarker = 0x55;

// Options kept one per byte, as they are, with the values the option window
// stores (for the menu page, which has no control, those of its hidden list).
struct ByteOption {
    int address;
    int16_t OptionRecord::*field;
    int low;
    int high;
};
constexpr ByteOption kByteOptions[] = {
    {0x3F04, &OptionRecord::SwrMax, 12, 200},
    {0x3F05, &OptionRecord::PublicMode, 0, 4},
    {0x3F08, &OptionRecord::PublicRoger, 0, kToneCount},
    {0x3F09, &OptionRecord::KeyBeep, 0, 1},
    {0x3F0A, &OptionRecord::Indic, 0, 3},
    {0x3F0B, &OptionRecord::MicGain, 1, 36},
    {0x3F0C, &OptionRecord::Nog, 0, 32},
    {0x3F0D, &OptionRecord::Tot, 0, 60},
    {0x3F0E, &OptionRecord::SwrProtect, 0, 1},
    {0x3F0F, &OptionRecord::BatteryProtect, 0, 1},
    {0x3F10, &OptionRecord::ScanMode, 0, 1},
    {0x3F11, &OptionRecord::Fin, 0, 3},
    {0x3F12, &OptionRecord::BacklightColor, 0, 6},
    {0x3F18, &OptionRecord::MenuPage, 1, 9},
};

// Options kept as one bit each; the bytes hold nothing else.
struct BitOption {
    int address;
    int bit;
    int16_t OptionRecord::*field;
};
constexpr BitOption kBitOptions[] = {
    {0x3C7F, 0, &OptionRecord::VoxFunction},  {0x3C7F, 1, &OptionRecord::ChannelMode},
    {0x3C7F, 2, &OptionRecord::MemMenu},      {0x3F07, 0, &OptionRecord::PublicHiCut},
    {0x3F07, 1, &OptionRecord::PublicNbAnl},  {0x3F07, 2, &OptionRecord::PublicEcho},
    {0x3F07, 3, &OptionRecord::PublicAdd10K}, {0x3F07, 4, &OptionRecord::PublicBusy},
};

// The other bytes of settings, `count` in a row, and the values an encode
// of the option window's data leaves in them.
struct ByteRange {
    int address;
    int count;
    int low;
    int high;
};
constexpr ByteRange kByteRanges[] = {
    {kWorkGroupBase, kBanks, 0, kGroups - 1},
    {0x3C7F, 1, 0, 7}, // VOX, channel mode, MEM menu bits
    {kMemChannelBase, (kBanks * kGroups), 0, kSlots - kFirstMemChannel},
    {kModeEnableByte, 2, 0, 31}, // mode enables, public switches
    {kFreqChByte, 1, 0, 1},
    {kAsqLevelByte, 1, 1, 9},
    {kRssiPointBase, 12, 0, 35},
};

int GroupSlot(int bank, int group) {
    return bank * kGroups + group - 1;
}

struct GroupBit {
    int address;
    int bit;
};

GroupBit GroupValidBit(int bank, int group) {
    return {kGroupValidBase + 2 * bank + (group - 1) / 8, (group - 1) % 8};
}

// Per-group channel numbers, K bytes per group, stored as number - first.
template <int K> struct ChannelBytes {
    int base;
    int first;
    BankGroupArray<int16_t, kGroups, K> OptionRecord::*field;

    int address(int bank, int group, int k) const { return base + GroupSlot(bank, group) * K + k; }

    void decode(const RadioImage& image, OptionRecord& options) const {
        for (int bank = 0; bank < kBanks; ++bank)
            for (int group = 1; group <= kGroups; ++group)
                for (int k = 0; k < K; ++k)
                    (options.*field)(bank, group, k) =
                        static_cast<int16_t>(image[address(bank, group, k)] + first);
    }
    void encode(RadioImage& image, const OptionRecord& options) const {
        for (int bank = 0; bank < kBanks; ++bank)
            for (int group = 1; group <= kGroups; ++group)
                for (int k = 0; k < K; ++k)
                    image[address(bank, group, k)] =
                        ByteOf((options.*field)(bank, group, k) - first);
    }
};

constexpr ChannelBytes<2> kEmgChannels{kEmgChannelBase, 1, &OptionRecord::EmgChannel};
constexpr ChannelBytes<1> kWorkChannels{kWorkChannelBase, 1, &OptionRecord::WorkChannel};
constexpr ChannelBytes<2> kDwChannels{kDwChannelBase, 1, &OptionRecord::DwChannel};
constexpr ChannelBytes<1> kMemChannels{kMemChannelBase, kFirstMemChannel,
                                       &OptionRecord::MemChannel};

int ReadWord(const RadioImage& image, int address) {
    return image[address] | image[address + 1] << 8;
}

void WriteWord(RadioImage& image, int address, int value) {
    image[address] = ByteOf(value);
    image[address + 1] = ByteOf(value >> 8);
}

// A voltage beyond what the 16-bit code can carry is written as the nearest
// code it can, rather than wrapping round to a low voltage.
void WriteVoltage(RadioImage& image, int address, int tenths) {
    WriteWord(image, address, std::clamp(VoltageToCode(tenths), 0, 0xFFFF));
}

// The name's characters up to the first 0x00 or 0xFF, ended by one NUL.
QString DecodeGroupName(const RadioImage& image, int address) {
    QByteArray name;
    for (int i = 0; i < kGroupNameBytes; ++i) {
        const uint8_t byte = image[address + i];
        if (byte == 0x00 || byte == 0xFF)
            break;
        name.append(static_cast<char>(byte));
    }
    return QString::fromLatin1(name) + QChar(0);
}

void EncodeGroupName(RadioImage& image, int address, FixedText<kGroupNameBytes>& field) {
    const QString name = field.text();
    field.set(name);
    const QByteArray bytes = name.toLatin1();
    for (int i = 0; i < kGroupNameBytes; ++i)
        image[address + i] = i < bytes.size() ? ByteOf(bytes[i]) : 0x00;
}

// The bank in force: any band mark other than 0 selects bank 1, as the band
// text does, so BandFlag can always index the banks.
int16_t BankOfFlag(int flag) {
    return flag == 0 ? 0 : 1;
}

} // namespace

int VoltageToCode(int tenths) {
    return static_cast<int>(RoundHalfEven(tenths * 1024.0 / 261.5));
}

int CodeToVoltage(int code) {
    return static_cast<int>(RoundHalfEven(code * 261.5 / 1024.0));
}

void DecodeOptionBlock(const RadioImage& image, RadioData& data) {
    OptionRecord& options = data.Options;
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const GroupBit valid = GroupValidBit(bank, group);
            options.GroupValid(bank, group) = TestImageBit(image, valid.address, valid.bit) ? 1 : 0;
            options.GroupName(bank, group)
                .set(DecodeGroupName(image,
                                     kGroupNameBase + GroupSlot(bank, group) * kGroupNameBytes));
        }
        options.WorkGroup[bank] = static_cast<int16_t>(image[kWorkGroupBase + bank] + 1);
    }
    kEmgChannels.decode(image, options);
    kWorkChannels.decode(image, options);
    kDwChannels.decode(image, options);
    kMemChannels.decode(image, options);

    data.BandFlag = BankOfFlag(image[kBandByte] & 0x0F);
    options.UpperNibble = static_cast<int16_t>((image[kBandByte] >> 4) - 1);

    for (const BitOption& option : kBitOptions)
        options.*option.field = TestImageBit(image, option.address, option.bit) ? 1 : 0;
    for (const ByteOption& option : kByteOptions)
        options.*option.field = image[option.address];
    for (int mode = 0; mode < static_cast<int>(options.ModeEnable.size()); ++mode)
        options.ModeEnable[mode] = TestImageBit(image, kModeEnableByte, mode) ? 1 : 0;
    options.BatteryMax = static_cast<int16_t>(CodeToVoltage(ReadWord(image, kBatteryMaxCode)));
    options.BatteryMin = static_cast<int16_t>(CodeToVoltage(ReadWord(image, kBatteryMinCode)));

    data.TxOffset = ReadWord(image, kTxOffsetBytes);
    data.FreqCh = TestImageBit(image, kFreqChByte, 0) ? 1 : 0;
    data.AsqLevel = image[kAsqLevelByte];
    for (int i = 0; i < static_cast<int>(data.RssiPoint.size()); ++i)
        data.RssiPoint[i] = image[kRssiPointBase + i];
}

QStringList OptionBytesOutOfRange(const RadioImage& image) {
    QMap<int, QString> found; // by address
    const auto check = [&](int address, int low, int high) {
        if (image[address] < low || image[address] > high)
            found[address] = QStringLiteral("0x%1 = %2 (%3-%4)")
                                 .arg(QString::number(address, 16).toUpper())
                                 .arg(image[address])
                                 .arg(low)
                                 .arg(high);
    };
    for (const ByteRange& range : kByteRanges)
        for (int i = 0; i < range.count; ++i)
            check(range.address + i, range.low, range.high);
    for (const ByteOption& option : kByteOptions)
        check(option.address, option.low, option.high);
    return found.values();
}

bool MarksGroupsBeyondLast(const RadioImage& image) {
    for (int bank = 0; bank < kBanks; ++bank)
        if (image[kGroupValidBase + 2 * bank + 1] >> (kGroups - 8) != 0)
            return true;
    return false;
}

void EncodeOptionBlock(RadioImage& image, RadioData& data) {
    OptionRecord& options = data.Options;
    for (int bank = 0; bank < kBanks; ++bank) {
        image[kGroupValidBase + 2 * bank] = 0x00;
        image[kGroupValidBase + 2 * bank + 1] = 0x00;
    }
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const GroupBit valid = GroupValidBit(bank, group);
            SetImageBitIf(image, valid.address, valid.bit,
                          FlagBit(options.GroupValid(bank, group)));
            EncodeGroupName(image, kGroupNameBase + GroupSlot(bank, group) * kGroupNameBytes,
                            options.GroupName(bank, group));
        }
        image[kWorkGroupBase + bank] = ByteOf(options.WorkGroup[bank] - 1);
    }
    kEmgChannels.encode(image, options);
    kWorkChannels.encode(image, options);
    kDwChannels.encode(image, options);
    kMemChannels.encode(image, options);

    image[kBandByte] = ByteOf((options.UpperNibble + 1) * 16 + BankOfFlag(data.BandFlag));

    for (const BitOption& option : kBitOptions)
        image[option.address] = 0x00;
    for (const BitOption& option : kBitOptions)
        SetImageBitIf(image, option.address, option.bit, FlagBit(options.*option.field));
    for (const ByteOption& option : kByteOptions)
        image[option.address] = ByteOf(options.*option.field);
    image[kModeEnableByte] = 0x00;
    for (int mode = 0; mode < static_cast<int>(options.ModeEnable.size()); ++mode)
        SetImageBitIf(image, kModeEnableByte, mode, FlagBit(options.ModeEnable[mode]));
    WriteVoltage(image, kBatteryMaxCode, options.BatteryMax);
    WriteVoltage(image, kBatteryMinCode, options.BatteryMin);
    image[kReservedByte] = 0x00;

    WriteWord(image, kTxOffsetBytes, data.TxOffset);
    image[kFreqChByte] = ByteOf(FlagBit(data.FreqCh));
    image[kAsqLevelByte] = ByteOf(data.AsqLevel);
    for (int i = 0; i < static_cast<int>(data.RssiPoint.size()); ++i)
        image[kRssiPointBase + i] = ByteOf(data.RssiPoint[i]);

    std::fill(image.begin() + kEndMarkerStart, image.end(), kEndMarker);
}
