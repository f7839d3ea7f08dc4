// The command-line tool as scripts use it: exit statuses, messages, and the
// decode/encode round trip through real files.

#include "core/editing/channel_table_ops.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/cli_process.h"
#include "support/rows.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString InitFile(int band) {
    return QStringLiteral(ZR_PROGRAM_DIR "/Init/%1_PK2323_New.dat").arg(band);
}

struct StatusesRow {
    const char* name;
    QStringList args;
    int status;
    QString message;
    qint64 fileLimit = 0; // a full disk: no file may grow past this
};

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void statuses_data() {
        AddRows<StatusesRow>(
            {{"no arguments", QStringList{}, 64, "usage:"},
             {"unknown command", QStringList{"burn", "x"}, 64, "not a command.\nusage:"},
             {"missing argument", QStringList{"encode", "x.dat"}, 64, "OUT.bin\".\nusage:"},
             {"bad option", QStringList{"show", InitFile(1), "--xml"}, 64,
              "not an option of show."},
             {"no count", QStringList{"group-write", "COM1", "x.dat"}, 64, "needs --count N"},
             {"empty port", QStringList{"read", "", "@out"}, 64, "PORT is empty"},
             {"port is a device", QStringList{"read", "/dev/null", "@out"}, 69,
              "not a serial port"},
             {"port is a folder", QStringList{"read", "@s/", "@out"}, 69, "@s/: is a folder"},
             {"erased image decoded", QStringList{"decode", "@image.bin", "@e"}, 0, "warning: The"},
             {"missing input", QStringList{"show", "/nonexistent/x.dat"}, 66,
              "file error.\n/nonexistent/x.dat: not found"},
             {"missing image", QStringList{"decode", "/nonexistent/x.bin", "@o"}, 66,
              "file error."},
             {"output is a folder", QStringList{"decode", "@badversion", "@taken"}, 73,
              "taken.fre: is a folder"},
             {"unknown version", QStringList{"show", "@badversion"}, 65,
              "Unknown version Of DataFile!"},
             {"short companion", QStringList{"encode", "@shortfre", "@out"}, 65, "file error."},
             {"missing companion", QStringList{"show", "@nofre"}, 66, "nofre.fre: not found"},
             {"image of wrong size", QStringList{"decode", "@badversion", "@out"}, 65,
              "16384 bytes"},
             {"64 GiB image", QStringList{"decode", "@huge", "@out"}, 65, "16384 bytes"},
             {"image is a pipe", QStringList{"decode", "@pipe", "@out"}, 66, "not a regular file"},
             {"data file is a pipe", QStringList{"show", "@pipe"}, 66, "not a regular file"},
             {"unwritable output", QStringList{"encode", InitFile(0), "/nonexistent/o.bin"}, 73,
              "file error.\n/nonexistent: not found"},
             {"output is its input", QStringList{"encode", "@pair", "@pair"}, 64,
              "\"@pair.dat\" is an input"},
             {"plan over the companion", QStringList{"export-csv", "@pair", "@pair.fre"}, 64,
              "\"@pair.fre\" is an input"},
             {"companion of another data file",
              QStringList{"import-csv", "@pair", "@plan.csv", "@pair.DAT"}, 64,
              "its companion file \"@pair.fre\" is also the companion file of \"@pair.dat\""},
             {"companion outside the folder", QStringList{"show", "@s/ab"}, 66,
              "@s/ab: the name leaves no room"},
             {"output under a file", QStringList{"encode", "@pair", "@pair.dat/x.bin"}, 73,
              "@pair.dat: is not a folder"},
             {"decode onto a full disk", QStringList{"decode", "@image.bin", "@pair"}, 74,
              "file error.\n@pair.dat: File too large", 1024},
             {"encode onto a full disk", QStringList{"encode", "@pair", "@out"}, 74,
              "@out.bin: File too large", 1024},
             {"export onto a full disk", QStringList{"export-csv", "@pair", "@new.csv"}, 74,
              "@new.csv: File too large", 1024},
             {"import onto a full disk", QStringList{"import-csv", "@pair", "@plan.csv", "@new"},
              74, "@new.fre: File too large", 1024},
             {"print onto a full disk", QStringList{"print", "@pair", "@new.pdf"}, 74,
              "@new.pdf: File too large", 4096}});
    }

    void statuses() {
        QFETCH(StatusesRow, row);
        auto [rowName, args, status, message, fileLimit] = row;
        QTemporaryDir dir;
        auto copyInit = [&](const QString& name) {
            const QString path = dir.filePath(name + ".dat");
            QFile::copy(InitFile(1), path);
            QFile::copy(CompanionPathOf(InitFile(1)), CompanionPathOf(path));
            return path;
        };
        const QString bad = copyInit("badversion");
        QVERIFY(WriteFile(bad, ReadFile(bad).replace(0, 4, "X100")));
        QFile::resize(CompanionPathOf(copyInit("shortfre")), 100);
        QFile::remove(CompanionPathOf(copyInit("nofre")));
        QDir(dir.path()).mkdir("taken.fre");
        QFile::resize(copyInit("huge"), qint64(64) << 30);
        mkfifo(QFile::encodeName(dir.filePath("pipe.dat")).constData(), 0600);
        copyInit("pair");
        QDir(dir.path()).mkdir("s");
        QFile::copy(InitFile(1), dir.filePath("s/ab"));
        WriteFile(dir.filePath("image.bin"), QByteArray(kImageSize, char(0xFF)));
        WriteFile(dir.filePath("plan.csv"), "Bank,Group,Channel,Frequency\nCB,A,1,26.9650\n");
        // "@name" is a data file of the folder, "@out" an image, "@a.b" or "@a/b" as it stands.
        for (QString& a : args)
            if (a.startsWith('@'))
                a = a == "@out"                          ? dir.filePath("out.bin")
                    : a.contains('.') || a.contains('/') ? dir.filePath(a.mid(1))
                                                         : dir.filePath(a.mid(1) + ".dat");

        const CliRun r = Cli(args, QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"), fileLimit);
        QCOMPARE(r.status, status);
        const QString expected = QString(message).replace("@", dir.path() + "/");
        QVERIFY2(r.err.contains(expected), qPrintable(r.err));
        QVERIFY(r.out.isEmpty() || status == 74);
    }

    void missingVersionFileIsAWarning() {
        // An installation without Version.ini still opens its own version's files;
        // a damaged setting is a warning too.
        QTemporaryDir dir;
        const QString program = dir.filePath("base/PK_517/zr4400-cli");
        QVERIFY(QDir().mkpath(dir.filePath("base/PK_517")) &&
                QDir().mkpath(dir.filePath("base/language")));
        QVERIFY(QFile::copy(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"), program));
        QVERIFY(WriteFile(dir.filePath("base/language/mysetup.ini"), "[language]\ncomPort=-3\n"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        const CliRun r = Cli({"show", InitFile(0)}, program);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, "warning: Version.ini was not found. The built-in versions are used: "
                        "software V1.00 handles data files and radios of version V1.00.\n"
                        "warning: The settings file is damaged: the defaults are used in place of "
                        "what could not be read. " +
                            dir.filePath("base/language/mysetup.ini") +
                            ": comPort=-3 is not a port number (1 to 999)\n");
    }

    void decodeEncodeReproducesImage() {
        QTemporaryDir dir;
        // A configuration with changes everywhere, saved as a data file pair.
        RadioModel m;
        InitialiseData(m, QStringLiteral(ZR_PROGRAM_DIR "/Init"));
        m.radio.BandFlag = 0;
        m.ApplyBandFlag();
        m.AppendChannel(17, 0, 2, "26.9650");
        m.AppendChannel(40, 1, 9, "29.6900");
        m.channels.at(0, 8, 2).ToneIndex = 77;
        m.channels.at(0, 8, 2).Mode = 2;
        m.channels.at(0, 8, 2).Roger = 4;
        m.radio.Options.GroupName(0, 3).set("CITY");
        m.radio.Options.DwChannel(0, 2, 1) = 17;
        m.radio.Options.ModeEnable[4] = 0;
        m.radio.Tones[7].LoopCount = 3;
        m.radio.Tones[7].Element[0] = {255, 255};
        m.radio.TxOffset = 4321;
        m.CommitToSnapshot();
        const QString source = dir.filePath("source.dat");
        QCOMPARE(WriteDataFilePair(source, m.SavedRadioData, m.SavedChannelTable), FileStatus::Ok);

        const QString first = dir.filePath("first.bin");
        QCOMPARE(Cli({"encode", source, first}).status, 0);
        const QByteArray image = ReadFile(first);
        QCOMPARE(image.size(), 16384);
        QCOMPARE(QByteArray::number(uchar(image[0x3C7C]) & 0x0F), QByteArray("0"));

        const QString decoded = dir.filePath("decoded.dat");
        const CliRun d = Cli({"decode", first, decoded});
        QVERIFY2(d.status == 0 && d.err.isEmpty(), qPrintable(d.err));
        QCOMPARE(QFileInfo(decoded).size(), qint64(1070));
        // A name without ".dat" gets it, so its companion is its own; a companion's
        // name is refused.
        QCOMPARE(Cli({"decode", first, dir.filePath("plain")}).status, 0);
        QCOMPARE(ReadFile(dir.filePath("plain.fre")), ReadFile(dir.filePath("decoded.fre")));
        const CliRun refused = Cli({"decode", first, dir.filePath("x.FRE")});
        QCOMPARE(refused.status, 64);
        QVERIFY(refused.err.contains("cannot end in \".fre\"") &&
                !QFile::exists(dir.filePath("x.FRE")));
        const QString second = dir.filePath("second.bin");
        QCOMPARE(Cli({"encode", decoded, second}).status, 0);
        QCOMPARE(ReadFile(second), image);
    }

    void diffNamesEachDifference() {
        QTemporaryDir dir;
        RadioModel m;
        InitialiseData(m, QStringLiteral(ZR_PROGRAM_DIR "/Init"));
        m.AppendChannel(12, 1, 2, "28.5");
        const QString a = dir.filePath("a.dat");
        QCOMPARE(WriteDataFilePair(a, m.radio, m.channels), FileStatus::Ok);
        // The same channels in another record order, and another remembered row.
        RadioModel reordered = m;
        const int first = m.FindSlot(1, 1, 2), last = m.FindSlot(12, 1, 2);
        std::swap(reordered.channels.at(1, first, 2), reordered.channels.at(1, last, 2));
        reordered.radio.LastRow(1, 2) = 9;
        const QString same = dir.filePath("same.dat");
        QCOMPARE(WriteDataFilePair(same, reordered.radio, reordered.channels), FileStatus::Ok);
        // Four changes.
        RadioModel changed = m;
        changed.radio.Options.Tot = 6;
        changed.radio.Options.GroupName(1, 2).set("NEW");
        changed.channels.at(1, last, 2).Mode = 2;
        changed.radio.Tones[3].Element[1].DurCode = 9;
        changed.AppendChannel(13, 0, 4, "27.0");
        const QString b = dir.filePath("b.dat");
        QCOMPARE(WriteDataFilePair(b, changed.radio, changed.channels), FileStatus::Ok);
        const QString image = dir.filePath("a.bin");
        QCOMPARE(Cli({"encode", a, image}).status, 0);

        const CliRun equal = Cli({"diff", a, same});
        QCOMPARE(equal.status, 0);
        QVERIFY(equal.out.isEmpty());
        QCOMPARE(Cli({"diff", image, a}).status, 0); // an image against its own data
        const CliRun r = Cli({"diff", a, b});
        QCOMPARE(r.status, 1);
        QCOMPARE(QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts),
                 (QStringList{"Options TOT: Off -> 60s", "HF group B Group Name: B -> NEW",
                              "HF group B channel 12 Mode: FM -> USB",
                              "Tone 3 element 2: 900 Hz, 30 ms -> 900 Hz, 90 ms",
                              "CB group D channel 13: only in B (27.0000)"}));
        QCOMPARE(Cli({"diff", a, dir.filePath("none.dat")}).status, 66);

        // Two images: changes in the modelled fields are named, the rest counted.
        const QString imageB = dir.filePath("b.bin");
        QCOMPARE(Cli({"encode", b, imageB}).status, 0);
        QCOMPARE(Cli({"diff", image, imageB}).out, r.out);
        QByteArray other = ReadFile(image);
        other[0x3EC5] = char(other[0x3EC5] ^ 0x01); // a tone a write never sends
        other[0x3F50] = char(other[0x3F50] ^ 0x80); // no field's
        QVERIFY(WriteFile(dir.filePath("other.bin"), other));
        const CliRun unmodelled = Cli({"diff", image, dir.filePath("other.bin")});
        QCOMPARE(unmodelled.status, 1);
        QCOMPARE(unmodelled.out, "Tone 7 element 4: 0 Hz, 0 ms -> 10 Hz, 0 ms\n"
                                 "Memory no window shows: 1 byte differs\n");
    }

    void versionsAndOptionsNeedNoDisplay() {
        // Without any display, as on a server or in a package check.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            qunsetenv(name);
        const QString program = QStringLiteral(ZR_PROGRAM_DIR "/zr4400");
        const struct {
            QStringList args;
            int status;
            const char* said;
        } rows[] = {
            {{"--help"}, 0, "  --dealer "},
            {{"--version"}, 0, "zr4400 1."},
            {{"-style", "fusion", "--bogus"}, 64, "zr4400: unknown option --bogus\nusage:"},
        };
        for (const auto& r : rows) {
            const CliRun run = Cli(r.args, program);
            QCOMPARE(run.status, r.status);
            QVERIFY2((run.out + run.err.toUtf8()).contains(r.said), qPrintable(r.args.join(' ')));
        }
    }

    void channelPlansOutAndIn() {
        QTemporaryDir dir;
        const QString csv = dir.filePath("plan.csv");
        QCOMPARE(Cli({"export-csv", InitFile(0), csv}).status, 0);
        const QString out = dir.filePath("out.dat");
        const CliRun in = Cli({"import-csv", InitFile(0), csv, out});
        QCOMPARE(in.status, 0);
        QCOMPARE(Cli({"diff", InitFile(0), out}).status, 0);

        // A bad line: every bad line said, nothing written.
        QVERIFY(WriteFile(csv, "Bank,Group,Channel,Frequency\nCB,A,1,27.0\nCB,K,1,27.0\n"));
        const QString none = dir.filePath("none.dat");
        const CliRun bad = Cli({"import-csv", InitFile(0), csv, none});
        QCOMPARE(bad.status, 65);
        QCOMPARE(bad.err, QByteArray("line 3, column Group: CB has no group K\n"));
        QVERIFY(!QFile::exists(none));
        QCOMPARE(Cli({"import-csv", InitFile(0), dir.filePath("gone.csv"), none}).status, 66);
    }

    void printedSheetReadsBack() {
        // Every group of both banks full, each frequency its own: a PDF reader
        // finds them all, group after group, on numbered pages.
        QTemporaryDir dir;
        RadioModel m;
        InitialiseData(m, QStringLiteral(ZR_PROGRAM_DIR "/Init"));
        QStringList expected;
        for (int v = 0; v < kBanks; ++v)
            for (int g = 1; g <= GroupsInBank(v); ++g)
                for (int n = 2; n <= 40; ++n) {
                    const QString frequency =
                        QStringLiteral("28.%1").arg(g * 500 + n * 10, 4, 10, QChar('0'));
                    m.AppendChannel(n, v, g, frequency);
                    expected << frequency;
                }
        const QString path = dir.filePath("full.dat");
        QCOMPARE(WriteDataFilePair(path, m.radio, m.channels), FileStatus::Ok);
        const auto read = [&](const QStringList& args, const QString& tool) {
            QProcess reader;
            reader.start(tool, args);
            return reader.waitForFinished(60000) ? QString::fromUtf8(reader.readAllStandardOutput())
                                                 : QString();
        };
        for (const QString language : {"en", "zh"}) {
            const QString pdf = dir.filePath(language + ".pdf");
            const CliRun r = Cli({"print", path, pdf, "--language", language});
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const QString text = read({"-layout", pdf, "-"}, "pdftotext");
            qsizetype at = 0;
            for (const QString& frequency : expected) {
                at = text.indexOf(frequency, at);
                QVERIFY2(at >= 0, qPrintable(frequency));
            }
            const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
            QVERIFY(pages.size() > 10);
            for (int page = 1; page <= pages.size(); ++page)
                QVERIFY(pages[page - 1].contains(QRegularExpression(
                    QStringLiteral("\\b%1\\s*/\\s*%2\\s*$").arg(page).arg(pages.size()))));
            if (language == "zh")
                QVERIFY(text.contains("可选功能") && text.contains("频率"));
            QVERIFY(
                read({pdf}, "pdffonts")
                    .contains(QRegularExpression("WenQuanYi\\S*\\s+CID TrueType\\s+\\S+\\s+yes")));
        }
        // The values print takes, and an output that is its input.
        for (const QStringList& wrong : {QStringList{"--language", "fr"},
                                         {"--page", "a3"},
                                         {"--groups", "CB:K"},
                                         {"--groups", ""}})
            QCOMPARE(Cli(QStringList{"print", path, dir.filePath("x.pdf")} + wrong).status, 64);
        QCOMPARE(Cli({"print", path, path}).status, 64);
    }

    void showEveryField() {
        // A configuration whose every value differs from the defaults, and a group
        // name holding an escape sequence.
        QTemporaryDir dir;
        RadioModel m;
        InitialiseData(m, QStringLiteral(ZR_PROGRAM_DIR "/Init"));
        RadioData& d = m.radio;
        OptionRecord& o = d.Options;
        d.CurrentGroup = {3, 11};
        d.Identity.IdentityMark = 68;
        d.Identity.IdentityDate.set(QStringLiteral("20261201"));
        o.Tot = 4;
        o.Indic = 2;
        o.MicGain = 0;
        o.PublicMode = 7;
        o.PublicBusy = 1;
        o.SwrMax = 22;
        o.ModeEnable[4] = 0;
        o.MemMenu = 1;
        o.WorkGroup = {2, 5};
        d.TxOffset = 12345;
        d.RssiPoint[11] = 40;
        o.GroupName(1, 2).set(QStringLiteral("\x1b[7m"));
        o.EmgChannel(1, 2, 1) = 43;
        o.WorkChannel(1, 2) = 5;
        d.LastRow(1, 2) = 6;
        d.LastRow(1, kMemoryView) = 4;
        ChannelRecord& r = m.channels.at(1, m.FindSlot(1, 1, 2), 2);
        r.Mode = 3;
        r.ToneIndex = 39;
        r.HiCut = 2;
        r.Repeater = 2;
        r.Public = 1;
        r.ScanFlag = 0;
        r.Roger = 5;
        d.Tones[8].LoopCount = 2;
        const QString path = dir.filePath("all.dat");
        QCOMPARE(WriteDataFilePair(path, d, m.channels), FileStatus::Ok);

        const CliRun text = Cli({"show", path});
        QCOMPARE(text.status, 0);
        QVERIFY(!text.out.contains('\x1b'));
        const QStringList lines = QString::fromUtf8(text.out).split('\n');
        for (const char* expected :
             {"Identity: model code PK2323 / PK2323, band 1 / 1, word 248, mark 68, date 20261201, "
              "version V1.00",
              "Bank in use: HF (flag 1), current group CB C, HF MEM", "  TOT: 40s",
              "  INDIC: TOT Remain Time Display", "  MIC: 0", "  Tx Offset: 1.2345 MHz",
              "  SWR Protect: ON, Max 2.2", "  USB/LSB RSSI: 1=1 3=6 5=9 7=13 9=24 +30=41",
              "  Mode Enable: FM Enable ON, AM Enable ON, USB Enable ON, LSB Enable ON, PA Enable "
              "OFF",
              "  Public: HI-CUT OFF, NB/ANL ON, ECHO OFF, +10KHz OFF, Roger OFF, Mode Mode 7, BUSY "
              "ON",
              "  Other: work band HF, work group CB B, HF E, VOX OFF, channel mode 0, menu page 1, "
              "MEM menu ON, RTIX 0, TTIX 0, upper nibble 2",
              "Bank HF (28.0000 - 29.6990 MHz), MEM last row 4",
              "  Group B \"\\x1B[7m\", Group Valid ON, 7 channels, EMG CHX 1 / M3, Work CHX 5, "
              "DW CHX 1 / 1, MEM CHX M1, last row 6",
              "    1       28.1450    LSB   D_001(023N)    2       ON      OFF   OFF     OFF   -   "
              " ON"
              "      Del   5",
              "  8: loops 2, interval 0 ms:"})
            QVERIFY2(lines.contains(expected), expected);

        const CliRun json = Cli({"show", path, "--json"});
        QVERIFY(!json.out.contains("\\u001b"));
        QJsonParseError error;
        const QJsonObject root = QJsonDocument::fromJson(json.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonObject hf = root["banks"].toArray()[1].toObject();
        const QJsonObject groupB = hf["groups"].toArray()[1].toObject();
        const QJsonObject channel = groupB["channels"].toArray()[6].toObject();
        const QJsonObject tone = root["tones"].toArray()[0].toObject();
        QCOMPARE(Values(groupB["name"].toString(), groupB["lastRow"].toInt(),
                        hf["currentGroup"].toInt(), hf["memoryLastRow"].toInt(),
                        channel["mode"].toString(), channel["modeCode"].toInt(),
                        channel["rxFrequency"].toString(), channel["name"].toString(),
                        root["identity"].toObject()["mark"].toInt(),
                        root["options"].toObject()["batteryMax"].toInt(),
                        tone["elements"].toArray()[0].toObject()["frequencyHz"].toInt()),
                 QStringLiteral("\\x1B[7m 6 11 4 LSB 3 28.1450 1 68 168 2100"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
