// The main window driven through its real menus, toolbar, tree and splitter,
// with scripted answers to its questions and dialogs.

#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/session/editor_hooks.h"
#include "gui/shell/main_menu_table.h"
#include "gui/widgets/twips.h"
#include "support/gui_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QAction* Item(MainWindow& w, const char* name) {
    QAction* a = w.findChild<QAction*>(QLatin1String(name));
    Q_ASSERT(a);
    return a;
}

QAction* Button(MainWindow& w, const char* key) {
    return w.findChild<QToolBar*>("tbToolBar")->findChild<QAction*>(QString::fromUtf8(key));
}

// A stand-in editor window registered under a real editor's name.
void RegisterEditor(MainWindow& w, const QString& name) {
    w.RegisterChildForm(name, [] { return new QLabel(QStringLiteral("editor")); });
}

void Drag(QWidget* handle, int dx) {
    const QPointF start(2, 10);
    const QPointF global = handle->mapToGlobal(start);
    QMouseEvent press(QEvent::MouseButtonPress, start, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    const QPointF to = start + QPointF(dx, 0);
    QMouseEvent move(QEvent::MouseMove, to, handle->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, handle->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void hiddenCommands_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        for (const char* hidden : {"mnuWindowTileHorizontal",
                                   "mnuWindowTileVertical",
                                   "mnuWindowArrangeIcons",
                                   "mnuTools",
                                   "mnuFleetSync",
                                   "mnuTestFre",
                                   "mnuTest",
                                   "mnuDTMF",
                                   "mnuEmbeddedMsg",
                                   "mnuEMG",
                                   "mnuMWriteToRadio",
                                   "mnuFilePrint",
                                   "mnuModel",
                                   "MnuBand",
                                   "mnuKeyAssignm",
                                   "mnuScanInfo",
                                   "mnuLanguage",
                                   "mnuHelpTopic",
                                   "MnuInitialBand1",
                                   "MnuInitialBand2",
                                   "mnuFileBar1",
                                   "mnuEditBar1",
                                   "mnuEditBar2",
                                   "mnuWindowBar1",
                                   "mnuHelpBar0"})
            QTest::newRow(hidden) << hidden << false;
        for (const char* shown :
             {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileExit",
              "mnuChannelInfo", "mnuOptFeature", "mnuToneTips", "mnuReadFromRadio",
              "mnuWriteToRadio", "mnuComm", "MnuInitial", "mnuTreeView", "mnuViewToolbar",
              "mnuViewStatusBar", "mnuWindowCascade", "mnuCloseAll", "mnuHelpAbout"})
            QTest::newRow(shown) << shown << true;
    }

    void hiddenCommands() {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        Installation install;
        Started run(install);
        QCOMPARE(Item(*run.window, qPrintable(name))->isVisible(), visible);
        const QList<QAction*> buttons = run.window->findChild<QToolBar*>("tbToolBar")->actions();
        QCOMPARE(buttons.at(10)->objectName(), QStringLiteral("MWriteRadio"));
        QVERIFY(!buttons.at(10)->isVisible());
    }

    void captionsFollowLanguage() {
        Installation install;
        {
            Started run(install);
            QCOMPARE(run.window->windowTitle(),
                     QStringLiteral("ZR-4400[28.0000 - 29.6990 MHz][File Name:new.dat]"));
            QCOMPARE(Item(*run.window, "mnuFileSaveAs")->text(), QStringLiteral("Save &As"));
            QCOMPARE(Item(*run.window, "mnuToneTips")->text(), QStringLiteral("&Roger Beep"));
            QCOMPARE(Button(*run.window, "打开")->toolTip(), QStringLiteral("Open"));
            QCOMPARE(run.window->findChild<QLabel*>("sbPanel3")->text(), QStringLiteral("COM1"));
        }
        install.writeSetup("[language]\r\nIsFirstRun=0\r\ncomPort=4\r\nCurrentLanguage=2\r\n");
        Started run(install);
        QCOMPARE(run.window->windowTitle(),
                 QStringLiteral("ZR-4400[28.0000 - 29.6990 MHz][文件名:new.dat]"));
        int count = 0;
        const MenuEntry* entries = MainMenuEntries(&count);
        for (int i = 0; i < count; ++i) {
            if (entries[i].kind == MenuKind::Separator ||
                entries[i].captionKind == MenuCaption::Fixed)
                continue;
            const QString text = Item(*run.window, entries[i].name)->text();
            QVERIFY2(text.contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")), entries[i].name);
        }
        QCOMPARE(Item(*run.window, "mnuFile")->text(), QStringLiteral("文件&F"));
        QCOMPARE(Button(*run.window, "打开")->toolTip(), QStringLiteral("打开"));
        QCOMPARE(run.window->findChild<QLabel*>("sbPanel3")->text(), QStringLiteral("通信口4"));
        const QTreeWidgetItem* root =
            run.window->findChild<QTreeWidget*>("TreeView1")->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("机型信息"));
        QCOMPARE(root->child(0)->text(0), QStringLiteral("信道信息"));
        QCOMPARE(root->child(2)->text(0), QStringLiteral("RB音"));
    }

    void treeToolbarAndStatusToggles() {
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* panel = w.findChild<QWidget*>("Picture1");
        QAction* treeView = Item(w, "mnuTreeView");
        QVERIFY(panel->isVisible() && treeView->isChecked());
        treeView->trigger();
        QVERIFY(!panel->isVisible() && !treeView->isChecked());
        treeView->trigger();
        QVERIFY(panel->isVisible() && treeView->isChecked());
        // The panel's own close button, then the menu brings it back.
        w.findChild<QToolBar*>("Toolbar1")->findChild<QAction*>(QStringLiteral("删除"))->trigger();
        QVERIFY(!panel->isVisible() && !treeView->isChecked());
        treeView->trigger();
        QVERIFY(panel->isVisible() && treeView->isChecked());

        QToolBar* toolbar = w.findChild<QToolBar*>("tbToolBar");
        Item(w, "mnuViewToolbar")->trigger();
        QVERIFY(!toolbar->isVisible() && !Item(w, "mnuViewToolbar")->isChecked());
        Item(w, "mnuViewToolbar")->trigger();
        QVERIFY(toolbar->isVisible());
        Item(w, "mnuViewStatusBar")->trigger();
        QVERIFY(!w.statusBar()->isVisible());
        Item(w, "mnuViewStatusBar")->trigger();
        QVERIFY(w.statusBar()->isVisible());
    }

    void splitterKeepsMinimumWidth() {
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QWidget* panel = w.findChild<QWidget*>("Picture1");
        QWidget* handle = w.findChild<QWidget*>("CommandMove");
        const int minimum = TwipsToPixels(&w, 300);
        const int start = panel->width();
        Drag(handle, 60);
        QCOMPARE(panel->width(), start + 60);
        Drag(handle, minimum + 5 - panel->width());
        QCOMPARE(panel->width(), minimum + 5);
        Drag(handle, -10); // would go below the minimum: stays at the last allowed width
        QCOMPARE(panel->width(), minimum + 5);
        Drag(handle, 10 * w.width()); // never wider than the window
        QCOMPARE(panel->width(), minimum + 5);
    }

    void treeNodesOpenEditorsOnce() {
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        RegisterEditor(w, kChannelInfoForm);
        RegisterEditor(w, kToneForm);
        w.LoadNewDoc();
        QCOMPARE(w.mdiArea()->subWindowList().size(), 1);
        QTreeWidget* tree = w.findChild<QTreeWidget*>("TreeView1");
        QTreeWidgetItem* root = tree->topLevelItem(0);
        emit tree->itemClicked(root->child(0), 0); // "N1"
        QCOMPARE(w.mdiArea()->subWindowList().size(), 1);
        emit tree->itemClicked(root->child(2), 0); // "N12"
        QCOMPARE(w.mdiArea()->subWindowList().size(), 2);
        QVERIFY(w.FindChildForm(kToneForm));
        Item(w, "mnuCloseAll")->trigger();
        QVERIFY(w.mdiArea()->subWindowList().isEmpty());
    }

    void saveFlows() {
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        const QString path = install.file("mine.dat");

        // Untitled: Save goes to the dialog; cancelling it changes nothing.
        Item(w, "mnuFileSave")->trigger();
        QCOMPARE(run.prompter.proposedNames, QStringList{"new.dat"});
        QVERIFY(!QFileInfo::exists(path) && model.IsUntitled);
        QCOMPARE(run.prompter.dialogFilters, QStringList{"Data File (*.dat)|*.dat"});

        run.prompter.fileNames << path;
        Item(w, "mnuFileSave")->trigger();
        QVERIFY(QFileInfo::exists(path) && !model.IsUntitled);
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("ZR-4400[28.0000 - 29.6990 MHz][File Name:mine.dat]"));
        QVERIFY(run.prompter.prompts.isEmpty());

        // Titled: the overwrite question names the file without its folder.
        model.radio.Options.MicGain = 7;
        run.prompter.answers << PromptAnswer::Cancel;
        Button(w, "保存")->trigger();
        QCOMPARE(run.prompter.texts(), QStringList{"\"mine.dat\"file will be Overwrite,Continue?"});
        QCOMPARE(run.prompter.prompts[0].buttons, PromptButtons::OkCancel);
        QVERIFY(model.IsModified());
        run.prompter.answers << PromptAnswer::Ok;
        Item(w, "mnuFileSave")->trigger();
        QVERIFY(!model.IsModified());

        // Save As to a second name.
        run.prompter.fileNames << install.file("copy.dat");
        Item(w, "mnuFileSaveAs")->trigger();
        QVERIFY(QFileInfo::exists(install.file("copy.fre")));
        QCOMPARE(model.CurrentFileName, install.file("copy.dat"));
    }

    void openFlows_data() {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("savedFirst");
        QTest::newRow("cancel") << PromptAnswer::Cancel << false << false;
        QTest::newRow("no") << PromptAnswer::No << true << false;
        QTest::newRow("yes") << PromptAnswer::Yes << true << true;
    }

    void openFlows() {
        QFETCH(PromptAnswer, answer);
        QFETCH(bool, opened);
        QFETCH(bool, savedFirst);
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        RegisterEditor(w, kChannelInfoForm);
        RadioModel& model = run.context.model;

        // A file to open, holding a recognisable value.
        RadioModel other;
        InitialiseData(other, run.context.paths.InitFolder());
        other.radio.Options.MicGain = 33;
        other.CommitToSnapshot();
        const QString source = install.file("other.dat");
        QCOMPARE(WriteDataFilePair(source, other.SavedRadioData, other.SavedChannelTable),
                 FileStatus::Ok);

        model.radio.Options.MicGain = 12; // unsaved work
        run.prompter.answers << answer;
        if (savedFirst)
            run.prompter.fileNames << install.file("before.dat"); // untitled: Save As first
        run.prompter.fileNames << source;
        Item(w, "mnuFileOpen")->trigger();
        QCOMPARE(run.prompter.texts().value(0),
                 QStringLiteral("File has been modify,save it now?"));
        QCOMPARE(run.prompter.prompts[0].buttons, PromptButtons::YesNoCancel);
        QCOMPARE(QFileInfo::exists(install.file("before.dat")), savedFirst);
        QCOMPARE(model.radio.Options.MicGain, int16_t(opened ? 33 : 12));
        QCOMPARE(model.IsUntitled, !opened);
        if (opened) {
            QCOMPARE(w.windowTitle(),
                     QStringLiteral("ZR-4400[28.0000 - 29.6990 MHz][File Name:other.dat]"));
            QVERIFY(w.FindChildForm(kChannelInfoForm));
        }

        // Not modified: straight to the dialog; a refused file leaves everything as it was.
        ScriptedPrompter& p = run.prompter;
        p.prompts.clear();
        QFile bad(install.file("bad.dat"));
        bad.open(QIODevice::WriteOnly);
        bad.write("not a data file");
        bad.close();
        model.CommitToSnapshot();
        const QString before = model.CurrentFileName;
        p.fileNames = {install.file("bad.dat")};
        Button(w, "打开")->trigger();
        QCOMPARE(p.texts(), QStringList{"Unknown version Of DataFile!"});
        QCOMPARE(model.CurrentFileName, before);
    }

    void newFlows() {
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        model.radio.Options.MicGain = 12;
        run.prompter.answers << PromptAnswer::Cancel;
        Item(w, "mnuFileNew")->trigger();
        QCOMPARE(run.prompter.texts(), QStringList{"All data will be cleared."});
        QCOMPARE(run.prompter.prompts[0].icon, PromptIcon::Warning);
        QCOMPARE(model.radio.Options.MicGain, int16_t(12));
        run.prompter.answers << PromptAnswer::Ok;
        Item(w, "mnuFileNew")->trigger();
        QCOMPARE(model.radio.Options.MicGain, int16_t(30));

        // The toolbar's New asks nothing.
        model.radio.Options.MicGain = 12;
        run.prompter.prompts.clear();
        Button(w, "新建")->trigger();
        QVERIFY(run.prompter.prompts.isEmpty());
        QCOMPARE(model.radio.Options.MicGain, int16_t(30));
        QCOMPARE(model.CurrentFileName, QStringLiteral("new.dat"));
        QVERIFY(model.IsUntitled);
    }

    void exitAsksToSave_data() {
        QTest::addColumn<PromptAnswer>("answer");
        QTest::addColumn<QString>("dialogAnswer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel keeps running") << PromptAnswer::Cancel << "" << false;
        QTest::newRow("no closes") << PromptAnswer::No << "" << true;
        QTest::newRow("yes, dialog cancelled, keeps running") << PromptAnswer::Yes << "" << false;
        QTest::newRow("yes saves and closes") << PromptAnswer::Yes << "exit.dat" << true;
    }

    void exitAsksToSave() {
        QFETCH(PromptAnswer, answer);
        QFETCH(QString, dialogAnswer);
        QFETCH(bool, closed);
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        run.context.model.channels.at(1, 1, 1).RxFreq.set("28500000");
        run.prompter.answers << answer;
        if (!dialogAnswer.isEmpty())
            run.prompter.fileNames << install.file(dialogAnswer);
        Item(w, "mnuFileExit")->trigger();
        QCOMPARE(run.prompter.texts().value(0),
                 QStringLiteral("File has been modify,save it now?"));
        QCOMPARE(w.isVisible(), !closed);
        QCOMPARE(QFileInfo::exists(install.file("exit.dat")), !dialogAnswer.isEmpty());
    }

    void pendingEditsCountBeforeFileCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("save") << "mnuFileSave";
        QTest::newRow("save as") << "mnuFileSaveAs";
        QTest::newRow("open") << "mnuFileOpen";
        QTest::newRow("exit") << "mnuFileExit";
    }

    void pendingEditsCountBeforeFileCommands() {
        QFETCH(QString, command);
        Installation install;
        Started run(install);
        MainWindow& w = *run.window;
        RadioModel& model = run.context.model;
        w.RegisterChildForm(kChannelInfoForm, [&model] { return new PendingEditor(model); });
        w.UnloadAllChildForms();
        w.ShowChildForm(kChannelInfoForm);
        QVERIFY(!model.IsModified());
        const QString path = install.file("pending.dat");
        run.prompter.fileNames << path;
        run.prompter.answers << PromptAnswer::Cancel;
        w.show();
        Item(w, qPrintable(command))->trigger();
        if (command.startsWith("mnuFileSave")) {
            Started reopened(install);
            reopened.context.model.CurrentFileName = path;
            QCOMPARE(OpenDataFile(reopened.context.model, reopened.context.versions,
                                  reopened.context.catalogue, reopened.prompter),
                     OpenResult::Loaded);
            QCOMPARE(reopened.context.model.radio.Options.MicGain, int16_t(21));
        } else {
            // The edit makes the data modified, so the question comes.
            QCOMPARE(run.prompter.texts().value(0),
                     QStringLiteral("File has been modify,save it now?"));
        }
    }

    void languageChange() {
        Installation install;
        install.writeSetup("[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=2\r\n");
        Started run(install);
        MainWindow& w = *run.window;
        RegisterEditor(w, kChannelInfoForm);
        RegisterEditor(w, kOptionsForm);
        w.LoadNewDoc();
        w.ShowChildForm(kOptionsForm);
        QCOMPARE(w.ChildForms().size(), 2);
        QVERIFY(w.windowTitle().contains(QStringLiteral("文件名")));

        // The list offers English only; the box shows the language in force.
        QString shownText;
        int items = -1;
        WhenModalShows([&](QWidget* dialog) {
            auto* combo = dialog->findChild<QComboBox*>("Combo1");
            shownText = combo->currentText();
            items = combo->count();
            combo->setCurrentIndex(0);
            dialog->findChild<QPushButton*>("Command1")->click();
        });
        Item(w, "mnuLanguage")->trigger();
        QCOMPARE(shownText, QStringLiteral("中文"));
        QCOMPARE(items, 1);
        QCOMPARE(run.context.catalogue.CurrentLanguage, 1);
        QVERIFY(install.setup().contains("CurrentLanguage=1"));
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("ZR-4400[28.0000 - 29.6990 MHz][File Name:new.dat]"));
        QCOMPARE(Item(w, "mnuFile")->text(), QStringLiteral("&File"));
        // All children closed, the channel editor opened alone.
        QCOMPARE(w.ChildForms().size(), 1);
        QVERIFY(w.FindChildForm(kChannelInfoForm));

        // OK without a change writes the key again and leaves the windows open.
        w.ShowChildForm(kOptionsForm);
        WhenModalShows(
            [](QWidget* dialog) { dialog->findChild<QPushButton*>("Command1")->click(); });
        Item(w, "mnuLanguage")->trigger();
        QCOMPARE(w.ChildForms().size(), 2);
    }

    void firstRunAndStoredPosition() {
        Installation install;
        install.writeSetup("; user settings\r\n[language]\r\nIsFirstRun=1\r\ncomPort=3\r\n"
                           "Handshaking=2\r\nStopBit=2\r\nCurrentLanguage=2\r\n");
        QPoint moved(0, 0);
        {
            Started first(install);
            QCOMPARE(first.context.catalogue.CurrentLanguage, 1); // first start: English
            QCOMPARE(first.context.settings.comPort, 3);
            QCOMPARE(first.context.settings.Handshaking, 2);
            MainWindow& w = *first.window;
            QCOMPARE(w.pos(), QPoint(TwipsToPixels(&w, 100), TwipsToPixels(&w, 100)));
            QCOMPARE(w.size(), QSize(TwipsToPixels(&w, 14500), TwipsToPixels(&w, 10500)));
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.move(150, 120);
            w.resize(800, 600);
            moved = w.frameGeometry().topLeft();
            QVERIFY(w.close());
        }
        QCOMPARE(install.setup(), QByteArray("; user settings\r\n[language]\r\nIsFirstRun=0\r\n"
                                             "comPort=3\r\nHandshaking=2\r\nStopBit=2\r\n"
                                             "CurrentLanguage=1\r\n"));
        Started second(install);
        QCOMPARE(second.window->size(), QSize(800, 600));
        QVERIFY((second.window->pos() - moved).manhattanLength() <= 2);
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
        QCOMPARE(run.context.model.BandHighMHz, 29.699);
        QCOMPARE(FormatFixed(27.185, 4), QStringLiteral("27.1850"));
        QCOMPARE(ParseNumber(QStringLiteral("27.185")), 27.185);
        bool ok = true;
        ParseNumber(QStringLiteral("27,185"), &ok);
        QVERIFY(!ok);

        run.context.model.radio.BandFlag = 0;
        run.context.model.ApplyBandFlag();
        QCOMPARE(run.context.model.BandLowMHz, 25.615);
        const QString path = install.file("de.dat");
        run.prompter.fileNames << path;
        Item(*run.window, "mnuFileSaveAs")->trigger();
        Started again(install);
        again.context.model.CurrentFileName = path;
        QCOMPARE(OpenDataFile(again.context.model, again.context.versions, again.context.catalogue,
                              again.prompter),
                 OpenResult::Loaded);
        QCOMPARE(again.context.model.BandText, QStringLiteral("25.6150 - 30.1050 MHz"));
        QCOMPARE(again.context.model.BandHighMHz, 30.105);
        QVERIFY(install.setup().contains("comPort=2"));
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
