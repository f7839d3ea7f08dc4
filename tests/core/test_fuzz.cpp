// Hostile input: random and mutated data files, memory images and models go
// through open, decode and encode. Nothing may crash or read out of bounds
// (the sanitizer build checks that), decoded data obeys its ranges, and what
// was decoded encodes to an image that decodes the same.

#include "core/base/version_table.h"
#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/freq_text.h"
#include "core/model/record_io.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

namespace {

constexpr int kRounds = 1500;

QByteArray RandomBytes(QRandomGenerator& rng, qsizetype size) {
    QByteArray b(size, Qt::Uninitialized);
    for (char& c : b)
        c = static_cast<char>(rng.bounded(256));
    return b;
}

template <typename T> void FillRandom(T& value, QRandomGenerator& rng) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(static_cast<void*>(&value), RandomBytes(rng, sizeof(T)).constData(), sizeof(T));
}

// Changes a few bytes, favouring small values and the extremes of a byte.
void Mutate(QRandomGenerator& rng, QByteArray& bytes, int changes) {
    static const int kInteresting[] = {0x00, 0x01, 0x2E, 0x2F, 0x30, 0x7F, 0x80, 0xFE, 0xFF};
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const auto at = rng.bounded(static_cast<int>(bytes.size()));
        bytes[at] =
            static_cast<char>(rng.bounded(2) ? kInteresting[rng.bounded(9)] : rng.bounded(256));
    }
}

// Decoded data keeps its ranges: the bank and its band text, counts, tone
// indexes, frequency digits, and each group's channels in ascending order.
void CheckDecoded(const RadioModel& m) {
    QVERIFY(m.radio.BandFlag == 0 || m.radio.BandFlag == 1);
    QCOMPARE(m.BandText, BandTextOf(m.radio.BandFlag));
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const int count = m.radio.ChannelCount(bank, group);
            QVERIFY(count >= 0 && count <= kSlots);
            for (int slot = 1; slot <= count; ++slot) {
                const ChannelRecord& r = m.channels.at(bank, slot, group);
                QVERIFY(r.ToneIndex >= 0 && r.ToneIndex <= 142);
                QVERIFY(IsFreqDigits(r.RxFreq.text()) && r.RxFreq.text().size() == 8);
                QVERIFY(slot == 1 ||
                        r.ChannelNumber > m.channels.at(bank, slot - 1, group).ChannelNumber);
            }
        }
    }
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT
private slots:
    void hostileDataFiles() {
        QRandomGenerator rng(20261206);
        QTemporaryDir dir;
        const QString path = dir.filePath("fuzz.dat");
        const RadioModel valid = DefaultModel();
        const QByteArray goodData = WriteRadioData(valid.radio);
        const QByteArray goodCompanion = CompanionBytes(valid.radio, valid.channels);
        VersionTable versions;
        versions.VersionPairs.append({QStringLiteral("V100"), QStringLiteral("V100")});
        Catalogue catalogue;
        int loaded = 0;
        for (int round = 0; round < kRounds; ++round) {
            QByteArray data = goodData;
            QByteArray companion = goodCompanion;
            switch (round % 4) {
            case 0: // random bytes of any length
                data = RandomBytes(rng, rng.bounded(1200));
                if (rng.bounded(2))
                    data.replace(0, 4, "V100");
                break;
            case 1: // a valid file with damaged counts or fields
                Mutate(rng, data, 1 + rng.bounded(12));
                data.replace(0, 4, "V100");
                break;
            case 2: // damaged or truncated companion
                Mutate(rng, companion, 1 + rng.bounded(40));
                companion.truncate(rng.bounded(static_cast<int>(companion.size()) + 1));
                break;
            default: // both
                Mutate(rng, data, 4);
                Mutate(rng, companion, 40);
                break;
            }
            WriteFile(path, data);
            WriteFile(CompanionPathOf(path), companion);

            RadioModel m = DefaultModel();
            m.CurrentFileName = path;
            ScriptedPrompter prompter;
            prompter.defaultAnswer = PromptAnswer::No;
            const OpenResult result = OpenDataFile(m, versions, catalogue, prompter);
            QVERIFY(m.radio.BandFlag == 0 || m.radio.BandFlag == 1);
            for (const int16_t count : m.radio.ChannelCount.items)
                QVERIFY(count >= 0 && count <= kSlots);
            if (result == OpenResult::Loaded) {
                ++loaded;
                QVERIFY(!m.IsModified());
                PrepareImage(m.image);
                EncodeImage(m);
            } else {
                QCOMPARE(prompter.prompts.size(), 1);
                QVERIFY(m.IsUntitled);
            }
        }
        QVERIFY(loaded > kRounds / 8); // the mutations must also reach the decoders
    }

    void hostileImages() {
        QRandomGenerator rng(4400);
        RadioModel source = DefaultModel();
        for (int g = 1; g <= kGroups; ++g)
            for (int n = 2; n <= 40; n += 3)
                source.AppendChannel(n, g % 2, g, QStringLiteral("28.5"));
        PrepareImage(source.image);
        EncodeImage(source);

        for (int round = 0; round < kRounds; ++round) {
            RadioModel m = DefaultModel();
            if (round % 3 == 0) {
                FillRandom(m.image, rng);
            } else {
                QByteArray bytes(reinterpret_cast<const char*>(source.image.data()), kImageSize);
                Mutate(rng, bytes, 1 + rng.bounded(round % 3 == 1 ? 20 : 400));
                std::copy(bytes.begin(), bytes.end(), m.image.begin());
            }
            CompleteRead(m);
            CheckDecoded(m);
            // Whatever was decoded encodes, and decodes again to the same data.
            PrepareImage(m.image);
            EncodeImage(m);
            RadioModel again = DefaultModel();
            again.image = m.image;
            CompleteRead(again);
            // Names are compared as text: encoding drops trailing blanks.
            auto& names = again.radio.Options.GroupName.items;
            for (size_t i = 0; i < names.size(); ++i) {
                QCOMPARE(names[i].text(), m.radio.Options.GroupName.items[i].text());
                names[i] = m.radio.Options.GroupName.items[i];
            }
            QVERIFY2(again.radio == m.radio, qPrintable(QString::number(round)));
            for (int bank = 0; bank < kBanks; ++bank)
                for (int group = 1; group <= kGroups; ++group)
                    for (int slot = 1; slot <= m.radio.ChannelCount(bank, group); ++slot)
                        QVERIFY(again.channels.at(bank, slot, group) ==
                                m.channels.at(bank, slot, group));
        }
    }

    void randomModelsEncodeSafely() {
        QRandomGenerator rng(1000);
        for (int run = 0; run < 200; ++run) {
            RadioModel m;
            FillRandom(m.radio, rng);
            FillRandom(m.channels, rng);
            PrepareImage(m.image);
            EncodeImage(m);
            for (int address = kEndMarkerStart; address < kImageSize; ++address)
                QCOMPARE(int(m.image[address]), 0x55);
            CompleteRead(m);
            CheckDecoded(m);
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzz)
#include "test_fuzz.moc"
