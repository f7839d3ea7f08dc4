// The command-line tool against the simulated radio over a real
// pseudo-terminal: reads, writes, a group write with the radio swap, refused
// radios, and each fault the radio can show.

#include "support/cli_process.h"
#include "support/sim_process.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// A simulated radio for one test; it goes away with the object.
const QString kSource = QStringLiteral(ZR_PROGRAM_DIR "/Init/0_PK2323_New.dat");

// Starts the tool writing `source` into `device`, traced; true once a block is out.
bool StartWriting(QProcess& cli, const QString& device, const QString& source,
                  const QString& trace) {
    cli.start(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"),
              {"write", device, source, "--trace", trace});
    return QTest::qWaitFor([&] { return ReadFile(trace).contains(">> 57 "); }, 60000);
}

} // namespace

class TestLinkEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void readMatchesDecode();
    void writeStoresTheEncodedImage();
    void groupWriteOfTwoRadios();
    void waitingForTheNextRadioEnds();
    void severalPortsWriteExactlyTheCount();
    void outcomes_data();
    void outcomes();
    void traceRecordsTheLine();
    void signalsStopATransfer();
    void dumpAndRestoreRawImages();
    void journalOfAKilledWrite();
    void diffWithARadio();

private:
    // The write journal's entries still open.
    QStringList OpenEntries() const {
        return QDir(dir_.filePath("xdg/zr4400/journal")).entryList({"*.open"}, QDir::Files);
    }

    QTemporaryDir dir_;
    QString image_; // what the program makes of kSource for a write
    QString blank_; // a memory of 0xFF bytes, to see what a write leaves alone
};

void TestLinkEndToEnd::initTestCase() {
    // Backups of reads go to this run's own folder, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath("xdg")));
    SetTestReplyTime(kPatientReplyMs);
    image_ = dir_.filePath("source.bin");
    QCOMPARE(Cli({"encode", kSource, image_}).status, 0);
    blank_ = dir_.filePath("blank.bin");
    QVERIFY(WriteFile(blank_, QByteArray(16384, char(0xFF))));
}

void TestLinkEndToEnd::readMatchesDecode() {
    SimProcess sim({"--image", image_});
    const QString read = dir_.filePath("read.dat");
    const CliRun r = Cli({"read", sim.device, read});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("Read Data Completed."));
    const QString decoded = dir_.filePath("decoded.dat");
    QCOMPARE(Cli({"decode", image_, decoded}).status, 0);
    QCOMPARE(ReadFile(read), ReadFile(decoded));
    QCOMPARE(ReadFile(dir_.filePath("read.fre")), ReadFile(dir_.filePath("decoded.fre")));
    QVERIFY(ReadFile(dir_.filePath("read.fre")).size() > 0);

    // The read left its backup: the raw image and the decoded pair.
    const QString backups = dir_.filePath("xdg/zr4400/backups");
    const QRegularExpression said("Backup: (" + QRegularExpression::escape(backups) +
                                  "/\\d{4}-\\d\\d-\\d\\d_\\d{6}_PK2323(_\\d+)?)\\.bin\n");
    const QRegularExpressionMatch m = said.match(r.err);
    QVERIFY2(m.hasMatch(), qPrintable(r.err));
    QCOMPARE(ReadFile(m.captured(1) + ".bin"), ReadFile(image_));
    QCOMPARE(ReadFile(m.captured(1) + ".dat"), ReadFile(decoded));

    // A radio started without an image is a new one: it holds the HF initial
    // data. A read without a backup leaves none.
    const QStringList before = QDir(backups).entryList(QDir::Files);
    SimProcess fresh({});
    const QString first = dir_.filePath("first.dat");
    const CliRun quiet = Cli({"read", fresh.device, first, "--no-backup"});
    QVERIFY(quiet.status == 0 && !quiet.err.contains("Backup"));
    QCOMPARE(QDir(backups).entryList(QDir::Files), before);
    const CliRun same = Cli({"diff", first, ZR_PROGRAM_DIR "/Init/1_PK2323_New.dat"});
    QVERIFY2(same.status == 0, same.out.constData());
}

void TestLinkEndToEnd::writeStoresTheEncodedImage() {
    const QString saved = dir_.filePath("radio.bin");
    SimProcess sim({"--image", blank_, "--save", saved});
    const CliRun r = Cli({"write", sim.device, kSource});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("Write Data Completed."));
    sim.stop();
    const QByteArray radio = ReadFile(saved);
    const QByteArray expected = ReadFile(image_);
    QCOMPARE(radio.size(), 16384);
    QCOMPARE(radio.left(0x3EC0), expected.left(0x3EC0));
    QCOMPARE(radio.mid(0x3EF0, 0x50), expected.mid(0x3EF0, 0x50));
    QCOMPARE(radio.mid(0x3EC0, 0x30), QByteArray(0x30, char(0xFF))); // never written
    QCOMPARE(radio.mid(0x3F40), QByteArray(0xC0, char(0xFF)));
}

void TestLinkEndToEnd::groupWriteOfTwoRadios() {
    const QString saved = dir_.filePath("group.bin");
    SimProcess sim({"--save", saved, "--swap-after-write", "2"});
    const QString trace = dir_.filePath("group.log");
    const CliRun r =
        Cli({"group-write", sim.device, kSource, "--count", "2", "--verify", "--trace", trace});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.err.count("Write Data Completed."), 1);
    QVERIFY(r.err.contains("Radio 1 written. Connect the next radio.\n"));
    QVERIFY(r.err.endsWith("2 radios written.\n"));
    // Each radio is read back before the next is waited for.
    const QString log = QString::fromUtf8(ReadFile(trace));
    QCOMPARE(log.count(">> 52 "), 2 * 1009);
    QVERIFY(log.indexOf(">> 52 3F 30 10") < log.lastIndexOf(">> 57 00 00 10"));
    sim.stop();
    const QByteArray expected = ReadFile(image_).left(0x3EC0);
    QCOMPARE(ReadFile(saved + ".1").left(0x3EC0), expected);
    QCOMPARE(ReadFile(saved + ".2").left(0x3EC0), expected);
    QVERIFY(!QFile::exists(saved + ".3"));
}

void TestLinkEndToEnd::waitingForTheNextRadioEnds() {
    // The radio stays: asked a handshake a reply time, given up after --wait.
    SimProcess sim({});
    const QString trace = dir_.filePath("wait.log");
    const CliRun r =
        Cli({"group-write", sim.device, kSource, "--count", "2", "--wait", "1", "--trace", trace});
    QCOMPARE(r.status, 75);
    QVERIFY(r.err.contains("No next radio was connected within 1 s.\n1 radio written.\n"));
    const QString log = QString::fromUtf8(ReadFile(trace));
    const QString waiting = log.mid(log.indexOf(">> 45 4E 44")); // after the first END
    QVERIFY2(waiting.count(">> 50 52 4F 47 52 41 4D") <= 1000 / 300 + 2, qPrintable(waiting));
    // Every handshake was answered: the pauses are no missing replies, and the
    // radio left in programming mode by the last one is let go.
    QVERIFY(!waiting.contains("no reply"));
    QVERIFY(waiting.split('\n').filter(" >> ").last().endsWith(">> 45 4E 44"));
}

void TestLinkEndToEnd::severalPortsWriteExactlyTheCount() {
    // Two radios that stay where they are: one each. One: both radios
    // identify at once, but the one in work on the other port counts.
    for (const int count : {2, 1}) {
        const QString fa = dir_.filePath(QStringLiteral("f%1a.bin").arg(count));
        const QString fb = dir_.filePath(QStringLiteral("f%1b.bin").arg(count));
        SimProcess a({"--image", blank_, "--save", fa});
        SimProcess b({"--image", blank_, "--save", fb});
        const CliRun r = Cli(
            {"group-write", a.device + "," + b.device, kSource, "--count", QString::number(count)});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        a.stop();
        b.stop();
        const QByteArray written = ReadFile(image_).left(0x3EC0);
        QCOMPARE(int(ReadFile(fa).startsWith(written)) + int(ReadFile(fb).startsWith(written)),
                 count);
    }
    // Two, reached on one port while the other port's radio holds other
    // bytes: that radio is named, and the run fails for it.
    {
        // The first port's radio answers late, so the other's fails first.
        SimProcess a({"--silent-handshakes", "1", "--swap-after-write", "2"});
        SimProcess b({"--bad-store-at", "0x1007"});
        const CliRun r =
            Cli({"group-write", a.device + "," + b.device, kSource, "--count", "2", "--verify"});
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains(QStringLiteral("2 radios written: 2 on %1, 0 on %2.\n%2: radio 1 "
                                               "verify failed at 0x1007.\n")
                                    .arg(a.device, b.device)),
                 qPrintable(r.err));
    }
    // Three: the port whose radio is swapped writes the third; the other stops
    // waiting once the count is reached.
    {
        SimProcess a({"--save", dir_.filePath("ga.bin"), "--swap-after-write", "3"});
        SimProcess b({"--save", dir_.filePath("gb.bin")});
        const CliRun r = Cli({"group-write", a.device + "," + b.device, kSource, "--count", "3"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains(QStringLiteral("3 radios written: 2 on %1, 1 on %2.\n")
                                   .arg(a.device, b.device)
                                   .toUtf8()));
        a.stop();
        QVERIFY(QFile::exists(dir_.filePath("ga.bin.2")) &&
                !QFile::exists(dir_.filePath("ga.bin.3")));
    }
    // A radio of another model is refused on its port; the other port's
    // radio stays, so only one is written: the refusal's status.
    {
        SimProcess a({});
        SimProcess b({"--model", "PK0000"});
        const CliRun r =
            Cli({"group-write", a.device + "," + b.device, kSource, "--count", "2", "--wait", "1"});
        QCOMPARE(r.status, 76);
        QVERIFY(r.err.contains(b.device + ": Model type is wrong."));
        QVERIFY(r.err.endsWith(QStringLiteral("1 radio written: 1 on %1, 0 on %2.\n")
                                   .arg(a.device, b.device)
                                   .toUtf8()));
    }
}

void TestLinkEndToEnd::outcomes_data() {
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("cliArgs"); // @ = the device, @out = an output file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QStringList read{"read", "@", "@out"};
    const QStringList write{"write", "@", kSource};
    QTest::newRow("wrong model") << QStringList{"--model", "PK2324"} << read << 76
                                 << "Model type is wrong.";
    QTest::newRow("incompatible firmware")
        << QStringList{"--firmware", "V200"} << write << 76 << "Firmware version is V2.00";
    QTest::newRow("corrupt checksum, give up")
        << QStringList{"--corrupt-checksum-at", "0x2000"} << read << 75
        << "Check Connection. Retry or Cancel?\nPort: ";
    QTest::newRow("corrupt checksum, start again")
        << QStringList{"--corrupt-checksum-at", "0x2000"} << (read + QStringList{"--retries", "1"})
        << 0 << "Read Data Completed.";
    QTest::newRow("wrong address, start again")
        << QStringList{"--wrong-address-at", "0x0100"} << (read + QStringList{"--retries", "1"})
        << 0 << "Read Data Completed.";
    QTest::newRow("silent radio, retried")
        << QStringList{"--silent-handshakes", "2"} << (write + QStringList{"--retries", "1"}) << 0
        << "Write Data Completed.";
    QTest::newRow("END not acknowledged")
        << QStringList{"--skip-end-ack"} << read << 0 << "Read Data Completed.";
    QTest::newRow("line dropped in a write") << QStringList{"--drop-line-at", "0x1000"} << write
                                             << 75 << "Check Connection. Retry or Cancel?";
    QTest::newRow("port cannot be opened")
        << QStringList{} << QStringList{"read", "/nonexistent/tty", "@out"} << 69
        << "Cannot Open Communication Port.\n/nonexistent/tty: not found\n";
    QTest::newRow("verified write") << QStringList{} << (write + QStringList{"--verify"}) << 0
                                    << "Write Data Completed.\nVerified.\n";
    QTest::newRow("line dropped in the read-back")
        << QStringList{"--drop-line-at-read", "0x1000"} << (write + QStringList{"--verify"}) << 2
        << "Write Data Completed.\nThe verification did not finish";
    QTest::newRow("bad store found by verify")
        << QStringList{"--bad-store-at", "0x1007"} << (write + QStringList{"--verify"}) << 1
        << "Verify failed at 0x1007: 1 byte differs.\n";
    QTest::newRow("bad store unseen without verify")
        << QStringList{"--bad-store-at", "0x1000"} << write << 0 << "Write Data Completed.";
    QTest::newRow("output cannot be created")
        << QStringList{} << QStringList{"read", "@", "/nonexistent/dir/x.dat"} << 73
        << "file error.\n/nonexistent/dir: not found\n";
    QTest::newRow("trace cannot be written")
        << QStringList{} << (read + QStringList{"--trace", "/nonexistent/t.log"}) << 73
        << "file error.\n/nonexistent: not found\n";
    QTest::newRow("unknown port number")
        << QStringList{} << QStringList{"read", "COM250", "@out"} << 69
        << "Cannot Open Communication Port.\nCOM250 (/dev/ttyACM185): not found\n";
}

void TestLinkEndToEnd::outcomes() {
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, cliArgs);
    QFETCH(int, status);
    QFETCH(QString, message);
    SimProcess sim(simArgs + QStringList{"--image", image_});
    const QString out = dir_.filePath(QStringLiteral("%1.dat").arg(QTest::currentDataTag()));
    for (QString& a : cliArgs)
        a = a == "@" ? sim.device : a == "@out" ? out : a;
    const CliRun r = Cli(cliArgs);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // A failed read never leaves a data file behind; a failed write is told,
    // so the journal may forget it.
    if (status != 0)
        QVERIFY(!QFile::exists(out));
    QVERIFY(OpenEntries().isEmpty());
}

void TestLinkEndToEnd::traceRecordsTheLine() {
    SimProcess sim({"--image", image_, "--silent-handshakes", "1"});
    const QString trace = dir_.filePath("trace.log");
    QCOMPARE(Cli({"read", sim.device, dir_.filePath("t.dat"), "--trace", trace}).status, 0);
    const QString log = QString::fromUtf8(ReadFile(trace));
    QVERIFY(log.contains(">> 50 52 4F 47 52 41 4D")); // PROGRAM
    QVERIFY(log.contains("<< 50 4B 06"));
    QVERIFY(log.contains("no reply within"));
    QVERIFY(log.contains(">> 52 3F F0 10")); // the last block request
    QVERIFY(log.contains("port closed"));
    QCOMPARE(log.count(">> 52 "), 1024);

    // A line that goes away mid-read is seen once, the port closed, and the
    // prompts of a silent radio follow.
    SimProcess dropping({"--image", image_, "--drop-line-at", "0x1000"});
    const QString lost = dir_.filePath("lost.log");
    const CliRun r = Cli({"read", dropping.device, dir_.filePath("l.dat"), "--trace", lost});
    QCOMPARE(r.status, 75);
    QVERIFY(r.err.contains("Check Connection. Retry or Cancel?"));
    const QString lostLog = QString::fromUtf8(ReadFile(lost));
    QCOMPARE(lostLog.count("port error"), 1);
    QVERIFY(lostLog.contains(QRegularExpression("port error \\d+: [^\\n]*; port closed\\n")));
    QVERIFY(lostLog.contains("no reply within"));
    // The END meant for the radio could not go out: it is not logged as sent.
    QVERIFY(lostLog.contains("not sent, the port is closed: 45 4E 44"));
    QVERIFY(!lostLog.mid(lostLog.indexOf("port error")).contains(">> "));

    // A bad reply is logged with why it was refused.
    SimProcess corrupt({"--image", image_, "--corrupt-checksum-at", "0x2000"});
    const QString refused = dir_.filePath("refused.log");
    QCOMPARE(Cli({"read", corrupt.device, dir_.filePath("c.dat"), "--trace", refused}).status, 75);
    const QString refusedLog = QString::fromUtf8(ReadFile(refused));
    QVERIFY(refusedLog.contains("reply refused: a block whose checksum does not match\n"));
    QVERIFY(refusedLog.contains("no valid reply within"));
}

void TestLinkEndToEnd::signalsStopATransfer() {
    // SIGINT or SIGTERM in the middle of a read at line speed: END goes out,
    // the port closes, the tool says so and ends with 128 + the signal.
    for (const int signal : {SIGINT, SIGTERM}) {
        SimProcess sim({"--image", image_, "--line-rate"});
        const QString trace = dir_.filePath(QStringLiteral("signal%1.log").arg(signal));
        const QString out = dir_.filePath(QStringLiteral("signal%1.dat").arg(signal));
        QProcess cli;
        cli.start(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"),
                  {"read", sim.device, out, "--trace", trace});
        QTRY_VERIFY_WITH_TIMEOUT(ReadFile(trace).contains(">> 52 "), 60000);
        ::kill(static_cast<pid_t>(cli.processId()), signal);
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 128 + signal);
        QVERIFY(cli.readAllStandardError().contains("Cancelled"));
        const QString log = QString::fromUtf8(ReadFile(trace));
        QVERIFY(log.split('\n').filter(" >> ").last().endsWith(">> 45 4E 44")); // END
        QVERIFY(log.contains("port closed"));
        QVERIFY(!QFile::exists(out));
    }
    // A radio that stopped answering mid-write, and Ctrl-C twice: the tool
    // quits at once, but not in silence.
    {
        const ScopedReplyTime waitsLong(60000); // the second Ctrl-C comes while it waits
        SimProcess sim({});
        QProcess cli;
        QVERIFY(StartWriting(cli, sim.device, kSource, dir_.filePath("twice.log")));
        ::kill(static_cast<pid_t>(sim.pid()), SIGSTOP);
        ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += cli.readAllStandardError()).contains("Stopping"), 60000);
        ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
        QVERIFY(cli.waitForFinished(60000));
        ::kill(static_cast<pid_t>(sim.pid()), SIGCONT);
        QCOMPARE(cli.exitCode(), 130);
        QVERIFY((said + cli.readAllStandardError())
                    .contains("Quit at once: the radio may be left partly written and in "
                              "programming mode.\n"));
        // Quit before the radio's end was known: the journal keeps the write.
        QCOMPARE(OpenEntries().size(), 1);
        QCOMPARE(Cli({"resume", "--dismiss"}).status, 0);
    }
    // Writing on two ports: both stop, and each radio gets END.
    SimProcess a({"--line-rate"});
    SimProcess b({"--line-rate"});
    const QString trace = dir_.filePath("fleet.log");
    QProcess cli;
    cli.start(
        QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"),
        {"group-write", a.device + "," + b.device, kSource, "--count", "2", "--trace", trace});
    QTRY_VERIFY_WITH_TIMEOUT(ReadFile(trace + ".1").contains(">> 57 ") &&
                                 ReadFile(trace + ".2").contains(">> 57 "),
                             60000);
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 130);
    for (const char* port : {".1", ".2"}) {
        const QString log = QString::fromUtf8(ReadFile(trace + port));
        QVERIFY(log.split('\n').filter(" >> ").last().endsWith(">> 45 4E 44"));
    }
    QVERIFY(OpenEntries().isEmpty()); // stopped and told
}

void TestLinkEndToEnd::journalOfAKilledWrite() {
    // The tool killed mid-write: the journal keeps the write open...
    const QString hf = ZR_PROGRAM_DIR "/Init/1_PK2323_New.dat";
    {
        SimProcess slow({"--image", blank_, "--line-rate"});
        QProcess cli;
        QVERIFY(StartWriting(cli, slow.device, hf, dir_.filePath("killed.log")));
        ::kill(static_cast<pid_t>(cli.processId()), SIGKILL);
        QVERIFY(cli.waitForFinished(60000));
    }
    QCOMPARE(OpenEntries().size(), 1);
    // ... every radio command warns of it, and resume writes its image, closing it.
    const QString saved = dir_.filePath("resumed.bin");
    SimProcess sim({"--image", blank_, "--save", saved});
    const CliRun other = Cli({"write", sim.device, kSource});
    QVERIFY2(other.status == 0 && other.err.startsWith("warning: The write of " + hf) &&
                 other.err.contains("did not finish. The radio may be partly written.\n"),
             qPrintable(other.err));
    const CliRun resumed = Cli({"resume", sim.device});
    QVERIFY2(resumed.status == 0 && resumed.err.contains("Write Data Completed."),
             qPrintable(resumed.err));
    sim.stop();
    const QString hfImage = dir_.filePath("hf.bin");
    QCOMPARE(Cli({"encode", hf, hfImage}).status, 0);
    QCOMPARE(ReadFile(saved).left(0x3EC0), ReadFile(hfImage).left(0x3EC0));
    QVERIFY(OpenEntries().isEmpty());
    const CliRun nothing = Cli({"resume"});
    QVERIFY(nothing.status == 66 && nothing.err.contains("No unfinished write is recorded."));
}

void TestLinkEndToEnd::diffWithARadio() {
    // A port in place of a file: the radio is read, then compared.
    SimProcess sim({"--image", image_});
    QCOMPARE(Cli({"diff", sim.device, kSource, "--no-backup"}).status, 0);
    const QString plan = dir_.filePath("plan.csv");
    QCOMPARE(Cli({"export-csv", kSource, plan}).status, 0);
    QVERIFY(WriteFile(plan, ReadFile(plan).replace("CB,A,1,28.0150,", "CB,A,1,27.1850,")));
    const QString changed = dir_.filePath("changed.dat");
    QCOMPARE(Cli({"import-csv", kSource, plan, changed}).status, 0);
    const CliRun one = Cli({"diff", sim.device, changed, "--no-backup"});
    QCOMPARE(one.status, 1);
    QCOMPARE(one.out.count('\n'), 1);
    QVERIFY2(one.out.contains("28.0150") && one.out.contains("27.1850"), one.out.constData());
}

void TestLinkEndToEnd::dumpAndRestoreRawImages() {
    // An image whose every byte differs from what the program would encode,
    // unmodelled bytes included: a dump gives it back byte for byte...
    QByteArray odd = ReadFile(image_);
    for (int i = 0; i < odd.size(); ++i)
        odd[i] = char(odd[i] ^ (0x5A + i % 7));
    const QString source = dir_.filePath("odd.bin");
    QVERIFY(WriteFile(source, odd));
    {
        SimProcess sim({"--image", source});
        const QString dumped = dir_.filePath("dumped.bin");
        const CliRun r = Cli({"dump", sim.device, dumped});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(ReadFile(dumped), odd);
    }
    // ... and a restore, refused at first as unlike this model's memory, puts
    // back every byte a write sends, as a write skips.
    const QString saved = dir_.filePath("restored.bin");
    SimProcess sim({"--image", blank_, "--save", saved});
    const CliRun refused = Cli({"restore", sim.device, source});
    QVERIFY2(refused.status == 65 && refused.err.contains("add --force"), qPrintable(refused.err));
    const CliRun r = Cli({"restore", sim.device, source, "--verify", "--force"});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("Write data to radio.") && r.err.contains("Verified."));
    sim.stop();
    const QByteArray radio = ReadFile(saved);
    QCOMPARE(radio.left(0x3EC0), odd.left(0x3EC0));
    QCOMPARE(radio.mid(0x3EF0, 0x50), odd.mid(0x3EF0, 0x50));
    QCOMPARE(radio.mid(0x3EC0, 0x30), QByteArray(0x30, char(0xFF)));

    QVERIFY(WriteFile(dir_.filePath("short.bin"), odd.left(100)));
    QCOMPARE(Cli({"restore", sim.device, dir_.filePath("short.bin")}).status, 65);
    QCOMPARE(Cli({"restore", sim.device, dir_.filePath("none.bin")}).status, 66);
}

QTEST_GUILESS_MAIN(TestLinkEndToEnd)
#include "test_link_e2e.moc"
