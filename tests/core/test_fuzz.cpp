// Hostile input: thousands of random and mutated data files and memory
// images go through open, decode and encode. Nothing may crash or read out
// of bounds (the sanitizer build checks that); the model stays usable.

#include "core/base/version_table.h"
#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "core/model/record_io.h"
#include "core/text/catalogue.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int kRounds = 1500;

QByteArray RandomBytes(QRandomGenerator& rng, qsizetype size) {
    QByteArray b(size, Qt::Uninitialized);
    for (char& c : b)
        c = static_cast<char>(rng.bounded(256));
    return b;
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

bool ModelIsSane(const RadioModel& m) {
    for (int16_t count : m.radio.ChannelCount.items)
        if (count < 0 || count > kSlots)
            return false;
    return m.radio.BandFlag == 0 || m.radio.BandFlag == 1;
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT
private slots:
    void hostileDataFiles() {
        QRandomGenerator rng(20261206);
        QTemporaryDir dir;
        const QString path = dir.filePath("fuzz.dat");
        RadioModel valid;
        InitialiseData(valid, QStringLiteral("/nonexistent"));
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

            RadioModel m;
            InitialiseData(m, QStringLiteral("/nonexistent"));
            m.CurrentFileName = path;
            ScriptedPrompter prompter;
            prompter.defaultAnswer = PromptAnswer::No;
            const OpenResult result = OpenDataFile(m, versions, catalogue, prompter);
            QVERIFY(ModelIsSane(m));
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
        RadioModel source;
        InitialiseData(source, QStringLiteral("/nonexistent"));
        for (int g = 1; g <= kGroups; ++g)
            for (int n = 2; n <= 40; n += 3)
                source.AppendChannel(n, g % 2, g, QStringLiteral("28.5"));
        PrepareImage(source.image);
        EncodeImage(source);

        for (int round = 0; round < kRounds; ++round) {
            RadioModel m;
            InitialiseData(m, QStringLiteral("/nonexistent"));
            if (round % 3 == 0) {
                for (uint8_t& b : m.image)
                    b = static_cast<uint8_t>(rng.bounded(256));
            } else {
                m.image = source.image;
                QByteArray bytes(reinterpret_cast<const char*>(m.image.data()), kImageSize);
                Mutate(rng, bytes, 1 + rng.bounded(round % 3 == 1 ? 20 : 400));
                std::copy(bytes.begin(), bytes.end(), m.image.begin());
            }
            CompleteRead(m);
            QVERIFY(ModelIsSane(m));
            // Whatever was decoded encodes, and decodes again to the same channels.
            PrepareImage(m.image);
            EncodeImage(m);
            RadioModel again;
            again.image = m.image;
            CompleteRead(again);
            QVERIFY(again.radio.ChannelCount == m.radio.ChannelCount);
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzz)
#include "test_fuzz.moc"
