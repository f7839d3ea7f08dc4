// Channel slots and bitmaps of the image: byte layout, tone and dual-watch
// encoding, and what a decode keeps or drops.

#include "core/codec/channel_slot_codec.h"
#include "support/rows.h"
#include "support/values.h"

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

struct DecodedToneRow {
    const char* name;
    int type, code, toneIndex;
};

} // namespace

class TestChannelSlots : public QObject {
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
        QVERIFY(MapBit(image, kPresenceMapBase, 1, 2, 5));
        QVERIFY(MapBit(image, kScanMapBase, 1, 2, 5));
        QCOMPARE(r.RxFreq.text().size(), 8); // normalised and stored back

        RadioData data;
        ChannelTable channels;
        DecodeChannelSlot(image, data, channels, 1, 5, 2);
        QCOMPARE(data.ChannelCount(1, 2), int16_t(decodedTone < 0 ? 0 : 1));
        if (decodedTone >= 0) {
            r.ToneIndex = static_cast<int16_t>(decodedTone);
            QCOMPARE(channels.at(1, 1, 2), r);
        }
    }

    void decodedTone_data() {
        AddRows<DecodedToneRow>({{"CTCSS 38", 1, 38, 38},
                                 {"DCS 1", 2, 1, 39},
                                 {"DCS 104", 2, 104, 142},
                                 {"type 3", 3, 5, 0},
                                 {"type 0 with a code", 0, 7, 0},
                                 {"CTCSS beyond the table", 1, 39, 0},
                                 {"DCS beyond the table", 2, 105, 0}});
    }

    void decodedTone() {
        QFETCH(DecodedToneRow, row);
        auto [rowName, type, code, toneIndex] = row;
        RadioImage image = Prepared();
        ChannelRecord r = Channel(1, "27185000");
        EncodeChannelSlot(image, r, 1, 1, 0);
        const int address = ChannelSlotAddress(0, 1, 1);
        image[address + 5] = static_cast<uint8_t>(code);
        image[address + 11] = static_cast<uint8_t>(type << 4);
        RadioData data;
        ChannelTable channels;
        DecodeChannels(image, data, channels);
        QCOMPARE(int(channels.at(0, 1, 1).ToneIndex), toneIndex);
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
};

QTEST_GUILESS_MAIN(TestChannelSlots)
#include "test_channel_slots.moc"
