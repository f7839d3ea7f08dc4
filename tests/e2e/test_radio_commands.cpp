// The main window's radio commands against the simulated radio: read, write
// with a value still in edit, group write, failures, and the port window.

#include "core/codec/image_codec.h"
#include "core/model/initial_data.h"
#include "core/session/editor_hooks.h"
#include "core/session/write_journal.h"
#include "gui/link/port_window.h"
#include "gui/link/radio_commands.h"
#include "gui/widgets/user_settings.h"
#include "support/gui_fixture.h"
#include "support/rows.h"
#include "support/sim_process.h"
#include "support/test_files.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A program whose port COM99 is the simulated radio.
void UseSimPort(Installation& install, const QString& device) {
    install.writeSetup(QStringLiteral("[language]\r\nIsFirstRun=0\r\ncomPort=99\r\n"
                                      "CurrentLanguage=1\r\n[ports]\r\nCOM99=%1\r\n")
                           .arg(device)
                           .toLatin1());
}

// The image of a radio holding a configuration with a recognisable value.
QString RadioImageFile(const Installation& install, int micGain) {
    RadioModel radio;
    InitialiseData(radio, QStringLiteral("/nonexistent"));
    radio.radio.Options.MicGain = static_cast<int16_t>(micGain);
    PrepareImage(radio.image);
    EncodeImage(radio);
    const QString image = install.file("radio.bin");
    WriteFile(image, QByteArray(reinterpret_cast<const char*>(radio.image.data()), kImageSize));
    return image;
}

// Opens File > Open Backup... and presses `button` with the newest backup
// chosen; the list, whose two newest are told apart, stays open but for Open.
void ChooseNewestBackup(MainWindow& window, const char* button) {
    WhenModalShows(
        [button](QWidget* list) {
            auto* items = list->findChild<QTreeWidget*>("lvBackups");
            const bool apart = items->topLevelItem(0)->text(0) != items->topLevelItem(1)->text(0);
            list->findChild<QPushButton*>(QLatin1String(button))->click();
            const bool open = list->isVisible();
            if (open)
                list->findChild<QPushButton*>("cmdClose")->click();
            QVERIFY(apart && open == (qstrcmp(button, "cmdOpen") != 0));
        },
        "frmBackups");
    Trigger(window, "mnuFileOpenBackup");
}

// The lines of the compare window that the next step opens, once it has shown.
void ReadComparison(QString& shown) {
    WhenModalShows(
        [&shown](QWidget* window) {
            shown = window->findChild<QPlainTextEdit*>("txtDifferences")->toPlainText();
            window->findChild<QPushButton*>("cmdClose")->click();
        },
        "frmCompare");
}

struct ReadCancelledOrFailedChangesNothingRow {
    const char* name;
    QStringList simArgs;
    QList<PromptAnswer> answers;
};

} // namespace

class TestRadioCommands : public QObject {
    Q_OBJECT
    QTemporaryDir xdg_; // backups of completed reads, not in the user's folder

private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg_.path()));
        SetTestReplyTime(kPatientReplyMs);
    }

    void readCompletes() {
        Installation install;
        const QString image = RadioImageFile(install, 17);
        SimProcess sim({"--image", image});
        UseSimPort(install, sim.device);
        qputenv("XDG_DATA_HOME", QFile::encodeName(install.file("xdg")));
        Started run(install);
        MainWindow& w = *run.window;
        ShowStandIn(w, kOptionsForm);
        run.context.model.CurrentFileName = install.file("old.dat");
        run.context.model.IsUntitled = false;
        Trigger(w, "mnuReadFromRadio");
        QCOMPARE(run.prompter.texts(),
                 (QStringList{"Read data from radio.\r\nDo you wish continue?",
                              "Read Data Completed."}));
        QCOMPARE(run.context.model.radio.Options.MicGain, int16_t(17));
        QVERIFY(run.context.model.IsUntitled);
        QCOMPARE(run.context.model.CurrentFileName, QStringLiteral("new.dat"));
        QVERIFY(!w.editors().Find(kOptionsForm)); // every editor closed for the new data
        QVERIFY(!w.findChild<QDialog*>("FrmProgress", Qt::FindDirectChildrenOnly));
        // The read was kept in the backup folder...
        const QDir backups(install.file("xdg/zr4400/backups"));
        const QStringList images = backups.entryList({"*_PK2323.bin"}, QDir::Files);
        QCOMPARE(images.size(), 1);
        QCOMPARE(ReadFile(backups.filePath(images[0])), ReadFile(image));
        // ... and a folder that cannot be made is a warning, not a failed read.
        QVERIFY(WriteFile(install.file("blocked"), "x"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(install.file("blocked")));
        run.prompter.prompts.clear();
        run.prompter.answers << PromptAnswer::No; // the read data was never saved
        Trigger(w, "mnuReadFromRadio");
        QCOMPARE(run.prompter.texts().value(2).section("\r\n", 0, 0),
                 QStringLiteral("The read is complete, but no backup of it could be stored."));
        QCOMPARE(run.prompter.texts().value(3), QStringLiteral("Read Data Completed."));
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg_.path()));
    }

    void backupsOpenRestoreAndCompare() {
        Installation install;
        const QString image = RadioImageFile(install, 17);
        const QString saved = install.file("restored.bin");
        // A radio that keeps one byte of the restore wrong.
        SimProcess sim({"--image", image, "--save", saved, "--bad-store-at", "0x0800"});
        UseSimPort(install, sim.device);
        qputenv("XDG_DATA_HOME", QFile::encodeName(install.file("xdg")));
        // Verify after write is off at first, and remembered once turned on.
        auto run = std::make_unique<Started>(install);
        QVERIFY(!UserSettings().verifyAfterWrite());
        Trigger(*run->window, "mnuVerifyWrite");
        run = std::make_unique<Started>(install);
        QVERIFY(run->window->findChild<QAction*>("mnuVerifyWrite")->isChecked());
        MainWindow& w = *run->window;
        Trigger(w, "mnuReadFromRadio");
        RadioModel& shown = run->context.model;
        shown.radio.Options.MicGain = 5;
        shown.CurrentFileName = install.file("mine.dat");
        shown.IsUntitled = false;
        // A second backup of the same second.
        const QDir backups(install.file("xdg/zr4400/backups"));
        for (const QString& name : backups.entryList(QDir::Files))
            QFile::copy(backups.filePath(name),
                        backups.filePath(QString(name).replace(".", "_2.")));

        // Compared with the backup: the one value that differs.
        QString differences;
        ReadComparison(differences);
        ChooseNewestBackup(w, "cmdCompare");
        QCOMPARE(differences, QStringLiteral("Options MIC: 5 -> 17"));

        // Restored: the confirmation names the backup, the radio gets its
        // image, and the read-back finds the byte the radio kept wrong.
        run->prompter.prompts.clear();
        ChooseNewestBackup(w, "cmdRestore");
        const QStringList said = run->prompter.texts();
        QVERIFY2(said.value(0).startsWith("Write the backup of PK2323 made 20"),
                 qPrintable(said.value(0)));
        QCOMPARE(said.mid(1).join("|"), "Verify failed at 0x0800: 1 byte differs.");
        sim.stop();
        QByteArray expected = ReadFile(image);
        expected[0x0800] = char(expected[0x0800] ^ 0x01);
        QCOMPARE(ReadFile(saved).left(0x3EC0), expected.left(0x3EC0));
        QCOMPARE(shown.radio.Options.MicGain, int16_t(5)); // the data on screen stays
        QVERIFY(shown.IsModified());
        // A backup image that is no longer this model's memory: the reasons,
        // and nothing written but after Yes.
        run->prompter.prompts.clear();
        for (const QString& name : backups.entryList({"*.bin"}))
            WriteFile(backups.filePath(name), QByteArray(kImageSize, char(0xFF)));
        ChooseNewestBackup(w, "cmdRestore");
        QCOMPARE(run->prompter.prompts.size(), 1);
        QCOMPARE(run->prompter.prompts[0].buttons, PromptButtons::YesNoDefaultNo);

        // Opened: the save question first, then the backup's data, untitled.
        run->prompter.prompts.clear();
        run->prompter.answers = {PromptAnswer::No};
        ChooseNewestBackup(w, "cmdOpen");
        QCOMPARE(run->prompter.texts(), QStringList{"File has been modify,save it now?"});
        QCOMPARE(shown.radio.Options.MicGain, int16_t(17));
        QVERIFY(shown.IsUntitled && !shown.IsModified());
        QVERIFY(w.windowTitle().contains("_PK2323_2.dat"));
        Trigger(w, "mnuFileSave"); // proposed among the documents, not the backups
        QCOMPARE(QFileInfo(run->prompter.proposedNames.value(0)).path(),
                 AppPaths::DocumentsFolder());

        // The same data as the radio's image: nothing differs.
        run->prompter.fileNames = {image};
        ReadComparison(differences);
        Trigger(w, "mnuFileCompare");
        QCOMPARE(differences, QStringLiteral("No differences."));
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg_.path()));
    }

    void readCancelledOrFailedChangesNothing_data() {
        AddRows<ReadCancelledOrFailedChangesNothingRow>(
            {{"cancelled at the save question", QStringList{},
              QList<PromptAnswer>{PromptAnswer::Cancel}},
             {"cancelled at the read question", QStringList{},
              QList<PromptAnswer>{PromptAnswer::No, PromptAnswer::Cancel}},
             {"bad block, not started again", QStringList{"--corrupt-checksum-at", "0x0800"},
              QList<PromptAnswer>{PromptAnswer::No, PromptAnswer::Ok, PromptAnswer::Cancel}},
             {"other model", QStringList{"--model", "PK0000"},
              QList<PromptAnswer>{PromptAnswer::No, PromptAnswer::Ok}}});
    }

    void readCancelledOrFailedChangesNothing() {
        QFETCH(ReadCancelledOrFailedChangesNothingRow, row);
        auto [rowName, simArgs, answers] = row;
        SimProcess sim(simArgs);
        Installation install;
        UseSimPort(install, sim.device);
        Started run(install);
        MainWindow& w = *run.window;
        ShowStandIn(w, kOptionsForm);
        RadioModel& model = run.context.model;
        model.radio.Options.MicGain = 9;
        const RadioData before = model.radio;
        run.prompter.answers = answers;
        Trigger(w, "mnuReadFromRadio");
        QVERIFY(model.radio == before);
        // The data had changed: the save question came first.
        QCOMPARE(run.prompter.texts().value(0),
                 QStringLiteral("File has been modify,save it now?"));
        QVERIFY(w.editors().Find(kOptionsForm));
        QVERIFY(!run.prompter.texts().contains("Read Data Completed."));
        QVERIFY(!w.findChild<RadioCommands*>()->link().isPortOpen());
    }

    void writeTakesPendingEdits() {
        const Installation scratch;
        const QString saved = scratch.dir.filePath("written.bin");
        SimProcess sim({"--save", saved});
        Installation install;
        UseSimPort(install, sim.device);
        Started run(install);
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        ShowPendingEditor(w, model);
        Trigger(w, "mnuWriteToRadio");
        QTRY_VERIFY_WITH_TIMEOUT(run.prompter.texts().contains("Write Data Completed."), 20000);
        QCOMPARE(run.prompter.texts().first(),
                 QStringLiteral("Write data to radio.\r\nDo you wish continue?"));
        sim.stop();
        const QByteArray radio = ReadFile(saved);
        QCOMPARE(radio.size(), kImageSize);
        QCOMPARE(uint8_t(radio[0x3F0B]), uint8_t(21)); // the value that was still in edit
    }

    void compareWithRadioKeepsTheData() {
        // The radio read for a comparison: the differences shown, the data
        // on screen and its saved state as they were, the read backed up.
        Installation install;
        SimProcess sim({"--image", RadioImageFile(install, 17)});
        UseSimPort(install, sim.device);
        Started run(install);
        const int16_t before = run.context.model.radio.Options.MicGain;
        QString shown;
        ReadComparison(shown);
        Trigger(*run.window, "mnuCompareRadio");
        QVERIFY2(shown.split('\n').contains(QStringLiteral("Options MIC: %1 -> 17").arg(before)),
                 qPrintable(shown));
        QCOMPARE(run.context.model.radio.Options.MicGain, before);
        QVERIFY(!run.context.model.IsModified());
        QCOMPARE(QDir(install.file("data/zr4400/backups")).entryList({"*.bin"}).size(), 1);
    }

    void unfinishedWriteAtStart() {
        // A write the journal holds as unfinished is told at start: Write
        // Again writes its image and closes it; Dismiss only closes it.
        Installation install; // its own data folder, so its own journal
        const QString saved = install.file("written.bin");
        SimProcess sim({"--save", saved});
        UseSimPort(install, sim.device);
        RadioImage image;
        const QByteArray bytes = ReadFile(RadioImageFile(install, 19));
        std::copy(bytes.begin(), bytes.end(), image.begin());
        const JournalEntry entry{sim.device, "PK2323", "plan.dat", QDateTime::currentDateTime(),
                                 {},         {}};
        QStringList told;
        for (const char* button : {"cmdWriteAgain", "cmdDismiss"}) {
            QVERIFY(!WriteJournal().Open(entry, image).isEmpty());
            bool asked = false;
            WhenModalShows(
                [&](QWidget* box) {
                    told << qobject_cast<QMessageBox*>(box)->text();
                    box->findChild<QPushButton*>(button)->click();
                    asked = true;
                },
                "msgUnfinishedWrite");
            ShownProgram program(install);
            QTRY_VERIFY(asked);
            QVERIFY(!WriteJournal().LastOpen());
            told << program.prompter().texts();
        }
        QVERIFY2(told.first().startsWith("The write of plan.dat into the radio on " + sim.device),
                 qPrintable(told.first()));
        QCOMPARE(told.mid(1), (QStringList{"Write data to radio.\r\nDo you wish continue?",
                                           "Write Data Completed.", told.first()}));
        sim.stop();
        QCOMPARE(uint8_t(ReadFile(saved)[0x3F0B]), uint8_t(19));
    }

    void cancelAsksThenLetsTheRadioGo() {
        // A write at line speed, cancelled while blocks are written: the first
        // time the user says No and it goes on, then Yes.
        SimProcess sim({"--line-rate"});
        Installation install;
        UseSimPort(install, sim.device);
        const QString trace = install.file("trace.log");
        qputenv("ZR4400_TRACE", QFile::encodeName(trace));
        Started run(install);
        qunsetenv("ZR4400_TRACE");
        run.prompter.answers << PromptAnswer::Ok << PromptAnswer::No << PromptAnswer::Yes;
        bool writing = false;
        WhenModalShows([&](QWidget* progress) {
            auto* bar = progress->findChild<QProgressBar*>("ProgressBar1");
            writing = QTest::qWaitFor([bar] { return bar->value() > 0; }, 60000);
            auto* cancel = progress->findChild<QPushButton*>("CommandCancel");
            QTest::mouseClick(cancel, Qt::LeftButton);
            QTest::mouseClick(cancel, Qt::LeftButton);
        });
        Trigger(*run.window, "mnuWriteToRadio"); // starts once the editors are done
        QTRY_VERIFY_WITH_TIMEOUT(run.prompter.texts().size() == 4, 90000);
        QVERIFY(writing);
        const QString stop = "Stop writing? The radio will be left partly written.";
        QCOMPARE(run.prompter.texts().mid(1),
                 (QStringList{stop, stop,
                              "The radio is partly written: write it again before using it."}));
        QVERIFY(!run.window->findChild<RadioCommands*>()->link().isPortOpen());
        const QStringList sent = QString::fromUtf8(ReadFile(trace)).split('\n').filter(" >> ");
        QVERIFY(sent.last().endsWith(">> 45 4E 44")); // END, the last thing sent
    }

    void stopQuestionGoesWhenTheWriteCompletes() {
        // Verify after write on, Cancel while blocks go out, and the write
        // completes under the question: the question is withdrawn (its safe
        // answer, No), the read-back runs, and nothing says "partly written".
        SimProcess sim({});
        Installation install;
        UseSimPort(install, sim.device);
        Started run(install);
        UserSettings().setVerifyAfterWrite(true);
        ScriptedPrompter& p = run.prompter;
        p.answers << PromptAnswer::Ok << PromptAnswer::Yes; // write; stop (never given)
        bool writing = false;
        p.whileAsking = [&p](const QString& text) {
            if (text.startsWith("Stop writing?"))
                (void)QTest::qWaitFor([&p] { return p.withdrawn > 0; }, 60000);
        };
        WhenModalShows([&writing](QWidget* progress) {
            auto* bar = progress->findChild<QProgressBar*>("ProgressBar1");
            writing = QTest::qWaitFor([bar] { return bar->value() > 0; }, 60000);
            QTest::mouseClick(progress->findChild<QPushButton*>("CommandCancel"), Qt::LeftButton);
        });
        Trigger(*run.window, "mnuWriteToRadio");
        QTRY_VERIFY_WITH_TIMEOUT(p.texts().contains("Verified."), 60000);
        QVERIFY(writing);
        QCOMPARE(p.withdrawn, 1);
        QCOMPARE(p.texts().mid(1),
                 (QStringList{"Stop writing? The radio will be left partly written.",
                              "Write Data Completed.", "Verified."}));
    }

    void groupWriteAsksForTheCount() {
        const Installation scratch;
        const QString saved = scratch.dir.filePath("group.bin");
        SimProcess sim({"--save", saved, "--swap-after-write", "2"});
        Installation install;
        UseSimPort(install, sim.device);
        {
            Started plain(install); // offered to dealers only
            QVERIFY(!plain.window->findChild<QAction*>("mnuMWriteToRadio")->isVisible());
        }
        Started run(install, [](AppContext& c) { c.dealerMode = true; });
        run.window->show();
        QVERIFY(run.window->findChild<QAction*>("mnuMWriteToRadio")->isVisible());
        run.prompter.numbers << std::nullopt; // cancelled: nothing happens
        Trigger(*run.window, "mnuMWriteToRadio");
        QCOMPARE(run.prompter.texts(), QStringList{"Number of radios to write:"});
        run.prompter.prompts.clear();
        run.prompter.numbers << 2;
        // Between the radios the window says what to do next.
        QStringList notes;
        WhenModalShows(
            [&notes](QWidget* progress) {
                auto* note = progress->findChild<QLabel*>("lblNote");
                auto* poll = new QTimer(progress);
                QObject::connect(poll, &QTimer::timeout, [note, &notes] {
                    if (!note->text().isEmpty() && !notes.contains(note->text()))
                        notes << note->text();
                });
                poll->start(5);
            },
            "frmMProgress");
        Trigger(*run.window, "mnuMWriteToRadio");
        QCOMPARE(run.prompter.texts().mid(2),
                 (QStringList{"Write Data Completed.", "2 radios written."}));
        QCOMPARE(notes, QStringList{"Radio 1 written. Connect the next radio."});
        sim.stop();
        QVERIFY(QFile::exists(saved + ".1") && QFile::exists(saved + ".2"));
        QVERIFY(!QFile::exists(saved + ".3"));
    }

    void resizeDuringTransferKeepsTheTimeout() {
        const ScopedReplyTime radiosOwn(300);
        SimProcess sim({"--silent-handshakes", "5"});
        Installation install;
        UseSimPort(install, sim.device);
        Started run(install);
        MainWindow& w = *run.window;
        w.show();
        run.prompter.answers << PromptAnswer::Ok << PromptAnswer::Cancel;
        bool resized = false;
        WhenModalShows([&](QWidget* progress) {
            w.resize(w.width() - 40, w.height() - 40);
            resized = true;
            // Were the time-out lost, the transfer would wait for ever: give up on it.
            QTimer::singleShot(3000, progress, [progress] { progress->close(); });
        });
        Trigger(w, "mnuReadFromRadio");
        QVERIFY(resized);
        QCOMPARE(run.prompter.texts().value(1),
                 "Check Connection. Retry or Cancel?\r\nPort: COM99 (" + sim.device + ")");
    }

    void portCannotBeOpened() {
        // A mapped device that is gone, a port number no device is known for,
        // and stored line settings the port cannot be opened with (the radio is there).
        SimProcess sim({});
        const QString reasons = " is not a setting of the port (StopBit: 1 or 2; Handshaking: 0 "
                                "none, 1 XON/XOFF, 2 RTS/CTS).";
        const struct {
            QByteArray settings;
            QString line; // "@": the settings file
        } rows[] = {{"comPort=98\r\n", "COM98 (/nonexistent): not found"},
                    {"comPort=97\r\n", "COM97 (/dev/ttyACM32): not found"},
                    {"comPort=99\r\nStopBit=1.5\r\n", "@: StopBit=1.5" + reasons},
                    {"comPort=99\r\nHandshaking=3\r\n", "@: Handshaking=3" + reasons},
                    {"comPort=99\r\nStopBit=0\r\nHandshaking=1\r\n", "@: StopBit=0" + reasons}};
        for (const auto& [settings, line] : rows) {
            Installation install;
            install.writeSetup(
                "[language]\r\nIsFirstRun=0\r\n" + settings +
                "[ports]\r\nCOM98=/nonexistent\r\nCOM99=" + QFile::encodeName(sim.device) + "\r\n");
            Started run(install);
            Trigger(*run.window, "mnuReadFromRadio");
            QCOMPARE(run.prompter.texts(),
                     QStringList{"Cannot Open Communication Port.\r\n" +
                                 QString(line).replace("@", install.setupPath())});
        }
        // A trace that cannot be written is reported once; the commands go on without it.
        Installation install;
        install.writeSetup(
            "[language]\r\nIsFirstRun=0\r\ncomPort=98\r\n[ports]\r\nCOM98=/nonexistent\r\n");
        qputenv("ZR4400_TRACE", "/nonexistent/dir/trace.log");
        Started run(install);
        qunsetenv("ZR4400_TRACE");
        Trigger(*run.window, "mnuReadFromRadio");
        Trigger(*run.window, "mnuReadFromRadio");
        const QStringList texts = run.prompter.texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0], QStringLiteral("file error.\r\n/nonexistent/dir: not found\r\nThe "
                                          "serial line is not traced."));
        QVERIFY(texts[1].startsWith("Cannot Open Communication Port.") && texts[2] == texts[1]);
    }

    void portListFollowsPortsAndDetects() {
        Installation install;
        Started run(install);
        ScriptedPrompter& p = run.prompter;
        const QList<PortEntry> two{PortEntry::Of(1, "/dev/ttyS0"), PortEntry::Of(2, "/dev/ttyS1")};
        QList<PortEntry> listed = two;
        const PortEntry cable = PortEntry::Of(40, "/dev/ttyUSB7");
        PortEntry locked = PortEntry::Of(3, "/dev/serial/by-id/usb-FTDI_FT232R_A9X1B2-if00-port0");
        locked.mayOpen = false;
        bool fits = false;
        QStringList counts;
        WhenModalShows([&](QWidget* dialog) {
            auto* window = qobject_cast<PortWindow*>(dialog);
            auto* combo = dialog->findChild<QComboBox*>("Combo1");
            QSignalSpy ticks(dialog->findChild<QTimer*>("ReShowComPortTimer"), &QTimer::timeout);
            window->lister = [&] { return listed; };
            QVERIFY(ticks.wait(5000));
            counts << QString::number(combo->count());
            // A port comes while the list is open: the open list stays as it is.
            combo->showPopup();
            listed << PortEntry::Of(3, "/dev/ttyS2");
            QVERIFY(ticks.wait(5000));
            counts << QString::number(combo->count());
            combo->hidePopup();
            QVERIFY(ticks.wait(5000));
            counts << QString::number(combo->count());
            // A port the user may not open: the window grows to tell the fix in full.
            window->lister = [&] { return QList{locked}; };
            auto* device = dialog->findChild<QLabel*>("lblDevice");
            QTRY_VERIFY(device->text().startsWith(locked.path));
            fits =
                dialog->rect().contains(QRect(device->mapTo(dialog, QPoint()), device->size())) &&
                device->height() >= device->heightForWidth(device->width()) &&
                device->contentsRect().width() >=
                    device->fontMetrics().horizontalAdvance(locked.path) &&
                device->text().endsWith(run.context.catalogue.Text(TextId::PortGroupHint));
            // Detect: the cable's port appears once the user has plugged it in.
            listed = two;
            window->lister = [&] { return p.prompts.size() >= 2 ? listed + QList{cable} : listed; };
            dialog->findChild<QPushButton*>("CommandDetect")->click();
            counts << combo->currentText();
            window->detectLimitMs = 300;
            window->lister = [&] { return listed; };
            dialog->findChild<QPushButton*>("CommandDetect")->click();
            dialog->findChild<QPushButton*>("CommandOK")->click();
        });
        Trigger(*run.window, "mnuComm");
        QVERIFY(fits);
        QCOMPARE(counts, (QStringList{"2", "2", "3", "COM40"}));
        QCOMPARE(run.context.settings.comPort, 40);
        const QString unplug = "Unplug the programming cable from the computer, then press OK.";
        const QString plugIn = "Plug the programming cable in, then press OK.";
        QCOMPARE(p.texts(), (QStringList{unplug, plugIn, "The cable is on COM40.", unplug, plugIn,
                                         "No new port appeared within 30 seconds."}));
    }

    void portWindow() {
        SimProcess sim({});
        Installation install;
        UseSimPort(install, sim.device);
        install.writeSetup(install.setup() + "COM97=/dev/null\r\nCOM96=/nonexistent/tty\r\n");
        Started run(install);
        QStringList items;
        QString device;
        WhenModalShows([&](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("Combo1");
            for (int i = 0; i < combo->count(); ++i)
                items << combo->itemText(i);
            device = dialog->findChild<QLabel*>("lblDevice")->text();
            const int at = combo->findText("COM97");
            combo->setCurrentIndex(at);
            emit combo->activated(at);
            dialog->findChild<QPushButton*>("CommandOK")->click();
        });
        Trigger(*run.window, "mnuComm");
        QVERIFY(items.contains("COM99") && items.contains("COM97"));
        QCOMPARE(device, sim.device);
        QCOMPARE(run.context.settings.comPort, 97);
        QVERIFY(install.setup().contains("comPort=97"));
        QCOMPARE(run.window->findChild<QLabel*>("sbPanel3")->text(), QStringLiteral("COM97"));

        // An entry whose device is gone is listed as absent.
        WhenModalShows([&](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("Combo1");
            const int at = combo->findText("COM96");
            combo->setCurrentIndex(at);
            emit combo->activated(at);
            device = dialog->findChild<QLabel*>("lblDevice")->text();
            dialog->findChild<QPushButton*>("CommandCancel")->click();
        });
        Trigger(*run.window, "mnuComm");
        QCOMPARE(device, QStringLiteral("/nonexistent/tty\nabsent"));
    }
};

QTEST_MAIN(TestRadioCommands)
#include "test_radio_commands.moc"
