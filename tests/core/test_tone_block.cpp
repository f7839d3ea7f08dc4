// Roger-beep tones: their place in the image and the rule of defined tones.

#include "core/codec/tone_block_codec.h"
#include "core/editing/tone_rules.h"
#include "core/model/radio_image.h"
#include "support/rows.h"

#include <QTest>

namespace {

// Tone n loops n times after an interval of 10 + n; element k has frequency
// code 16n + k and duration code 100 + 8n + k.
ToneTable NumberedTones() {
    ToneTable tones;
    for (int n = 1; n <= kToneCount; ++n) {
        tones[n].LoopCount = static_cast<int16_t>(n);
        tones[n].IntervalCode = static_cast<int16_t>(10 + n);
        for (int k = 0; k < kToneElements; ++k)
            tones[n].Element[k] = {int16_t(16 * n + k), int16_t(100 + 8 * n + k)};
    }
    return tones;
}

ToneTable TonesDefined(std::initializer_list<int> defined) {
    ToneTable tones;
    for (const int n : defined)
        tones[n] = {{{{210, 10}}}, 1, 0};
    return tones;
}

struct ValidRogerToneRow {
    const char* name;
    int loops, lengthAt, n, valid;
};

} // namespace

class TestToneBlock : public QObject {
    Q_OBJECT
private slots:
    void secondToneLayout() {
        RadioImage image;
        image.fill(0xAB);
        EncodeToneBlock(NumberedTones(), image);
        QCOMPARE(int(image[0x3E1E]), 2);
        QCOMPARE(int(image[0x3E1F]), 12);
        for (int k = 0; k < kToneElements; ++k) {
            QCOMPARE(int(image[0x3E20 + k]), 32 + k);
            QCOMPARE(int(image[0x3E2E + k]), 116 + k);
        }
        QCOMPARE(int(image[0x3EDE]), 8); // tone 8
        QCOMPARE(int(image[0x3EFB]), 100 + 64 + 13);
        for (int block = 0x3E00; block < 0x3F00; block += 64) {
            for (int unused = block + 60; unused < block + 64; ++unused)
                QCOMPARE(int(image[unused]), 0xAB);
        }
        QCOMPARE(int(image[0x3DFF]), 0xAB);
        QCOMPARE(int(image[0x3F00]), 0xAB);
    }

    void roundTrip() {
        RadioImage image;
        PrepareImage(image);
        EncodeToneBlock(NumberedTones(), image);
        ToneTable decoded;
        DecodeToneBlock(image, decoded);
        QVERIFY(decoded == NumberedTones());
    }

    void validRogerTone_data() {
        AddRows<ValidRogerToneRow>({{"defined", 1, 0, 3, 3},
                                    {"only the last element sounds", 10, 13, 8, 8},
                                    {"no loop", 0, 0, 3, 0},
                                    {"no length", 1, -1, 3, 0},
                                    {"tone 0", 1, 0, 0, 0},
                                    {"tone 9", 1, 0, 9, 0},
                                    {"negative tone", 1, 0, -1, 0}});
    }

    void validRogerTone() {
        QFETCH(ValidRogerToneRow, row);
        auto [rowName, loops, lengthAt, n, valid] = row;
        ToneTable tones;
        for (int t = 1; t <= kToneCount; ++t) {
            tones[t].LoopCount = static_cast<int16_t>(loops);
            if (lengthAt >= 0)
                tones[t].Element[lengthAt].DurCode = 1;
        }
        QCOMPARE(ValidRogerTone(tones, n), valid);
    }

    void undefinedTonesSwitchOffTheirUsers() {
        RadioData data;
        ChannelTable channels;
        data.Tones = TonesDefined({2, 5});
        QCOMPARE(CountRogerTones(data.Tones), 2);
        data.ChannelCount(1, 10) = 3;
        data.ChannelCount(0, 1) = -4; // damaged: nothing in use
        channels.at(1, 1, 10).Roger = 1;
        channels.at(1, 2, 10).Roger = 2;
        channels.at(1, 3, 10).Roger = 200;
        channels.at(1, 4, 10).Roger = 1; // not in use
        channels.at(0, 1, 1).Roger = 1;
        data.Options.PublicRoger = 1;
        RevalidateRogerTones(data, channels);
        QCOMPARE(channels.at(1, 1, 10).Roger, int16_t(0));
        QCOMPARE(channels.at(1, 2, 10).Roger, int16_t(2));
        QCOMPARE(channels.at(1, 3, 10).Roger, int16_t(0));
        QCOMPARE(channels.at(1, 4, 10).Roger, int16_t(1));
        QCOMPARE(channels.at(0, 1, 1).Roger, int16_t(1));
        QCOMPARE(data.Options.PublicRoger, int16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestToneBlock)
#include "test_tone_block.moc"
