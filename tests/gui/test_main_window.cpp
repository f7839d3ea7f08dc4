// The main window driven through its real menus, toolbar, tree and panels,
// with scripted answers to its questions and dialogs.

#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "gui/files/print_window.h"
#include "gui/shell/qt_prompter.h"
#include "report/sheet_painter.h"
#include "support/gui_fixture.h"
#include "support/rows.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

namespace {

const QString kSaveQuestion = QStringLiteral("File has been modify,save it now?");

// A toolbar button by its command's id; nullptr when the toolbar lacks it.
QAction* Button(MainWindow& w, const char* id) {
    QAction* action = w.findChild<QAction*>(QLatin1String(id));
    return w.findChild<QToolBar*>("tbToolBar")->actions().contains(action) ? action : nullptr;
}

// A data file holding MicGain 33, the value no start-up gives.
QString WriteOtherFile(const Installation& install, const AppContext& context) {
    RadioModel other;
    InitialiseData(other, context.paths.InitFolder());
    other.radio.Options.MicGain = 33;
    const QString path = install.file("other.dat");
    return WriteDataFilePair(path, other.radio, other.channels) == FileStatus::Ok ? path
                                                                                  : QString();
}

struct PendingRow {
    const char* name;
    const char* command;
    PromptAnswer answer;
    bool saved, closed;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void panelsAndTreeNodes() {
        Fresh<ShownProgram> program;
        QVERIFY(program.shown);
        MainWindow& w = program.window();
        QWidget* panel = w.findChild<QWidget*>("Picture1");
        const QList<std::pair<const char*, QWidget*>> toggles{
            {"mnuTreeView", panel},
            {"mnuViewToolbar", w.findChild<QToolBar*>("tbToolBar")},
            {"mnuViewStatusBar", w.statusBar()}};
        for (const auto& [name, widget] : toggles) {
            QAction* item = w.findChild<QAction*>(name);
            for (const bool shown : {false, true}) {
                item->trigger();
                QCOMPARE(Values(widget->isVisible(), item->isChecked()), Values(shown, shown));
            }
        }
        // The panel's own close button, then the menu brings it back.
        w.findChild<QToolBar*>("Toolbar1")->findChild<QAction*>(QStringLiteral("删除"))->trigger();
        QVERIFY(!panel->isVisible() && !w.findChild<QAction*>("mnuTreeView")->isChecked());
        Trigger(w, "mnuTreeView");
        QVERIFY(panel->isVisible());

        // A node opens its editor, once.
        QTreeWidget* tree = w.findChild<QTreeWidget*>("TreeView1");
        QTreeWidgetItem* root = tree->topLevelItem(0);
        emit tree->itemClicked(root->child(0), 0); // the channel editor, already open
        QCOMPARE(w.editors().subWindowList().size(), 1);
        emit tree->itemClicked(root->child(2), 0);
        QVERIFY(w.editors().subWindowList().size() == 2 && w.editors().Find(kToneForm));
        Trigger(w, "mnuCloseAll");
        QVERIFY(w.editors().subWindowList().isEmpty());
    }

    void saveFlows() {
        Fresh<Started> run;
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        ScriptedPrompter& p = run.prompter;
        const QString path = run.file("mine.dat");

        // Untitled: Save goes to the dialog; cancelling it changes nothing.
        Trigger(w, "mnuFileSave");
        QVERIFY(!QFileInfo::exists(path) && model.IsUntitled);

        p.fileNames << path;
        Trigger(w, "mnuFileSave");
        QVERIFY(QFileInfo::exists(path) && !model.IsUntitled && p.prompts.isEmpty());

        // Titled: the overwrite question names the file without its folder.
        model.radio.Options.MicGain = 7;
        p.answers << PromptAnswer::Cancel << PromptAnswer::Ok;
        Button(w, "mnuFileSave")->trigger();
        QCOMPARE(p.texts(), QStringList{"\"mine.dat\"file will be Overwrite,Continue?"});
        QCOMPARE(p.prompts[0].buttons, PromptButtons::OkCancel);
        QVERIFY(model.IsModified());
        Trigger(w, "mnuFileSave");
        QVERIFY(!model.IsModified());

        p.fileNames << run.file("copy.dat");
        Trigger(w, "mnuFileSaveAs");
        QVERIFY(QFileInfo::exists(run.file("copy.fre")) &&
                model.CurrentFileName == run.file("copy.dat"));

        // A name without ".dat" gets it; a companion's name is refused.
        p.fileNames << run.file("mybackup") << run.file("copy.fre");
        Trigger(w, "mnuFileSaveAs");
        QVERIFY(QFileInfo::exists(run.file("mybackup.dat")) &&
                QFileInfo::exists(run.file("mybackup.fre")));
        QCOMPARE(model.CurrentFileName, run.file("mybackup.dat"));
        Trigger(w, "mnuFileSaveAs");
        QVERIFY(p.texts().last().contains("cannot end in \".fre\""));
        QCOMPARE(model.CurrentFileName, run.file("mybackup.dat"));

        // "copy" becomes copy.dat, which exists: asked about that name; Cancel keeps it.
        const QByteArray copy = ReadFile(run.file("copy.dat"));
        model.radio.Options.MicGain = 9;
        p.prompts.clear();
        p.answers << PromptAnswer::Cancel;
        p.fileNames << run.file("copy");
        Trigger(w, "mnuFileSaveAs");
        QCOMPARE(p.texts(), QStringList{"\"copy.dat\"file will be Overwrite,Continue?"});
        QVERIFY(ReadFile(run.file("copy.dat")) == copy &&
                model.CurrentFileName == run.file("mybackup.dat"));

        // A companion another data file shares is not saved through: Save As is offered.
        QVERIFY(QFile::copy(run.file("copy.dat"), run.file("mybackup.old")));
        p.prompts.clear();
        Trigger(w, "mnuFileSave");
        QVERIFY(p.texts().value(1).endsWith("Choose another name.") && model.IsModified());
        QCOMPARE(p.proposedNames.last(), run.file("mybackup.dat"));
        QVERIFY(QFile::remove(run.file("mybackup.old")));

        // A Save As that fails keeps the name, the caption and the changed mark.
        model.radio.Options.MicGain = 8;
        p.prompts.clear();
        p.fileNames << run.file("no/such/folder/lost.dat");
        Trigger(w, "mnuFileSaveAs");
        QCOMPARE(p.texts(),
                 QStringList{"file error.\r\n" + run.file("no/such/folder") + ": not found"});
        QVERIFY(model.CurrentFileName == run.file("mybackup.dat") && model.IsModified());
    }

    void droppedAndRecentFilesOpen() {
        Fresh<Started> run;
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        const QString other = WriteOtherFile(run, run.context);
        // A data file dropped on the window: the save question, then opened.
        model.radio.Options.MicGain = 12;
        run.prompter.answers << PromptAnswer::No;
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &drop);
        QTRY_COMPARE(model.radio.Options.MicGain, int16_t(33));
        QCOMPARE(run.prompter.texts(), QStringList{kSaveQuestion});

        // Saved under another name: both listed, newest first; a file that is
        // gone is not offered.
        run.prompter.fileNames << run.file("second.dat");
        Trigger(w, "mnuFileSaveAs");
        QVERIFY(QFile::remove(run.file("other.fre")) && QFile::remove(other));
        auto* recent = w.findChild<QMenu*>("mnuFileRecent");
        emit recent->aboutToShow();
        QStringList offered;
        for (const QAction* a : recent->actions())
            offered << a->text();
        QCOMPARE(offered, QStringList{"&1 second.dat"});
        // Chosen from the list: opened as File > Open would.
        model.radio.Options.MicGain = 7;
        run.prompter.prompts.clear();
        run.prompter.answers << PromptAnswer::No;
        recent->actions().first()->trigger();
        QVERIFY(model.radio.Options.MicGain == 33 &&
                model.CurrentFileName == run.file("second.dat"));
        // A text file dropped is refused at the door.
        mime.setUrls({QUrl::fromLocalFile(run.file("notes.txt"))});
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        refused.setAccepted(false);
        QApplication::sendEvent(&w, &refused);
        QVERIFY(!refused.isAccepted());
    }

    void openAsksFirst() {
        // Open with unsaved work: cancel keeps it, No drops it, Yes saves it first
        // (untitled: the save dialog comes first, and cancelling it opens nothing).
        const struct {
            PromptAnswer answer;
            QString saveName;
            bool opened;
        } rows[] = {{PromptAnswer::Cancel, "", false},
                    {PromptAnswer::No, "", true},
                    {PromptAnswer::Yes, "before.dat", true},
                    {PromptAnswer::Yes, "", false}};
        for (const auto& [answer, saveName, opened] : rows) {
            Fresh<Started> run;
            MainWindow& w = *run.window;
            w.editors().Register(kChannelInfoForm, [] { return new QLabel(QStringLiteral("e")); });
            RadioModel& model = run.context.model;
            const QString source = WriteOtherFile(run, run.context);
            model.radio.Options.MicGain = 12;
            run.prompter.answers << answer;
            if (answer == PromptAnswer::Yes)
                run.prompter.fileNames << (saveName.isEmpty() ? "" : run.file(saveName));
            run.prompter.fileNames << source;
            Trigger(w, "mnuFileOpen");
            QCOMPARE(Values(run.prompter.texts().value(0) == kSaveQuestion,
                            run.prompter.prompts[0].buttons == PromptButtons::YesNoCancel,
                            QFileInfo::exists(run.file("before.dat")), model.radio.Options.MicGain,
                            model.IsUntitled),
                     Values(true, true, !saveName.isEmpty(), opened ? 33 : 12, !opened));
            QVERIFY(!opened || w.editors().Find(kChannelInfoForm));
        }
    }

    void newInitialSettingAndRefusedFiles() {
        Fresh<Started> run;
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        ScriptedPrompter& p = run.prompter;
        // Not modified: straight to the dialog; a refused file leaves everything as it was.
        QVERIFY(WriteFile(run.file("bad.dat"), "not a data file"));
        p.fileNames = {run.file("bad.dat")};
        Button(w, "mnuFileOpen")->trigger();
        QVERIFY(p.texts().size() == 1 && p.texts()[0].startsWith("Unknown version Of DataFile!"));
        QCOMPARE(run.context.model.CurrentFileName, QStringLiteral("new.dat"));
        // Unchanged data: the toolbar's New asks nothing.
        p.prompts.clear();
        Button(w, "tbFileNew")->trigger();
        QVERIFY(p.prompts.isEmpty());

        // Changed data: New (menu and toolbar) and Initial Setting ask to save first, and
        // Cancel stops them; the menu's New then asks before it clears.
        model.radio.Options.MicGain = 12;
        p.answers << PromptAnswer::Cancel << PromptAnswer::Cancel << PromptAnswer::Cancel
                  << PromptAnswer::No << PromptAnswer::Cancel;
        Trigger(w, "mnuFileNew");
        Button(w, "tbFileNew")->trigger();
        Trigger(w, "MnuInitial");
        Trigger(w, "mnuFileNew");
        QCOMPARE(p.texts(), (QStringList{kSaveQuestion, kSaveQuestion, kSaveQuestion, kSaveQuestion,
                                         "All data will be cleared."}));
        QVERIFY(p.prompts[4].icon == PromptIcon::Warning && model.radio.Options.MicGain == 12);

        // A file of another model: New and Initial Setting still load this program's
        // initial data and start an untitled document, so Save can't write over the
        // opened file.
        p.answers << PromptAnswer::No; // the changes above go
        RadioModel other;
        InitialiseData(other, run.context.paths.InitFolder());
        other.ModelCode = QStringLiteral("QX7001");
        other.CommitToSnapshot();
        other.radio.Options.MicGain = 33;
        const QString path = run.file("other.dat");
        QCOMPARE(WriteDataFilePair(path, other.radio, other.channels), FileStatus::Ok);
        for (const char* command : {"mnuFileNew", "MnuInitial"}) {
            p.fileNames << path;
            Trigger(w, "mnuFileOpen");
            QCOMPARE(model.radio.Options.MicGain, int16_t(33));
            const bool isNew = QByteArray(command) == "mnuFileNew";
            if (isNew)
                p.answers << PromptAnswer::Ok;
            Trigger(w, command);
            QCOMPARE(Values(model.radio.Options.MicGain, model.IsModified(), model.IsUntitled),
                     "30 false true");
        }
        p.fileNames << run.file("copy.dat");
        Trigger(w, "mnuFileSave");
        QCOMPARE(p.proposedNames, QStringList{"new.dat"});

        // Without the initial files New and Initial Setting say so and change nothing.
        for (const QString& name : QDir(run.context.paths.InitFolder()).entryList(QDir::Files))
            QVERIFY(QFile::remove(run.context.paths.InitFolder() + "/" + name));
        model.radio.Options.MicGain = 12;
        p.prompts.clear();
        p.answers << PromptAnswer::No << PromptAnswer::Ok << PromptAnswer::Ok << PromptAnswer::No;
        Trigger(w, "mnuFileNew");
        Trigger(w, "MnuInitial");
        const QString missing = "file error.\r\n" + run.context.paths.InitFolder();
        QCOMPARE(p.texts(), (QStringList{kSaveQuestion, "All data will be cleared.",
                                         missing + "/1_PK2323_New.dat: not found", kSaveQuestion,
                                         missing + "/1_PK2323.dat: not found"}));
        QVERIFY(model.radio.Options.MicGain == 12 && model.IsModified());
    }

    // Starting the version a file needs ends this program: the save question comes first.
    void otherVersionAsksToSaveFirst() {
        Installation install;
        QVERIFY(WriteFile(install.file("base/Version.ini"),
                          "[Version]\r\nFirmVersionCount=2\r\n[Firm]\r\nFirm0=V100V100\r\n"
                          "Firm1=V101V101\r\n"));
        // The installed V101 program leaves a mark when it is started.
        const QString other = install.file("base/V101/PK_517/") +
                              QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QVERIFY(QDir().mkpath(QFileInfo(other).path()));
        QVERIFY(WriteFile(other, "#!/bin/sh\ntouch \"$0.started\"\n"));
        QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ShownProgram program(install);
        const QString newer = WriteOtherFile(install, program.run.context);
        QVERIFY(WriteFile(newer, ReadFile(newer).replace(0, 4, "V101")));
        program.data().Options.MicGain = 12;
        program.prompter().answers << PromptAnswer::No << PromptAnswer::Yes << PromptAnswer::Cancel;
        program.prompter().fileNames << newer;
        Trigger(program.window(), "mnuFileOpen");
        const QStringList texts = program.prompter().texts();
        QVERIFY(texts.size() == 3 && texts[1].contains("DataFile version is V1.01") &&
                texts[2] == kSaveQuestion);
        QVERIFY(program.window().isVisible() && !QFileInfo::exists(other + ".started") &&
                program.data().Options.MicGain == 12);
        // Listed but not installed: the message says where it was looked for.
        QVERIFY(QFile::remove(other));
        program.prompter().prompts.clear();
        program.prompter().answers << PromptAnswer::No << PromptAnswer::Yes;
        program.prompter().fileNames << newer;
        Trigger(program.window(), "mnuFileOpen");
        QCOMPARE(program.prompter().texts().value(2),
                 "Fail to start the software. This version does not exist.\r\n" + other +
                     ": not found");
    }

    // A value still being typed counts: saved, or the question comes; exit
    // ends only when the data may go.
    void pendingEditsCountBeforeFileCommands_data() {
        AddRows<PendingRow>({{"save", "mnuFileSave", PromptAnswer::Cancel, true, false},
                             {"save as", "mnuFileSaveAs", PromptAnswer::Cancel, true, false},
                             {"open", "mnuFileOpen", PromptAnswer::Cancel, false, false},
                             {"exit cancelled", "mnuFileExit", PromptAnswer::Cancel, false, false},
                             {"exit", "mnuFileExit", PromptAnswer::No, false, true}});
    }

    void pendingEditsCountBeforeFileCommands() {
        QFETCH(PendingRow, row);
        Fresh<ShownProgram> program;
        ShowPendingEditor(program.window(), program.model());
        QVERIFY(!program.model().IsModified());
        const QString path = program.file("pending.dat");
        program.prompter().fileNames << path;
        program.prompter().answers << row.answer;
        Trigger(program.window(), row.command);
        QCOMPARE(program.window().isVisible(), !row.closed);
        if (!row.saved) {
            QCOMPARE(program.prompter().texts(), QStringList{kSaveQuestion});
            return;
        }
        Started reopened(program);
        reopened.context.model.CurrentFileName = path;
        QCOMPARE(OpenDataFile(reopened.context.model, reopened.context.versions,
                              reopened.context.catalogue, reopened.prompter),
                 OpenResult::Loaded);
        QCOMPARE(reopened.context.model.radio.Options.MicGain, int16_t(21));
    }

    void languageChange() {
        Installation install;
        install.writeSetup("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=2\r\n");
        Started run(install);
        MainWindow& w = *run.window;
        w.editors().Register(kChannelInfoForm, [] { return new QLabel(QStringLiteral("e")); });
        w.LoadNewDoc();
        ShowStandIn(w, kOptionsForm);
        // Setup > Language Setup: English, Chinese again, OK alone. A change is stored and
        // leaves a fresh channel editor alone open; no change leaves the windows be.
        QStringList seen;
        for (const int pick : {0, 1, -1}) {
            WhenModalShows([&](QWidget* dialog) {
                auto* combo = dialog->findChild<QComboBox*>("Combo1");
                seen << combo->currentText();
                if (pick >= 0)
                    combo->setCurrentIndex(pick);
                dialog->findChild<QPushButton*>("Command1")->click();
            });
            Trigger(w, "mnuLanguage");
            seen << w.findChild<QAction*>("mnuFile")->text()
                 << QString::number(w.editors().Forms().size())
                 << QString::number(install.setup().contains("CurrentLanguage=1"));
            w.editors().Show(kOptionsForm);
        }
        QCOMPARE(seen.join(' '), "中文 &File 1 1 English 文件(&F) 1 0 中文 文件(&F) 2 0");
        QVERIFY(w.findChild<QAction*>("mnuLanguage")->isVisible());
    }

    void firstRunAndAWindowOffEveryScreen() {
        Installation install;
        install.writeSetup("; user settings\r\n[language]\r\nIsFirstRun=1\r\ncomPort=3\r\n"
                           "Handshaking=2\r\nStopBit=2\r\nCurrentLanguage=2\r\n");
        // Stored on a monitor that is gone: back on the primary screen.
        QSettings store;
        store.setValue("Settings/MainLeft", "900000");
        store.setValue("Settings/MainTop", "-900000");
        store.sync();
        Started first(install);
        // first start: English whatever is stored; port and handshaking as stored
        QCOMPARE(Values(first.context.catalogue.CurrentLanguage, first.context.settings.comPort,
                        first.context.settings.Handshaking),
                 "1 3 2");
        QCOMPARE(install.setup(), QByteArray("; user settings\r\n[language]\r\nIsFirstRun=0\r\n"
                                             "comPort=3\r\nHandshaking=2\r\nStopBit=2\r\n"
                                             "CurrentLanguage=1\r\n"));
        QVERIFY(
            QGuiApplication::primaryScreen()->availableGeometry().contains(first.window->pos()));
    }

    void numbersIgnoreTheUserLocale() {
        // A user whose numbers use "," (as under LC_ALL=de_DE.UTF-8).
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        Installation install;
        install.writeSetup("[language]\r\nIsFirstRun=0\r\ncomPort=2\r\nCurrentLanguage=1\r\n");
        Started run(install);
        QLocale::setDefault(german); // whatever the default, numbers keep their "."
        QVERIFY(run.window->windowTitle().contains("28.0000 - 29.6990"));
        QCOMPARE(Values(run.context.model.BandHighMHz, FormatFixed(27.185, 4),
                        ParseNumber(QStringLiteral("27.185"))),
                 "29.699 27.1850 27.185");

        run.context.model.radio.BandFlag = 0;
        run.context.model.ApplyBandFlag();
        QCOMPARE(run.context.model.BandLowMHz, 25.615);
        const QString path = install.file("de.dat");
        run.prompter.fileNames << path;
        Trigger(*run.window, "mnuFileSaveAs");
        Started again(install);
        again.context.model.CurrentFileName = path;
        QCOMPARE(OpenDataFile(again.context.model, again.context.versions, again.context.catalogue,
                              again.prompter),
                 OpenResult::Loaded);
        QCOMPARE(Values(again.context.model.BandText, again.context.model.BandHighMHz,
                        install.setup().contains("comPort=2")),
                 "25.6150 - 30.1050 MHz 30.105 true");
        QLocale::setDefault(QLocale::c());
    }

    void printPreviewAndPrintToFile() {
        // The sheet of two groups as the preview shows it and as the print
        // dialog's file output gets it: as many pages as the same sheet's PDF.
        Fresh<ShownProgram> program;
        RadioModel& model = program.model();
        for (int n = 2; n <= 40; ++n)
            model.AppendChannel(n, 1, 1, QStringLiteral("28.%1").arg(n * 10, 4, 10, QChar('0')));
        const auto chooseTwoGroups = [](QWidget* window) {
            window->findChild<QPushButton*>("cmdClearAll")->click();
            auto* groups = window->findChild<QListWidget*>("lstGroups");
            for (int i = 0; i < groups->count(); ++i)
                if (groups->item(i)->text().startsWith("CB A") ||
                    groups->item(i)->text().startsWith("HF A"))
                    groups->item(i)->setCheckState(Qt::Checked);
            window->findChild<QPushButton*>("cmdOk")->click();
        };
        int previewPages = 0;
        WhenModalShows(
            [&](QWidget* window) {
                WhenModalShows([&](QWidget* preview) {
                    auto* shown = preview->findChild<QPrintPreviewWidget*>();
                    QVERIFY(QTest::qWaitFor([&] { return shown->pageCount() > 0; }));
                    previewPages = shown->pageCount();
                    preview->close();
                });
                chooseTwoGroups(window);
            },
            "frmPrint");
        Trigger(program.window(), "mnuFilePrintPreview");
        const QString printed = program.run.context.paths.BaseFolder + "/printed.pdf";
        WhenModalShows(
            [&](QWidget* window) {
                WhenModalShows([&](QWidget* dialog) {
                    qobject_cast<QPrintDialog*>(dialog)->printer()->setOutputFileName(printed);
                    qobject_cast<QPrintDialog*>(dialog)->done(QDialog::Accepted);
                });
                chooseTwoGroups(window);
            },
            "frmPrint");
        Trigger(program.window(), "mnuFilePrint");
        // The choice was kept: the same two groups, the options and the tones.
        PrintWindow again(model, program.run.context.catalogue);
        const SheetChoice kept = again.choice();
        QCOMPARE(kept.groups.size(), 2);
        const QByteArray pdf =
            SheetPdf(ComposeSheet(model, kept, program.run.context.catalogue, QDate::currentDate()),
                     QPageSize::A4);
        const int pages = QString::fromLatin1(pdf).count(QRegularExpression("/Type /Page\\b"));
        QVERIFY(pages > 1);
        QCOMPARE(previewPages, pages);
        QCOMPARE(QString::fromLatin1(ReadFile(printed)).count(QRegularExpression("/Type /Page\\b")),
                 pages);
    }

    void fileDialogsStartInTheLastFolder() {
        Installation install; // its own settings store: no folder used yet
        QtPrompter prompter(QStringLiteral("ZR-4400"));
        const QString chosen = install.file("plans/mine.dat");
        QVERIFY(QDir().mkpath(install.file("plans")));
        WhenModalShows([&](QWidget* modal) {
            // The name typed into the dialog's own box, then Save.
            modal->findChild<QLineEdit*>("fileNameEdit")->setText(chosen);
            QMetaObject::invokeMethod(modal, "accept");
        });
        QCOMPARE(prompter.saveFileName("new.dat", "Data File (*.dat)|*.dat"), chosen);
        QVERIFY(WriteFile(chosen, "x"));
        QString folder;
        WhenModalShows([&](QWidget* modal) {
            folder = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
            modal->close();
        });
        QCOMPARE(prompter.openFileName("Data File (*.dat)|*.dat"), QString());
        QCOMPARE(folder, install.file("plans"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
