// The working model: defaults, snapshot, modified test, helpers and the
// image round trip.

#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

const QDate kToday(2026, 12, 6);

RadioModel DefaultModel() {
    RadioModel m;
    InitialiseData(m, QStringLiteral("/nonexistent/Init"), kToday);
    return m;
}

struct BandLimitsRow {
    const char* name;
    QString text;
    double low, high;
};

struct ModifiedRow {
    const char* name;
    std::function<void(RadioModel&)> change;
    bool modified;
};

} // namespace

class TestRadioModel : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutInitialFile() {
        const RadioModel m = DefaultModel();
        for (int v = 0; v < kBanks; ++v) {
            for (int g = 1; g <= kGroups; ++g) {
                QCOMPARE(m.radio.ChannelCount(v, g), int16_t(7));
                const QList<int> expected{41, 42, 43, 44, 45, 46, 1};
                for (int s = 1; s <= 7; ++s)
                    QCOMPARE(int(m.channels.at(v, s, g).ChannelNumber), expected[s - 1]);
            }
        }
        QVERIFY(!m.IsModified());
        QVERIFY(m.IsUntitled);
        QCOMPARE(m.CurrentFileName, QStringLiteral("new.dat"));
    }

    void defaultValues() {
        const RadioModel m = DefaultModel();
        const ChannelRecord& c3 = m.channels.at(1, 7, 3); // channel 1 of group C
        // receive and transmit digits, tone, NB/ANL, scan
        QCOMPARE(Values(c3.RxFreq.raw(), c3.TxFreq.raw(), c3.ToneIndex, c3.NbAnl, c3.ScanFlag),
                 "28115000 28115000 8 1 1");
        QCOMPARE(m.channels.at(0, 2, 1).RxFreq.text(), QStringLiteral("28145000"));
        const RadioData& d = m.radio;
        const OptionRecord& o = d.Options;
        QCOMPARE(o.GroupName(1, 10).raw(), QStringLiteral("J") + QChar(0) + "  ");
        // M channel of bank 0 group D, battery limits, public mode, Tx offset, an RSSI point
        QCOMPARE(Values(o.MemChannel(0, 4), o.BatteryMin, o.BatteryMax, o.PublicMode, d.TxOffset,
                        d.RssiPoint[7]),
                 "41 97 168 1 100 5");
        const RadioIdentity& id = d.Identity;
        QCOMPARE(Values(id.IdentityDate.text(), id.IdentityModelCode.text(), id.IdentityWord,
                        id.IdentityMark),
                 "20261206 PK2323 248 67");
        // tone 1 element 6, tone 2 element 13, tone 4 elements 4 and 5: frequency and length
        const auto& t = d.Tones;
        QCOMPARE(Values(t[1].Element[6].FreqCode, t[1].Element[6].DurCode,
                        t[2].Element[13].FreqCode, t[2].Element[13].DurCode,
                        t[4].Element[4].FreqCode, t[4].Element[4].DurCode, t[4].Element[5].FreqCode,
                        t[4].Element[5].DurCode, t[6].LoopCount),
                 "210 10 0 4 192 6 0 0 0");
    }

    void helpers() {
        QCOMPARE(GroupLetter(0), QStringLiteral("A"));
        QCOMPARE(GroupLetter(10), QStringLiteral("J"));
        QCOMPARE(GroupLetter(11), QStringLiteral("MEM"));
        QCOMPARE(GroupLetter(12), QStringLiteral("A"));
        QCOMPARE(GroupIndex("MEM"), 11);
        QCOMPARE(GroupIndex("J"), 10);
        QCOMPARE(GroupIndex("K"), 0);
        QCOMPARE(GroupIndex("a"), 0);
        QCOMPARE(BandFlagOf(""), 1);
        QCOMPARE(BandFlagOf("25.6150 - 30.1050 MHz"), 0);
        QCOMPARE(BandTextOf(5), QStringLiteral("28.0000 - 29.6990 MHz"));
        QCOMPARE(BandTextOf(0), QStringLiteral("25.6150 - 30.1050 MHz"));
        QCOMPARE(TrimText(QStringLiteral("AB") + QChar(0) + "xy  "), QStringLiteral("AB"));
        QCOMPARE(TrimText("  AB  "), QStringLiteral("  AB"));
        QCOMPARE(FileNameOf("C:\\data\\radio.dat"), QStringLiteral("radio.dat"));
        QCOMPARE(FileNameOf("/home/u/radio.dat"), QStringLiteral("radio.dat"));
        QCOMPARE(FileNameOf("new.dat"), QStringLiteral("new.dat"));
    }

    void bandLimits_data() {
        AddRows<BandLimitsRow>({{"HF", "28.0000 - 29.6990 MHz", 28.0, 29.699},
                                {"CB", "25.6150 - 30.1050 MHz", 25.615, 30.105},
                                {"no dash", "abc", 100.0, 500.0},
                                {"bad low", "x - 29.5 MHz", 100.0, 29.5},
                                {"bad high", "28 - y MHz", 28.0, 500.0}});
    }

    void bandLimits() {
        QFETCH(BandLimitsRow, row);
        auto [rowName, text, low, high] = row;
        const BandLimits limits = ParseBandLimits(text);
        QCOMPARE(limits.lowMHz, low);
        QCOMPARE(limits.highMHz, high);
    }

    void modifiedTest_data() {
        using M = RadioModel&;
        auto first = [](M m) -> ChannelRecord& { return m.channels.at(0, 1, 2); };
        AddRows<ModifiedRow>(
            {{"reorder two channels", [&](M m) { std::swap(first(m), m.channels.at(0, 7, 2)); },
              false},
             {"receive frequency", [&](M m) { first(m).RxFreq.set("28500000"); }, true},
             {"roger tone of a channel", [&](M m) { first(m).Roger = 3; }, true},
             {"transmit frequency (no editing path)", [&](M m) { first(m).TxFreq.set("29"); },
              false},
             {"transmit tone", [&](M m) { first(m).TxToneIndex = 12; }, true},
             {"frequency padded by a write",
              [&](M m) {
                  first(m).RxFreq.set("281");
                  m.CommitToSnapshot();
                  first(m).RxFreq.set("28100000");
              },
              false},
             {"renumbered channel", [&](M m) { first(m).ChannelNumber = 40; }, true},
             {"public roger", [](M m) { m.radio.Options.PublicRoger = 2; }, true},
             {"hidden Rtix", [](M m) { m.radio.Options.Rtix = 50; }, false},
             {"tone length", [](M m) { m.radio.Tones[8].Element[13].DurCode = 1; }, true},
             {"channel added", [](M m) { m.AppendChannel(5, 1, 10, "28.5"); }, true},
             {"channel count alone", [](M m) { --m.radio.ChannelCount(0, 3); }, true},
             {"identity date", [](M m) { m.radio.Identity.IdentityDate.set("19990101"); }, true},
             {"RSSI point", [](M m) { m.radio.RssiPoint[0] = 1; }, true},
             {"group name", [](M m) { m.radio.Options.GroupName(1, 9).set("XY"); }, true},
             {"bank in force", [](M m) { m.radio.BandFlag = 1; }, true},
             {"view memory only",
              [](M m) {
                  m.radio.CurrentGroup[1] = 11;
                  m.radio.LastRow(0, 3) = 40;
              },
              false},
             {"encoding for a write",
              [](M m) {
                  PrepareImage(m.image);
                  EncodeImage(m);
              },
              false}});
    }

    void modifiedTest() {
        QFETCH(ModifiedRow, row);
        RadioModel m = DefaultModel();
        row.change(m);
        QCOMPARE(m.IsModified(), row.modified);
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
        QCOMPARE(m.FindSlot(40, 0, 5), 46);
        QCOMPARE(m.FindSlot(1, 0, 5), 7);
        QCOMPARE(m.FindSlot(39, 1, 5), 0);
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
        QCOMPARE(m.BandText, QStringLiteral("28.0000 - 29.6990 MHz"));
        QCOMPARE(m.FirmwareVersion, QStringLiteral("V100"));
        QVERIFY(!m.IsModified());
        QVERIFY(m.IsUntitled);

        // A companion that is too short keeps the built-in values.
        QFile::resize(dir.filePath("1_PK2323_New.fre"), 100);
        RadioModel fallback;
        InitialiseData(fallback, dir.path(), kToday);
        QCOMPARE(fallback.radio.Options.MicGain, int16_t(30));
        QVERIFY(!fallback.IsModified());
    }
};

QTEST_GUILESS_MAIN(TestRadioModel)
#include "test_radio_model.moc"
