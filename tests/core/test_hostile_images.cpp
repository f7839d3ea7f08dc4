// Random images and random models through the codecs: nothing may crash or
// reach outside its tables, decoded data obeys its ranges, and a decoded
// image encodes to one that decodes the same.

#include "core/codec/channel_slot_codec.h"
#include "core/codec/option_block_codec.h"
#include "core/codec/tone_block_codec.h"
#include "core/model/freq_text.h"
#include "core/model/radio_image.h"

#include <QRandomGenerator>
#include <QTest>
#include <cstring>
#include <type_traits>

namespace {

constexpr int kRuns = 200;

template <typename T> void FillRandom(T& value, QRandomGenerator& random) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::array<char, sizeof(T)> bytes;
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    std::memcpy(static_cast<void*>(&value), bytes.data(), sizeof(T));
}

void Decode(const RadioImage& image, RadioData& data, ChannelTable& channels) {
    DecodeOptionBlock(image, data);
    DecodeChannels(image, data, channels);
    DecodeToneBlock(image, data.Tones);
}

RadioImage Encode(RadioData& data, ChannelTable& channels) {
    RadioImage image;
    PrepareImage(image);
    EncodeChannelTable(image, data, channels);
    EncodeOptionBlock(image, data);
    EncodeToneBlock(data.Tones, image);
    return image;
}

void CheckDecoded(const RadioData& data, const ChannelTable& channels) {
    QVERIFY(data.BandFlag == 0 || data.BandFlag == 1);
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const int count = data.ChannelCount(bank, group);
            QVERIFY(count >= 0 && count <= kSlots);
            for (int slot = 1; slot <= count; ++slot) {
                const ChannelRecord& r = channels.at(bank, slot, group);
                QVERIFY(r.ToneIndex >= 0 && r.ToneIndex <= 142);
                QVERIFY(IsFreqDigits(r.RxFreq.text()) && r.RxFreq.text().size() == 8);
                QVERIFY(slot == 1 ||
                        r.ChannelNumber > channels.at(bank, slot - 1, group).ChannelNumber);
            }
        }
    }
}

} // namespace

class TestHostileImages : public QObject {
    Q_OBJECT
private slots:
    void randomImagesDecodeStably() {
        for (int run = 0; run < kRuns; ++run) {
            QRandomGenerator random(run + 1);
            RadioImage image;
            FillRandom(image, random);
            RadioData first;
            ChannelTable firstChannels;
            Decode(image, first, firstChannels);
            CheckDecoded(first, firstChannels);

            RadioData second;
            ChannelTable secondChannels;
            Decode(Encode(first, firstChannels), second, secondChannels);
            // Names are compared as text: encoding drops trailing blanks.
            for (int i = 0; i < int(first.Options.GroupName.items.size()); ++i) {
                QCOMPARE(second.Options.GroupName.items[i].text(),
                         first.Options.GroupName.items[i].text());
                second.Options.GroupName.items[i] = first.Options.GroupName.items[i];
            }
            QVERIFY2(second == first, qPrintable(QStringLiteral("seed %1").arg(run + 1)));
            for (int bank = 0; bank < kBanks; ++bank)
                for (int group = 1; group <= kGroups; ++group)
                    for (int slot = 1; slot <= first.ChannelCount(bank, group); ++slot)
                        QVERIFY(secondChannels.at(bank, slot, group) ==
                                firstChannels.at(bank, slot, group));
        }
    }

    void randomModelsEncodeSafely() {
        for (int run = 0; run < kRuns; ++run) {
            QRandomGenerator random(1000 + run);
            RadioData data;
            ChannelTable channels;
            FillRandom(data, random);
            FillRandom(channels, random);
            const RadioImage image = Encode(data, channels);
            for (int address = kEndMarkerStart; address < kImageSize; ++address)
                QCOMPARE(int(image[address]), 0x55);
            RadioData decoded;
            ChannelTable decodedChannels;
            Decode(image, decoded, decodedChannels);
            CheckDecoded(decoded, decodedChannels);
        }
    }
};

QTEST_GUILESS_MAIN(TestHostileImages)
#include "test_hostile_images.moc"
