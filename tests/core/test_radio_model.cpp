// The working model: snapshot, modified test, what a comparison names,
// helpers and the initial file.

#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/session/config_compare.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const QDate kToday(2026, 12, 6);

struct ChangeRow {
    const char* name;
    std::function<void(RadioModel&)> change;
    bool modified; // the data counts as changed since the snapshot
    int compared;  // lines a comparison with the data before gives
};

} // namespace

class TestRadioModel : public QObject {
    Q_OBJECT
private slots:
    void helpers() {
        QCOMPARE(Values(GroupLetter(0), GroupLetter(10), GroupLetter(11), GroupLetter(12)),
                 "A J MEM A");
        QCOMPARE(Values(GroupIndex("MEM"), GroupIndex("J"), GroupIndex("K"), GroupIndex("a")),
                 "11 10 0 0");
        QCOMPARE(Values(BandFlagOf(""), BandFlagOf(BandTextOf(0)), BandFlagOf(BandTextOf(1))),
                 "1 0 1");
        QCOMPARE(TrimText(QStringLiteral("  AB") + QChar(0) + "xy  "), QStringLiteral("  AB"));
        QCOMPARE(Values(FileNameOf("C:\\data\\a.dat"), FileNameOf("/home/u/b.dat"),
                        FileNameOf("new.dat")),
                 "a.dat b.dat new.dat");

        // A limit that is not a number falls back to 100 (low) or 500 (high).
        const auto limits = [](const QString& text) {
            const BandLimits l = ParseBandLimits(text);
            return Values(l.lowMHz, l.highMHz);
        };
        QCOMPARE(Values(limits("28.0000 - 29.6990 MHz"), limits("25.6150 - 30.1050 MHz"),
                        limits("abc"), limits("x - 29.5 MHz"), limits("28 - y MHz")),
                 "28 29.699 25.615 30.105 100 500 100 29.5 28 500");
    }

    void changes_data() {
        using M = RadioModel&;
        auto first = [](M m) -> ChannelRecord& { return m.channels.at(0, 1, 2); };
        AddRows<ChangeRow>(
            {{"reorder two channels", [&](M m) { std::swap(first(m), m.channels.at(0, 7, 2)); },
              false, 0},
             {"receive frequency", [&](M m) { first(m).RxFreq.set("28500000"); }, true, 1},
             {"roger tone of a channel", [&](M m) { first(m).Roger = 3; }, true, 1},
             {"transmit frequency (no editing path)", [&](M m) { first(m).TxFreq.set("29"); },
              false, 0},
             {"transmit tone", [&](M m) { first(m).TxToneIndex = 12; }, true, 0},
             {"frequency padded by a write",
              [&](M m) {
                  first(m).RxFreq.set("281");
                  m.CommitToSnapshot();
                  first(m).RxFreq.set("28100000");
              },
              false, 1},
             {"renumbered channel", [&](M m) { first(m).ChannelNumber = 40; }, true, 2},
             {"public roger", [](M m) { m.radio.Options.PublicRoger = 2; }, true, 1},
             {"hidden Rtix", [](M m) { m.radio.Options.Rtix = 50; }, false, 1},
             {"tone length", [](M m) { m.radio.Tones[8].Element[13].DurCode = 1; }, true, 1},
             {"channel added", [](M m) { m.AppendChannel(5, 1, 10, "28.5"); }, true, 1},
             {"channel count alone", [](M m) { --m.radio.ChannelCount(0, 3); }, true, 1},
             {"identity date", [](M m) { m.radio.Identity.IdentityDate.set("19990101"); }, true, 0},
             {"FM/AM RSSI point", [](M m) { m.radio.RssiPoint[0] = 1; }, true, 1},
             {"USB/LSB RSSI point", [](M m) { m.radio.RssiPoint[11] = 1; }, true, 1},
             {"group name", [](M m) { m.radio.Options.GroupName(1, 9).set("XY"); }, true, 1},
             {"bank in force", [](M m) { m.radio.BandFlag = 1; }, true, 1},
             {"view memory only",
              [](M m) {
                  m.radio.CurrentGroup[1] = 11;
                  m.radio.LastRow(0, 3) = 40;
              },
              false, 0},
             {"encoding for a write",
              [](M m) {
                  PrepareImage(m.image);
                  EncodeImage(m);
              },
              false, 0}});
    }

    void changes() {
        QFETCH(ChangeRow, row);
        RadioModel m = DefaultModel();
        const RadioModel before = m;
        row.change(m);
        QCOMPARE(m.IsModified(), row.modified);
        const QStringList lines = CompareConfigs(before, m, Catalogue());
        QVERIFY2(lines.size() == row.compared, qPrintable(lines.join('\n')));
        m.CommitToSnapshot();
        QVERIFY(!m.IsModified());
    }

    void appendRefusesFullGroup() {
        RadioModel m = DefaultModel();
        for (int n = 2; n <= 40; ++n)
            m.AppendChannel(n, 0, 5, "28.1");
        QCOMPARE(m.radio.ChannelCount(0, 5), int16_t(46));
        m.AppendChannel(40, 0, 5, "28.2");
        QCOMPARE(m.radio.ChannelCount(0, 5), int16_t(46));
        QCOMPARE(Values(m.FindSlot(40, 0, 5), m.FindSlot(1, 0, 5), m.FindSlot(39, 1, 5)), "46 7 0");
        m.AppendChannel(3, 2, 1, "28.1");  // no such bank
        m.AppendChannel(3, 0, 11, "28.1"); // the memory view stores nothing
        QCOMPARE(m.radio.ChannelCount(0, 1), int16_t(7));
    }

    void initialFileIsLoaded() {
        QTemporaryDir dir;
        RadioModel source = DefaultModel();
        source.radio.BandFlag = 1;
        source.radio.Options.MicGain = 12;
        source.channels.at(1, 7, 1).RxFreq.set("29123400");
        source.CommitToSnapshot();
        QCOMPARE(WriteDataFilePair(dir.filePath("1_PK2323_New.dat"), source.SavedRadioData,
                                   source.SavedChannelTable),
                 FileStatus::Ok);

        RadioModel m;
        InitialiseData(m, dir.path(), kToday);
        QCOMPARE(m.radio.Options.MicGain, int16_t(12));
        QCOMPARE(m.channels.at(1, 7, 1).RxFreq.text(), QStringLiteral("29123400"));
        QCOMPARE(m.BandText, BandTextOf(1));
        QCOMPARE(m.FirmwareVersion, QStringLiteral("V100"));
        QVERIFY(!m.IsModified());
        QVERIFY(m.IsUntitled);

        // A companion that is too short keeps the built-in values.
        QFile::resize(dir.filePath("1_PK2323_New.fre"), 100);
        RadioModel fallback;
        InitialiseData(fallback, dir.path(), kToday);
        QCOMPARE(fallback.radio.Options.MicGain, DefaultModel().radio.Options.MicGain);
        QVERIFY(!fallback.IsModified());
    }
};

QTEST_GUILESS_MAIN(TestRadioModel)
#include "test_radio_model.moc"
