// The data file pair: the byte layout of its records, open checks and their
// messages, the version gate, backups, and saves that never leave a broken pair.

#include "core/base/version_table.h"
#include "core/model/data_file.h"
#include "core/model/record_io.h"
#include "core/session/backups.h"
#include "core/session/write_journal.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/rows.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>
#include <sys/stat.h>

namespace {

int I16At(const QByteArray& b, int offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(b[offset]) |
                                (static_cast<uint8_t>(b[offset + 1]) << 8));
}

// A record whose every integer is distinct, so a misplaced field shows.
RadioData NumberedRadioData() {
    RadioData d;
    QByteArray bytes(kRadioDataBytes, 0);
    for (int i = 0; i < kRadioDataBytes; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0x7F);
    bytes.replace(0, 4, "V100");
    bool ok = ReadRadioData(bytes, d);
    Q_ASSERT(ok);
    return d;
}

// Larger than memory: reading such a file whole would fail or take minutes.
constexpr qint64 kHugeFile = qint64(64) << 30;

VersionTable V100Only() {
    VersionTable t;
    t.VersionPairs.append({QStringLiteral("V100"), QStringLiteral("V100")});
    return t;
}

// A saved pair at `path` holding a recognisable change.
void SaveMarkedPair(const QString& path, int micGain) {
    RadioModel m = DefaultModel();
    m.radio.Options.MicGain = static_cast<int16_t>(micGain);
    m.CurrentFileName = path;
    Catalogue c;
    ScriptedPrompter p;
    QVERIFY(SaveDataFile(m, c, p));
    QVERIFY(p.prompts.isEmpty());
}

// A saved pair to damage: the data file, its companion and the data file's bytes.
struct Pair {
    QString data, companion;
    QByteArray bytes;
};

struct OpenRefusalsRow {
    const char* name;
    std::function<void(Pair&)> damage;
    QString message;
    int result;
};

struct CompanionRow {
    const char* name;
    QString data;
    QStringList others; // "name" a data file, "name=text" any other file
    QString companion;
    CompanionUse use;
    QString other;
};

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void radioDataFieldOffsets() {
        RadioData d;
        d.DataVersion.set(QStringLiteral("V100"));
        d.BandFlag = 1;
        d.CurrentGroup = {3, 11};
        d.LastRow(1, 1) = 21;       // second element: bank varies fastest
        d.LastRow(0, 11) = 40;      // element 20 of 22
        d.ChannelCount(1, 10) = 46; // last of 20
        d.Identity.IdentityWord = 248;
        d.Identity.IdentityMark = 67;
        OptionRecord& o = d.Options;
        o.GroupValid(0, 1) = 1;
        o.EmgChannel(1, 1, 1) = 39; // k = 1 starts after the 20 k = 0 values
        o.UpperNibble = 2;
        o.WorkGroup[1] = 9;
        o.WorkChannel(0, 2) = 17;
        o.DwChannel(0, 1, 1) = 33;
        o.MemChannel(1, 10) = 46;
        o.Rtix = -100;
        o.PublicMode = 4;
        o.ModeEnable[4] = 1;
        d.Tones[1].Element[0] = {210, 10};
        d.Tones[2].LoopCount = 5;
        d.Tones[8].IntervalCode = 255;
        d.TxOffset = 0x12345678;
        d.FreqCh = 1;
        d.AsqLevel = 9;
        d.RssiPoint[11] = 35;
        const QByteArray b = WriteRadioData(d);
        QCOMPARE(b.size(), kRadioDataBytes);
        // Version, band, groups, rows, counts and identity.
        QCOMPARE(Values(b.left(4), I16At(b, 4), I16At(b, 8), I16At(b, 12), I16At(b, 10 + 20 * 2),
                        I16At(b, 54 + 19 * 2), I16At(b, 94 + 7), I16At(b, 94 + 32)),
                 "V100 1 11 21 40 46 248 67");
        // Options from 128: GroupValid, EmgChannel, UpperNibble, WorkGroup,
        // WorkChannel, DwChannel, MemChannel, Rtix, PublicMode, ModeEnable.
        const int opt = 128;
        QCOMPARE(Values(I16At(b, opt), I16At(b, opt + 120 + 21 * 2), I16At(b, opt + 200),
                        I16At(b, opt + 206), I16At(b, opt + 214 + 2 * 2),
                        I16At(b, opt + 254 + 20 * 2), I16At(b, opt + 334 + 19 * 2),
                        I16At(b, opt + 374), I16At(b, opt + 374 + 22 * 2),
                        I16At(b, opt + 374 + 27 * 2)),
                 "1 39 2 9 17 33 46 -100 4 1");
        // Tones from 558, 60 bytes each; then TxOffset, FreqCh, AsqLevel, RssiPoint.
        QCOMPARE(Values(I16At(b, 558), I16At(b, 560), I16At(b, 558 + 60 + 56),
                        I16At(b, 558 + 7 * 60 + 58), b.mid(1038, 4).toHex(), I16At(b, 1042),
                        I16At(b, 1044), I16At(b, 1046 + 22)),
                 "210 10 5 255 78563412 1 9 35");
    }

    void channelRecordLayout() {
        ChannelRecord r;
        r.ChannelNumber = 43;
        r.InUse = 1;
        r.ScanFlag = 0;
        r.RxFreq.set(QStringLiteral("271850"));
        r.TxFreq.set(QStringLiteral("28015000"));
        r.Reserved = {-1, 2};
        r.ToneIndex = 142;
        r.TxToneIndex = 7;
        r.Mode = 3;
        r.HiCut = r.Echo = r.Busy = r.Public = 1;
        r.Roger = 5;
        r.Repeater = 2;
        // number, in use, scan, receive and transmit digits, reserved, tone, transmit
        // tone, mode, HI-CUT, NB/ANL, ECHO, +10KHz, BUSY, roger, REP, public.
        QCOMPARE(WriteChannelRecord(r).toHex(),
                 QByteArray("2b0001000000"
                            "3237313835302020"
                            "3238303135303030"
                            "ffff0200"
                            "8e000700030001000000010000000100050002000100"));
    }

    void fixedTextsAndRoundTrips() {
        OptionRecord o;
        auto& name = o.GroupName(0, 1);
        name.set(QStringLiteral("AB"));
        QCOMPARE(name.raw() + name.text(), QStringLiteral("AB  AB"));
        name.set(QStringLiteral("LONGER"));
        QCOMPARE(name.raw(), QStringLiteral("LONG"));
        name.set(QStringLiteral("A") + QChar(0) + QStringLiteral("xy"));
        QCOMPARE(name.text(), QStringLiteral("A"));
        // Round trips, with every byte value in a text; short input is refused
        // and changes nothing.
        FixedText<7> t;
        for (int i = 0; i < 7; ++i)
            t.bytes[i] = static_cast<char>(0xF9 + i);
        RadioData d = NumberedRadioData();
        d.Identity.IdentityModelCode = t;
        const QByteArray bytes = WriteRadioData(d);
        RadioData back;
        QVERIFY(ReadRadioData(bytes, back));
        QVERIFY(back == d && back.Identity.IdentityModelCode.raw() == t.raw());
        QCOMPARE(WriteRadioData(back), bytes);
        QVERIFY(!ReadRadioData(bytes.left(kRadioDataBytes - 1), back));
        QVERIFY(back == d);

        QByteArray raw(kChannelRecordBytes * 2, 0);
        for (char& c : raw)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        ChannelRecord r;
        QVERIFY(ReadChannelRecord(raw, kChannelRecordBytes, r));
        QCOMPARE(WriteChannelRecord(r), raw.mid(kChannelRecordBytes));
        QVERIFY(!ReadChannelRecord(raw.left(95), 48, r));
        QVERIFY(!ReadChannelRecord(raw, -1, r));
    }

    void saveThenOpen() {
        QTemporaryDir dir;
        const QString path = dir.filePath("pair.dat");
        RadioModel saved = DefaultModel();
        saved.radio.BandFlag = 0;
        saved.ApplyBandFlag();
        saved.channels.at(0, 7, 1).RxFreq.set("271850");
        saved.AppendChannel(12, 1, 9, "29.1");
        for (int n = 2; n <= 40; ++n) // a full group
            saved.AppendChannel(n, 0, 4, "27.0");
        saved.radio.ChannelCount(0, 2) = saved.radio.ChannelCount(1, 10) = 0; // no records
        saved.CurrentFileName = path;
        Catalogue c;
        ScriptedPrompter p;
        QVERIFY(SaveDataFile(saved, c, p) && !saved.IsUntitled && !saved.IsModified());
        QCOMPARE(ReadFile(path).size(), kRadioDataBytes);
        // Records by bank, group and slot: CB A slot 1 is M1 on 28.015000, slot 7
        // is channel 1; the last is HF I's added channel 12.
        const QByteArray companion = ReadFile(dir.filePath("pair.fre"));
        QCOMPARE(companion.size(), (140 + 1 + 39 - 14) * kChannelRecordBytes);
        QCOMPARE(Values(int(companion[0]), companion.mid(6, 8), int(companion[6 * 48]),
                        int(companion[companion.size() - 48])),
                 "41 28015000 1 12");
        // A longer companion is valid, however long: only the counted records are read.
        QVERIFY(QFile::resize(dir.filePath("pair.fre"), kHugeFile));

        RadioModel opened = DefaultModel();
        opened.CurrentFileName = path;
        QCOMPARE(OpenDataFile(opened, V100Only(), c, p), OpenResult::Loaded);
        QVERIFY(p.prompts.isEmpty() && !opened.IsModified() && !opened.IsUntitled);
        QCOMPARE(opened.channels.at(0, 7, 1).RxFreq.raw(), QStringLiteral("271850  "));
        QCOMPARE(Values(opened.radio.ChannelCount(1, 9), opened.radio.ChannelCount(0, 4),
                        opened.radio.ChannelCount(0, 2), opened.channels.at(0, 1, 3).ChannelNumber),
                 "8 46 0 41");
        QCOMPARE(opened.BandLowMHz, 25.615);
    }

    void openRefusals_data() {
        // The cause line under the message, which the result tells.
        const QString noVersion =
            "bad.dat: does not begin with a data version (\"V\" and three digits)";
        const auto setMode = [](Pair& f) { // of record 3
            QByteArray records = ReadFile(f.companion);
            records[2 * 48 + 30] = char(300 & 0xFF);
            records[2 * 48 + 31] = char(300 >> 8);
            WriteFile(f.companion, records);
        };
        const int wrong = int(OpenResult::WrongLength), unknown = int(OpenResult::UnknownVersion),
                  failed = int(OpenResult::FileError);
        AddRows<OpenRefusalsRow>({
            {"1072 bytes", [](Pair& f) { WriteFile(f.data, f.bytes + "xx"); },
             "bad.dat: The file has 1072 bytes; a data file has 1070.", wrong},
            {"V1x0", [](Pair& f) { WriteFile(f.data, f.bytes.replace(0, 4, "V1x0")); }, noVersion,
             unknown},
            {"short companion", [](Pair& f) { QFile::resize(f.companion, 139 * 48 + 47); },
             "bad.fre: holds fewer channels than its data file counts", failed},
            {"missing companion", [](Pair& f) { QFile::remove(f.companion); }, "bad.fre: not found",
             failed},
            {"missing data file", [](Pair& f) { QFile::remove(f.data); }, "bad.dat: not found",
             failed},
            {"count above 46", [](Pair& f) { WriteFile(f.data, f.bytes.replace(54, 1, "/")); },
             "bad.dat: a group counts more than 46 channels", failed},
            {"two bytes long", [](Pair& f) { WriteFile(f.data, "V1"); }, noVersion, unknown},
            {"lower-case v", [](Pair& f) { WriteFile(f.data, f.bytes.replace(0, 1, "v")); },
             noVersion, unknown},
            {"64 GiB", [](Pair& f) { QVERIFY(QFile::resize(f.data, kHugeFile)); },
             "bad.dat: The file has 68719476736 bytes; a data file has 1070.", wrong},
            {"a pipe",
             [](Pair& f) {
                 QVERIFY(QFile::remove(f.data) &&
                         mkfifo(QFile::encodeName(f.data).constData(), 0600) == 0);
             },
             "bad.dat: not a regular file", failed},
            {"a device",
             [](Pair& f) { QVERIFY(QFile::remove(f.data) && QFile::link("/dev/zero", f.data)); },
             "bad.dat: not a regular file", failed},
            {"companion is a folder",
             [](Pair& f) { QVERIFY(QFile::remove(f.companion) && QDir().mkdir(f.companion)); },
             "bad.fre: is a folder", failed},
            {"CSV text as companion",
             [](Pair& f) { WriteFile(f.companion, QByteArray("Bank,Group\r\n").repeated(600)); },
             "bad.fre: record 1 holds values no channel can have", failed},
            {"mode 300 in record 3", setMode, "bad.fre: record 3 holds values no channel can have",
             failed},
        });
    }

    void openRefusals() {
        QFETCH(OpenRefusalsRow, row);
        QTemporaryDir dir;
        Pair files{dir.filePath("bad.dat"), dir.filePath("bad.fre"), {}};
        SaveMarkedPair(files.data, 12);
        files.bytes = ReadFile(files.data);
        row.damage(files);
        const QString path = files.data;

        RadioModel m = DefaultModel();
        m.radio.Options.KeyBeep = 0; // unsaved work that must survive
        const RadioData before = m.radio;
        m.CurrentFileName = path;
        Catalogue c;
        ScriptedPrompter p;
        QCOMPARE(int(OpenDataFile(m, V100Only(), c, p)), row.result);
        QCOMPARE(p.texts().size(), 1);
        QCOMPARE(p.texts()[0].section("\r\n", -1), dir.filePath(row.message));
        QCOMPARE(p.prompts.first().buttons, PromptButtons::Ok);
        // A half-read file never becomes the baseline: the change still counts.
        QVERIFY(m.radio == before && m.IsUntitled && m.IsModified());
        const RadioModel fresh = DefaultModel();
        QVERIFY(m.SavedRadioData == fresh.SavedRadioData &&
                m.SavedChannelTable == fresh.SavedChannelTable);
    }

    void incompatibleVersionLaunches() {
        QTemporaryDir dir;
        const QString path = dir.filePath("newer.dat");
        SaveMarkedPair(path, 12);
        QByteArray data = ReadFile(path);
        WriteFile(path, data.replace(0, 4, "V101"));

        for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
            RadioModel m = DefaultModel();
            m.CurrentFileName = path;
            ScriptedPrompter p;
            p.answers << answer;
            QStringList launched;
            QCOMPARE(OpenDataFile(m, V100Only(), Catalogue(), p,
                                  [&](const QString& v) { launched << v; }),
                     OpenResult::IncompatibleVersion);
            QVERIFY(p.prompts.size() == 1 && p.prompts[0].buttons == PromptButtons::YesNo);
            QVERIFY(p.prompts[0].text.endsWith(
                "DataFile version is V1.01\r\nprogramming software is V1.00"));
            QCOMPARE(launched, answer == PromptAnswer::Yes ? QStringList{"V101"} : QStringList{});
            QVERIFY(m.radio == DefaultModel().radio);
        }
    }

    void causeLines() {
        // Where a save goes wrong, and the causes told apart from the system's texts.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("taken.dat"));
        const QString x = dir.filePath("x.dat");
        const struct {
            FileProblem problem;
            QString line;
        } rows[] = {
            {WriteProblem(dir.filePath("no/x.dat"), {}), dir.filePath("no") + ": not found"},
            {WriteProblem(dir.filePath("taken.dat"), {}),
             dir.filePath("taken.dat") + ": is a folder"},
            {WriteProblem(x, QString::fromLocal8Bit(strerror(ENOSPC))), x + ": disk full"},
            {WriteProblem(x, QString::fromLocal8Bit(strerror(EROFS))),
             x + ": read-only file system"},
            {WriteProblem(x, QString::fromLocal8Bit(strerror(EACCES))), x + ": permission denied"},
            {WriteProblem(x, "Input/output error"), x + ": Input/output error"},
            {ReadProblem(x), x + ": not found"},
            {WriteProblem(x, {}), ""},
        };
        for (const auto& [problem, line] : rows)
            QCOMPARE(FileProblemLine(Catalogue(), problem), line);
    }

    void backupsNamedAndPruned() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("backups");
        const QString stem = folder + "/2026-12-07_142501_PK2323";
        RadioModel m = DefaultModel();
        m.ModelCode = QStringLiteral("PK-23/23");
        m.image.fill(0x5A);
        const QDateTime when(QDate(2026, 12, 7), QTime(14, 25, 1));
        QCOMPARE(StoreBackup(m, when, folder).imagePath, stem + ".bin");
        QCOMPARE(StoreBackup(m, when, folder).imagePath, stem + "_2.bin");
        QCOMPARE(ReadFile(stem + ".bin"), QByteArray(kImageSize, 0x5A));
        RadioModel opened = DefaultModel();
        opened.CurrentFileName = stem + "_2.dat";
        ScriptedPrompter p;
        QCOMPARE(OpenDataFile(opened, V100Only(), Catalogue(), p), OpenResult::Loaded);
        QVERIFY(QFile::remove(stem + ".dat"));
        const QList<BackupEntry> listed = ListBackups(folder);
        // Newest first: the second of that second.
        QVERIFY(listed.size() == 2 && listed[0].stem == stem + "_2" && listed[0].when == when &&
                listed[0].model == "PK2323");
        QVERIFY(listed[0].hasData && listed[1].hasImage && !listed[1].hasData);

        // The newest 100 stay; files not named like a backup are never touched.
        for (int i = 0; i < 101; ++i)
            QVERIFY(WriteFile(
                folder + QStringLiteral("/2025-01-01_%1_X.bin").arg(i, 6, 10, QChar('0')), "x"));
        QVERIFY(WriteFile(folder + "/notes.txt", "keep"));
        QVERIFY(WriteFile(folder + "/2025-01-01_000000_X.txt", "keep"));
        PruneBackups(folder);
        const QStringList left = QDir(folder).entryList(QDir::Files);
        QVERIFY(!left.contains("2025-01-01_000002_X.bin") &&
                left.contains("2025-01-01_000003_X.bin"));
        QVERIFY(left.contains("2026-12-07_142501_PK2323_2.fre"));
        QVERIFY(left.contains("notes.txt") && left.contains("2025-01-01_000000_X.txt"));
        QCOMPARE(left.size(), 98 + 3 + 2 + 2);
        QCOMPARE(ListBackups(folder).size(), 100);

        // A folder that cannot be made is a problem to report, not a crash.
        QVERIFY(WriteFile(dir.filePath("file"), "x"));
        const BackupResult failed = StoreBackup(m, when, dir.filePath("file/backups"));
        QVERIFY(failed.imagePath.isEmpty() && failed.problem.known());
    }

    void journalKeepsTheNewestEntries() {
        // Entries opened one after another, one of them closed: the newest
        // open one is told, the last 20 stay, and each keeps its own image.
        QTemporaryDir dir;
        WriteJournal journal(dir.filePath("journal"));
        const QDateTime start(QDate(2026, 12, 7), QTime(14, 25));
        QStringList ids;
        for (int i = 0; i < 22; ++i) {
            RadioImage image;
            image.fill(static_cast<uint8_t>(i));
            const QDateTime when = start.addSecs(std::max(0, i - 1)); // 0 and 1 at once
            ids << journal.Open({"COM1", "PK2323", QStringLiteral("%1.dat").arg(i), when, {}, {}},
                                image);
        }
        QCOMPARE(ids.at(1), ids.at(0) + "_0002"); // the same millisecond
        journal.Close(ids.last());
        const std::optional<JournalEntry> open = journal.LastOpen();
        QVERIFY(open && open->source == "20.dat" && open->started == start.addSecs(19));
        QCOMPARE(ReadFile(open->imagePath), QByteArray(kImageSize, char(20)));
        QCOMPARE(QDir(dir.filePath("journal")).entryList({"*.json"}).size(), WriteJournal::kKept);
        QVERIFY(!QFile::exists(dir.filePath("journal/" + ids.at(1) + ".bin")));
        QCOMPARE(UnfinishedWriteText(*open, Catalogue()),
                 "The write of 20.dat into the radio on COM1, started 2026-12-07 14:25, did not "
                 "finish. The radio may be partly written.");
        // A folder that cannot be made records nothing, and says why.
        QVERIFY(WriteFile(dir.filePath("file"), "x"));
        FileProblem problem;
        QVERIFY(WriteJournal(dir.filePath("file/journal")).Open({}, {}, &problem).isEmpty() &&
                problem.known());
    }

    void companionOwnership_data() {
        const auto own = CompanionUse::Own, shared = CompanionUse::Shared;
        AddRows<CompanionRow>(
            {{"alone", "ab.dat", {}, "ab.fre", own, ""},
             {"no extension", "abcdef", {"abcfre=x", "abcdef.csv=x"}, "abcfre", own, ""},
             {"another case of .dat", "plan.dat", {"plan.DAT"}, "plan.fre", shared, "plan.DAT"},
             {"a copy, other extension",
              "radio.old",
              {"radio.dat"},
              "radio.fre",
              shared,
              "radio.dat"},
             {"a plan beside it", "plan.dat", {"plan.csv=Bank", "plan.bin=x"}, "plan.fre", own, ""},
             {"too short for a companion", "s/ab", {}, "sfre", CompanionUse::OutsideFolder, ""}});
    }

    void companionOwnership() {
        // The naming rule and whether a companion is the data file's own.
        QFETCH(CompanionRow, row);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("s");
        for (const QString& other : row.others) {
            if (other.contains('='))
                WriteFile(dir.filePath(other.section('=', 0, 0)), other.section('=', 1).toUtf8());
            else
                SaveMarkedPair(dir.filePath(other), 5);
        }
        const QString data = dir.filePath(row.data);
        const CompanionCheck check = CheckCompanion(data);
        QCOMPARE(CompanionPathOf(data), dir.filePath(row.companion));
        QCOMPARE(check.use, row.use);
        QCOMPARE(check.other, row.other.isEmpty() ? QString() : dir.filePath(row.other));
    }

    void sharedCompanionIsNeverWritten() {
        // radio.old, a copy of radio.dat, reads radio.fre: it opens untitled
        // after saying so, and no save goes through that companion.
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.dat");
        SaveMarkedPair(path, 12);
        QVERIFY(QFile::copy(path, dir.filePath("radio.old")));
        const QByteArray companion = ReadFile(dir.filePath("radio.fre"));
        RadioModel m = DefaultModel();
        m.CurrentFileName = dir.filePath("radio.old");
        Catalogue c;
        ScriptedPrompter p;
        QCOMPARE(OpenDataFile(m, V100Only(), c, p), OpenResult::Loaded);
        QVERIFY(m.IsUntitled && m.radio.Options.MicGain == 12);
        QVERIFY(p.texts().size() == 1 && p.texts()[0].contains("may be those of \"" + path));
        m.radio.Options.MicGain = 4;
        for (const char* name : {"radio.old", "radio.DAT"}) {
            m.CurrentFileName = dir.filePath(name);
            QVERIFY(!SaveDataFile(m, c, p));
            QVERIFY(p.texts().last().endsWith("Choose another name."));
            QVERIFY(m.IsModified());
        }
        QCOMPARE(ReadFile(dir.filePath("radio.fre")), companion);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestDataFile)
#include "test_data_file.moc"
