// The blocks of the memory image: channel slots and their bitmaps, the
// settings area and the roger-beep tones; byte layout, what a decode keeps or
// drops, round trips, and images that are not this model's memory.

#include "core/codec/channel_slot_codec.h"
#include "core/codec/image_check.h"
#include "core/codec/image_codec.h"
#include "core/codec/option_block_codec.h"
#include "core/codec/tone_block_codec.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "support/rows.h"
#include "support/values.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

bool MapBit(const RadioImage& image, int mapBase, int bank, int group, int slot) {
    const int address = mapBase + bank * kBitMapBankStride + (group - 1) * 6 + (slot - 1) / 8;
    return (image[address] >> ((slot - 1) % 8)) & 1;
}

QByteArray SlotBytes(const RadioImage& image, int bank, int group, int slot) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) +
                          ChannelSlotAddress(bank, group, slot),
                      kSlotBytes);
}

ChannelRecord Channel(int number, const QString& digits, int scan = 1) {
    ChannelRecord r;
    r.ChannelNumber = static_cast<int16_t>(number);
    r.InUse = 1;
    r.ScanFlag = static_cast<int16_t>(scan);
    r.RxFreq.set(digits);
    return r;
}

RadioImage Prepared() {
    RadioImage image;
    PrepareImage(image);
    return image;
}

struct SlotLayoutRow {
    const char* name;
    QString digits;
    int toneIndex;
    QByteArray expected;
    int decodedTone;
};

// Distinct, valid values in every field the image carries.
RadioData SampleData() {
    RadioData d;
    OptionRecord& o = d.Options;
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const int n = bank * kGroups + group; // 1..20
            o.GroupValid(bank, group) = n % 3 == 0 ? 0 : 1;
            o.GroupName(bank, group).set(QStringLiteral("G%1").arg(n));
            o.EmgChannel(bank, group, 0) = static_cast<int16_t>(n);
            o.EmgChannel(bank, group, 1) = static_cast<int16_t>(n + 20);
            o.WorkChannel(bank, group) = static_cast<int16_t>(46 - n);
            o.DwChannel(bank, group, 0) = static_cast<int16_t>(n + 1);
            o.DwChannel(bank, group, 1) = static_cast<int16_t>(n + 2);
            o.MemChannel(bank, group) = static_cast<int16_t>(41 + n % 6);
        }
    }
    o.GroupName(1, 10).set(QStringLiteral("ABCD"));
    o.WorkGroup = {1, 3};
    using O = OptionRecord;
    const std::pair<int16_t O::*, int> values[] = {
        {&O::UpperNibble, 2}, {&O::VoxFunction, 1},    {&O::MemMenu, 1},
        {&O::PublicHiCut, 1}, {&O::PublicNbAnl, 1},    {&O::PublicBusy, 1},
        {&O::PublicRoger, 3}, {&O::KeyBeep, 1},        {&O::Indic, 2},
        {&O::MicGain, 30},    {&O::Nog, 32},           {&O::Tot, 60},
        {&O::SwrProtect, 1},  {&O::BatteryProtect, 1}, {&O::ScanMode, 1},
        {&O::Fin, 3},         {&O::BacklightColor, 6}, {&O::MenuPage, 9},
        {&O::BatteryMin, 97}, {&O::BatteryMax, 168},   {&O::SwrMax, 160},
        {&O::PublicMode, 4}};
    for (const auto& [field, value] : values)
        o.*field = static_cast<int16_t>(value);
    o.ModeEnable = {1, 0, 1, 0, 1};
    d.BandFlag = 1;
    d.TxOffset = 50000;
    d.FreqCh = 1;
    d.AsqLevel = 5;
    for (int i = 0; i < 12; ++i)
        d.RssiPoint[i] = static_cast<int16_t>(i * 3 + 2);
    return d;
}

RadioImage EncodedSample() {
    RadioImage image;
    PrepareImage(image);
    RadioData d = SampleData();
    EncodeOptionBlock(image, d);
    return image;
}

// The built-in defaults' image changed, and how many kinds of doubt it gives.
struct ForeignImageRow {
    const char* name;
    void (*change)(RadioImage&);
    int reasons;
};

// Slot 1 of the first `count` groups (each holds channel 1) with no frequency.
void DamageSlots(RadioImage& image, int count) {
    for (int group = 1; group <= count; ++group)
        image[ChannelSlotAddress(0, group, 1)] = 0xFF;
}

} // namespace

class TestImageBlocks : public QObject {
    Q_OBJECT
private slots:
    void slotLayout_data() {
        const auto slot = [](const char* freq, int code, int type) {
            return QByteArray::fromHex(freq) + QByteArray::fromHex("0000") + char(code) +
                   QByteArray::fromHex("03ffff1505") + char(0x82 | type << 4) +
                   QByteArray::fromHex("ffffffff");
        };
        AddRows<SlotLayoutRow>(
            {{"27.1850", "271850", 0, slot("501827", 0, 0), 0},
             {"28.015000, last CTCSS", "28015000", 38, slot("500128", 38, 1), 38},
             {"first DCS", "28015000", 39, slot("500128", 1, 2), 39},
             {"last DCS", "29699000", 142, slot("906929", 104, 2), 142},
             {"beyond the tables", "29699000", 143, slot("906929", 0, 0), 0},
             {"no frequency", "FFFFFFFF", 5, slot("ffffff", 5, 1), -1},
             {"empty", "", 0, slot("ffffff", 0, 0), -1},
             {"not BCD", "2.718500", 0, slot("ffffff", 0, 0), -1}});
    }

    void slotLayout() {
        QFETCH(SlotLayoutRow, row);
        auto [rowName, digits, toneIndex, expected, decodedTone] = row;
        ChannelRecord r = Channel(5, digits);
        r.ToneIndex = static_cast<int16_t>(toneIndex);
        r.Mode = 3;
        r.HiCut = r.Echo = r.Busy = 1;
        r.Roger = 5;
        r.Repeater = 2;
        r.Public = 1;
        RadioImage image = Prepared();
        EncodeChannelSlot(image, r, 5, 2, 1);
        QCOMPARE(SlotBytes(image, 1, 2, 5).toHex(), expected.toHex());
        // Present and scanned; the frequency normalised and stored back.
        QVERIFY(MapBit(image, kPresenceMapBase, 1, 2, 5) && MapBit(image, kScanMapBase, 1, 2, 5));
        QCOMPARE(r.RxFreq.text().size(), 8);

        RadioData data;
        ChannelTable channels;
        DecodeChannelSlot(image, data, channels, 1, 5, 2);
        QCOMPARE(data.ChannelCount(1, 2), int16_t(decodedTone < 0 ? 0 : 1));
        if (decodedTone >= 0) {
            r.ToneIndex = static_cast<int16_t>(decodedTone);
            QCOMPARE(channels.at(1, 1, 2), r);
        }
    }

    // The tone index a stored tone type and code decode to: CTCSS 38, DCS 1 and
    // 104; type 3, type 0 with a code and codes beyond the tables give none.
    void decodedTone() {
        const auto decoded = [](int type, int code) {
            RadioImage image = Prepared();
            ChannelRecord r = Channel(1, "27185000");
            EncodeChannelSlot(image, r, 1, 1, 0);
            const int address = ChannelSlotAddress(0, 1, 1);
            image[address + 5] = static_cast<uint8_t>(code);
            image[address + 11] = static_cast<uint8_t>(type << 4);
            RadioData data;
            ChannelTable channels;
            DecodeChannels(image, data, channels);
            return channels.at(0, 1, 1).ToneIndex;
        };
        QCOMPARE(Values(decoded(1, 38), decoded(2, 1), decoded(2, 104), decoded(3, 5),
                        decoded(0, 7), decoded(1, 39), decoded(2, 105)),
                 "38 39 142 0 0 0 0");
    }

    void dualWatchCopies() {
        RadioData data;
        ChannelTable channels;
        data.ChannelCount(0, 3) = 3;
        channels.at(0, 1, 3) = Channel(12, "27185000");
        channels.at(0, 2, 3) = Channel(9, "27195000", 0);
        channels.at(0, 3, 3) = Channel(7, "27205000", 1);
        data.Options.DwChannel(0, 3, 0) = 7;
        data.Options.DwChannel(0, 3, 1) = 9;
        // Damaged records elsewhere must neither crash nor reach the copy slots.
        data.ChannelCount(1, 1) = 200;
        channels.at(1, 1, 1) = Channel(47, "27185000");
        channels.at(1, 2, 1) = Channel(0, "27185000");

        RadioImage image = Prepared();
        EncodeChannelTable(image, data, channels);
        // Slots 47 and 48 copy the DW channels: scanned as they are, never present.
        QCOMPARE(SlotBytes(image, 0, 3, 47), SlotBytes(image, 0, 3, 7));
        QCOMPARE(SlotBytes(image, 0, 3, 48), SlotBytes(image, 0, 3, 9));
        QCOMPARE(Values(MapBit(image, kPresenceMapBase, 0, 3, 47),
                        MapBit(image, kPresenceMapBase, 0, 3, 48),
                        MapBit(image, kScanMapBase, 0, 3, 47),
                        MapBit(image, kScanMapBase, 0, 3, 48)),
                 "false false true false");
        QCOMPARE(SlotBytes(image, 1, 1, 47), QByteArray(kSlotBytes, char(0xFF)));

        RadioData decoded;
        ChannelTable decodedChannels;
        DecodeChannels(image, decoded, decodedChannels);
        QCOMPARE(decoded.ChannelCount(0, 3), int16_t(3));
        for (int slot = 1; slot <= 3; ++slot) // ascending: 7, 9, 12
            QCOMPARE(decodedChannels.at(0, slot, 3), channels.at(0, 4 - slot, 3));
    }

    void decodeDropsErasedSlotsAndFullGroups() {
        RadioImage image = Prepared();
        for (int slot = 1; slot <= kSlots; ++slot) {
            ChannelRecord r = Channel(slot, slot == 1 ? "" : "28015000");
            EncodeChannelSlot(image, r, slot, 4, 1);
        }
        RadioData data;
        ChannelTable channels;
        data.ChannelCount(1, 4) = 99;
        DecodeChannels(image, data, channels); // counts start again from 0
        QCOMPARE(data.ChannelCount(1, 4), int16_t(kSlots - 1));
        QCOMPARE(channels.at(1, 1, 4).ChannelNumber, int16_t(2));

        data.ChannelCount(1, 4) = kSlots;
        DecodeChannelSlot(image, data, channels, 1, 2, 4);
        QCOMPARE(data.ChannelCount(1, 4), int16_t(kSlots));
    }

    void voltageCode() {
        QCOMPARE(
            Values(VoltageToCode(97), VoltageToCode(168), VoltageToCode(90), VoltageToCode(170)),
            "380 658 352 666");
        // 261.5 and 784.5: ties go to even.
        QCOMPARE(Values(CodeToVoltage(380), CodeToVoltage(658), CodeToVoltage(352),
                        CodeToVoltage(666), CodeToVoltage(1024), CodeToVoltage(3072)),
                 "97 168 90 170 262 784");
    }

    void optionLayout() {
        const RadioImage image = EncodedSample();
        // Valid groups (a bit each; C, F, I of bank 0 and B, E, H of bank 1
        // invalid), then four NUL-padded name bytes a group: bank 0 A ... bank 1 J.
        QCOMPARE(HexAt(image, 0x3C00, 12), "db026d034731000047320000");
        QCOMPARE(HexAt(image, 0x3C4C, 8), "4731390041424344");
        // EMG channels 1 and 2 a group, less one, up to bank 1 J; band and
        // upper nibble + 1, work groups less one, then VOX, channel mode and
        // MEM menu as bits.
        QCOMPARE(HexAt(image, 0x3C54, 6), "001401150216");
        QCOMPARE(HexAt(image, 0x3C78, 8), "1226132731000205");
        // Work channels less one (bank 0 A ... bank 1 J), then DW channels 1
        // and 2 a group less one, then MEM channels from M1.
        QCOMPARE(HexAt(image, 0x3D00, 4), "2c2b2a29");
        QCOMPARE(HexAt(image, 0x3D10, 8), "1c1b1a1901020203");
        QCOMPARE(HexAt(image, 0x3D3A, 10), "1415ffffffff01020304");
        QCOMPARE(HexAt(image, 0x3D50, 5), "05000102ff");
        // Battery max and min codes, SWR max, public mode, mode enable,
        // public switches, public roger, beep, INDIC, MIC, NOG, TOT, SWR and
        // battery protect, scan mode, Fin, colour, reserved, Tx offset, Freq_CH,
        // ASQ level, menu page; the rest up to the RSSI points left alone.
        QCOMPARE(HexAt(image, 0x3F00, 26), "92027c01a00415130301021e203c01"
                                           "010103060050c3010509ff");
        QCOMPARE(HexAt(image, 0x3F2F, 14), "ff0205080b0e1114171a1d2023ff");
        QCOMPARE(HexAt(image, 0x3FF8, 8), "5555555555555555");
    }

    // Bank 0 group E's name bytes as read (NUL as 0, blank as _): ended by NUL
    // or FF, four letters, erased.
    void groupNameDecode() {
        const auto name = [](const QByteArray& bytes) {
            RadioImage image = EncodedSample();
            std::copy(bytes.begin(), bytes.end(), image.begin() + 0x3C04 + 4 * 4);
            RadioData d;
            DecodeOptionBlock(image, d);
            return d.Options.GroupName(0, 5).raw().replace(QChar(0), '0').replace(' ', '_');
        };
        QCOMPARE(Values(name(QByteArray::fromHex("41007879")), name("ABCD"),
                        name(QByteArray::fromHex("4142ff43")),
                        name(QByteArray::fromHex("ffffffff"))),
                 "A0__ ABCD AB0_ 0___");
    }

    void encodeNormalisesAndWraps() {
        RadioData d = SampleData();
        d.Options.GroupName(0, 2).set(QStringLiteral("A") + QChar(0) + "xy");
        d.Options.GroupName(0, 3).set(QStringLiteral("AB  "));
        d.Options.WorkChannel(0, 1) = 0;
        d.Options.WorkChannel(0, 2) = 300;
        d.Options.MemChannel(0, 1) = 40;
        d.Options.BatteryMax = 32000; // beyond the 16-bit code
        d.BandFlag = 7;
        RadioImage image;
        PrepareImage(image);
        EncodeOptionBlock(image, d);
        QCOMPARE(HexAt(image, 0x3C08, 8), "4100000041420000");
        QCOMPARE(d.Options.GroupName(0, 2).raw(), QStringLiteral("A   "));
        QCOMPARE(Values(image[0x3D00], image[0x3D01], image[0x3D40], image[0x3C7C]),
                 Values(0xFF, 299 & 0xFF, 0xFF, 0x31));
        QCOMPARE(HexAt(image, 0x3F00, 2), "ffff");
    }

    // A band byte no bank has keeps the bank usable; what was encoded decodes
    // the same, and what the image lacks is left alone.
    void optionDecode() {
        RadioImage image = EncodedSample();
        RadioData d;
        image[0x3C7C] = 0x07;
        DecodeOptionBlock(image, d);
        QCOMPARE(Values(d.BandFlag, d.Options.UpperNibble), "1 -1");
        image[0x3C7C] = 0x30;
        DecodeOptionBlock(image, d);
        QCOMPARE(d.BandFlag, int16_t(0));

        const RadioData sample = SampleData();
        RadioData decoded;
        decoded.Options.WorkBand = 7; // not in the image: left alone
        decoded.Options.Rtix = -5;
        decoded.Options.Ttix = 9;
        DecodeOptionBlock(EncodedSample(), decoded);
        for (int i = 0; i < int(decoded.Options.GroupName.items.size()); ++i) {
            QCOMPARE(decoded.Options.GroupName.items[i].text(),
                     sample.Options.GroupName.items[i].text());
            decoded.Options.GroupName.items[i] = sample.Options.GroupName.items[i];
        }
        QCOMPARE(Values(decoded.Options.WorkBand, decoded.Options.Rtix, decoded.Options.Ttix),
                 "7 -5 9");
        decoded.Options.WorkBand = decoded.Options.Rtix = decoded.Options.Ttix = 0;
        QVERIFY(decoded.Options == sample.Options);
        QCOMPARE(Values(decoded.BandFlag, decoded.TxOffset, decoded.FreqCh, decoded.AsqLevel),
                 Values(sample.BandFlag, sample.TxOffset, sample.FreqCh, sample.AsqLevel));
        QVERIFY(decoded.RssiPoint == sample.RssiPoint);
    }

    void foreignImages_data() {
        AddRows<ForeignImageRow>(
            {{"built-in defaults", [](RadioImage&) {}, 0},
             {"one damaged slot", [](RadioImage& i) { DamageSlots(i, 1); }, 0},
             {"five damaged slots", [](RadioImage& i) { DamageSlots(i, 5); }, 1},
             {"a group past J", [](RadioImage& i) { i[0x3C03] = 0x07; }, 1},
             {"MIC 0, ASQ level 10", [](RadioImage& i) { i[0x3F0B] = 0, i[0x3F17] = 10; }, 1},
             {"random bytes",
              [](RadioImage& i) {
                  QRandomGenerator rng(27);
                  std::generate(i.begin(), i.end(), [&] { return uint8_t(rng.bounded(256)); });
              },
              3}});
    }

    void foreignImages() {
        QFETCH(ForeignImageRow, row);
        RadioModel m;
        InitialiseData(m, QStringLiteral("/nonexistent"));
        PrepareImage(m.image);
        EncodeImage(m);
        row.change(m.image);
        QCOMPARE(ForeignImageReasons(m.image, Catalogue()).size(), row.reasons);
    }

    void toneLayoutAndRoundTrip() {
        // Tone n loops n times after an interval of 10 + n; element k has
        // frequency code 16n + k and duration code 100 + 8n + k.
        ToneTable tones;
        for (int n = 1; n <= kToneCount; ++n) {
            tones[n].LoopCount = static_cast<int16_t>(n);
            tones[n].IntervalCode = static_cast<int16_t>(10 + n);
            for (int k = 0; k < kToneElements; ++k)
                tones[n].Element[k] = {int16_t(16 * n + k), int16_t(100 + 8 * n + k)};
        }
        RadioImage image;
        image.fill(0xAB);
        EncodeToneBlock(tones, image);
        // Two tones of 30 bytes in each 64: loops, interval, frequencies,
        // lengths; four bytes left alone.
        QCOMPARE(HexAt(image, 0x3E1E, 34), "020c202122232425262728292a2b2c2d"
                                           "7475767778797a7b7c7d7e7f8081abababab");
        QCOMPARE(Values(image[0x3EDE], image[0x3EFB], image[0x3DFF], image[0x3F00]),
                 "8 177 171 171");
        for (int unused = 0x3E7C; unused < 0x3F00; unused += unused % 64 == 63 ? 61 : 1)
            QCOMPARE(int(image[unused]), 0xAB);
        ToneTable decoded;
        DecodeToneBlock(image, decoded);
        QVERIFY(decoded == tones);
    }
};

QTEST_GUILESS_MAIN(TestImageBlocks)
#include "test_image_blocks.moc"
