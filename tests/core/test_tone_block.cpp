// Roger-beep tones: their place in the image and the rule of defined tones.

#include "core/codec/tone_block_codec.h"
#include "core/editing/tone_rules.h"
#include "core/model/radio_image.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTest>

namespace {

struct ValidRogerToneRow {
    const char* name;
    int loops, lengthAt, n, valid;
};

} // namespace

class TestToneBlock : public QObject {
    Q_OBJECT
private slots:
    void layoutAndRoundTrip() {
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
        for (const int n : {2, 5})
            data.Tones[n] = {{{{210, 10}}}, 1, 0};
        QCOMPARE(CountRogerTones(data.Tones), 2);
        data.ChannelCount(1, 10) = 3;
        data.ChannelCount(0, 1) = -4; // damaged: nothing in use
        data.Options.PublicRoger = 1;
        const int rogers[] = {1, 2, 200, 1}; // the fourth not in use
        for (int slot = 1; slot <= 4; ++slot)
            channels.at(1, slot, 10).Roger = static_cast<int16_t>(rogers[slot - 1]);
        channels.at(0, 1, 1).Roger = 1;
        RevalidateRogerTones(data, channels);
        QCOMPARE(Values(channels.at(1, 1, 10).Roger, channels.at(1, 2, 10).Roger,
                        channels.at(1, 3, 10).Roger, channels.at(1, 4, 10).Roger,
                        channels.at(0, 1, 1).Roger, data.Options.PublicRoger),
                 "0 2 0 1 1 0");
    }
};

QTEST_GUILESS_MAIN(TestToneBlock)
#include "test_tone_block.moc"
