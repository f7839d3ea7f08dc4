// The channel list driven as a user drives it: rows selected with the mouse
// and keys, choices made in a cell of a selection, frequencies typed, rows
// deleted, copied and pasted; undo and redo across the editor windows.

#include "core/editing/channel_list.h"
#include "gui/channels/channel_list_model.h"
#include "support/channel_editor_driving.h"
#include "support/option_tone_driving.h"
#include "support/test_files.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QWindow>

namespace {

struct ListRun : ChannelEditorRun {
    using ChannelEditorRun::ChannelEditorRun;

    // View > Channel List, filtered to one bank and group.
    QTableView* openList(const QString& bank, const QString& group) {
        Trigger(*run.window, "mnuChannelList");
        QWidget* form = run.window->FindChildForm(kChannelListForm);
        Q_ASSERT(form);
        Choose(Child<QComboBox>(form, "cboBank"), bank);
        Choose(Child<QComboBox>(form, "cboGroup"), group);
        table = Child<QTableView>(form, "tblChannels");
        listModel = qobject_cast<ChannelListModel*>(table->model());
        return table;
    }
    QModelIndex at(const ListRow& row, int column) const {
        return listModel->index(listModel->RowOf(row), column);
    }
    void click(const ListRow& row, int column, Qt::KeyboardModifiers keys = {}) {
        const QModelIndex index = at(row, column);
        // A click into the program's window makes it the active one.
        QApplication::setActiveWindow(run.window.get());
        table->scrollTo(index);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, keys,
                          table->visualRect(index).center());
    }
    // F2 on the current cell, then the entry chosen in its list.
    bool chooseInCell(const QString& text) {
        QTest::keyClick(table, Qt::Key_F2);
        auto* box = table->findChild<QComboBox*>("cboCell");
        return box && Choose(box, text);
    }
    // Typing into the current cell opens it; Return takes the value.
    void typeInCell(const QString& text) {
        QTest::keyClick(table, text.at(0).toLatin1());
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        // The view takes the value once the editor has closed.
        QTRY_VERIFY(QApplication::focusWidget() != editor);
    }
    QString onScreen(const ListRow& row, int column) const {
        return at(row, column).data().toString();
    }
    QString text(const ListRow& row, int column) {
        return CellText(model(), row, column, run.context.catalogue);
    }
    void set(const ListRow& row, int column, const QString& value) {
        const QString refused =
            column == kColFrequency
                ? SetRowFrequency(model(), row, value, run.context.catalogue)
                : SetCellChoice(model(), row, column, value, run.context.catalogue);
        QVERIFY2(refused.isEmpty(), qPrintable(refused));
    }

    QTableView* table = nullptr;
    ChannelListModel* listModel = nullptr;
};

const ListRow kA1{0, 1, 1}, kA2{0, 1, 2}, kA3{0, 1, 3}, kA7{0, 1, 7};

} // namespace

class TestChannelListWindow : public QObject {
    Q_OBJECT
private slots:
    void selectionChoicesCopyAndPaste() {
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        r.model().radio.BandFlag = 0;
        r.model().ApplyBandFlag();
        for (const ListRow& row : {kA1, kA2, kA3})
            r.set(row, kColFrequency, "27.0");
        r.set(kA2, kColPublic, "ON");
        r.model().CommitToSnapshot();
        r.run.window->ShowOpenedData(); // a history that starts here
        r.openList("CB", "A");
        QCOMPARE(r.onScreen(kA2, kColFrequency), QStringLiteral("27.0000"));

        // Rows 1 to 3 by click and Shift-click; AM chosen in row 3's mode cell.
        r.click(kA1, kColMode);
        r.click(kA3, kColMode, Qt::ShiftModifier);
        QVERIFY(r.chooseInCell("AM"));
        QCOMPARE(r.text(kA1, kColMode) + r.text(kA2, kColMode) + r.text(kA3, kColMode),
                 QStringLiteral("AMFMAM"));
        QVERIFY(r.prompter().texts().size() == 1 && r.prompter().texts()[0].contains("\nCB A 2: "));
        QCOMPARE(r.onScreen(kA3, kColMode), QStringLiteral("AM"));

        // Undo puts all back at once, in the data and on screen, and the
        // data is unchanged again; redo brings the step back.
        Trigger(*r.run.window, "mnuUndo");
        QCOMPARE(r.onScreen(kA1, kColMode) + r.onScreen(kA3, kColMode), QStringLiteral("FMFM"));
        QVERIFY(!r.model().IsModified());
        QTest::keyClick(r.table, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(r.text(kA1, kColMode) + r.onScreen(kA3, kColMode), QStringLiteral("AMAM"));

        // Fill Down takes the first selected row's value; Delete asks once.
        r.click(kA1, kColTsq);
        r.set(kA1, kColTsq, "C_008(88.5Hz)");
        r.click(kA3, kColTsq, Qt::ShiftModifier);
        QTest::keyClick(r.table, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(r.text(kA3, kColTsq), QStringLiteral("C_008(88.5Hz)"));
        r.set(kA1, kColFrequency, "27.5");
        r.click(kA1, kColFrequency);
        r.click(kA2, kColFrequency, Qt::ShiftModifier);
        QTest::keyClick(r.table, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(r.text(kA2, kColFrequency), QStringLiteral("27.5000"));
        r.prompter().prompts.clear();
        r.click(kA2, kColMode);
        r.click(kA3, kColMode, Qt::ShiftModifier);
        QTest::keyClick(r.table, Qt::Key_Delete);
        QCOMPARE(r.prompter().texts(), QStringList{"Delete the 2 selected channels?"});
        QVERIFY(!RecordOfRow(r.model(), kA2) && !RecordOfRow(r.model(), kA3));
        QCOMPARE(r.onScreen(kA3, kColFrequency), QString());

        // Copied: the row as text; pasted from a spreadsheet, without names:
        // frequency and mode from row 2 on, the line with a bad mode left out and named.
        r.click(kA1, kColMode);
        QTest::keyClick(r.table, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains("\nCB\tA\t1\t27.5000\tAM\t"));
        r.prompter().prompts.clear();
        QGuiApplication::clipboard()->setText("27.1\tAM\n27.2\tPA2\n27.3\tLSB\n");
        r.click(kA2, kColFrequency);
        QTest::keyClick(r.table, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(r.prompter().texts().size() == 1 && r.prompter().texts()[0].contains("line 2,"));
        QCOMPARE(r.onScreen(kA2, kColMode) + r.onScreen(kA3, kColMode) +
                     r.onScreen({0, 1, 4}, kColMode),
                 QStringLiteral("AMLSB"));
        // The paste is one step.
        Trigger(*r.run.window, "mnuUndo");
        QVERIFY(!RecordOfRow(r.model(), kA2) && !RecordOfRow(r.model(), {0, 1, 4}));
    }

    void theTwoChannelWindowsShowEachOthersChanges() {
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        r.choose("Combo2", r.list("Combo2")->itemText(0));
        r.choose("Combo6", "A");
        r.openList("CB", "A");
        // Typed into an empty row of the list: a channel, in the grid at once.
        r.click(kA7, kColFrequency);
        r.typeInCell("27,5");
        QCOMPARE(r.text(kA7, kColFrequency), QStringLiteral("27.5000"));
        QCOMPARE(r.cell(7), QStringLiteral("27.5000"));
        // Typed into the grid: in the list at once.
        r.run.window->ShowChildForm(kChannelInfoForm);
        r.openCell(7);
        QTest::keyClicks(r.cellEditor(), "26.9");
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(r.onScreen(kA7, kColFrequency), QStringLiteral("26.9000"));
        // An out-of-band value is refused with the grid's message.
        r.prompter().prompts.clear();
        r.run.window->ShowChildForm(kChannelListForm);
        r.click(kA7, kColFrequency);
        r.typeInCell("31");
        QVERIFY(r.prompter().texts().size() == 1 && r.prompter().texts()[0].contains("\nCB A 7: "));
        QCOMPARE(r.text(kA7, kColFrequency), QStringLiteral("26.9000"));
    }

    void channelPlanImportAsksAndUndoes() {
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        r.openList("CB", "A");
        r.prompter().fileNames = {r.file("plan")};
        Trigger(*r.run.window, "mnuFileExportChannels");
        QVERIFY(ReadFile(r.file("plan.csv")).startsWith("Bank,Group,Channel,"));

        const QString before = ReadFile(r.file("plan.csv"));
        QVERIFY(WriteFile(r.file("in.csv"), "Bank,Group,Channel,Frequency,Mode\n"
                                            "CB,A,5,27.5,AM\nCB,A,6,31,AM\n"));
        r.prompter().fileNames = {r.file("in.csv")};
        Trigger(*r.run.window, "mnuFileImportChannels");
        QVERIFY(r.prompter().texts().value(0).contains("line 3, column Frequency"));
        QVERIFY(!RecordOfRow(r.model(), {0, 1, 5}));

        QVERIFY(WriteFile(r.file("in.csv"), "Bank,Group,Channel,Frequency,Mode\n"
                                            "CB,A,5,27.5,AM\n"));
        r.prompter().prompts.clear();
        r.prompter().answers = {PromptAnswer::Ok};
        r.prompter().fileNames = {r.file("in.csv")};
        Trigger(*r.run.window, "mnuFileImportChannels");
        QVERIFY(r.prompter().texts().value(0).startsWith(
            "The channel plan changes these groups:\r\nCB A: 1 added, 0 changed, "));
        QCOMPARE(r.onScreen({0, 1, 5}, kColMode), QStringLiteral("AM"));
        QCOMPARE(r.onScreen(kA1, kColFrequency),
                 QString()); // the group has the file's channels only
        // The import is one step.
        Trigger(*r.run.window, "mnuUndo");
        r.prompter().fileNames = {r.file("again")};
        Trigger(*r.run.window, "mnuFileExportChannels");
        QCOMPARE(ReadFile(r.file("again.csv")), before);
    }

    void undoInEveryEditor() {
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        RadioData& d = r.data();
        const RadioData before = d;
        QWidget* options = r.open(kOptionsForm);
        QVERIFY(Choose(Child<QComboBox>(options, "Combo1_9"), "90s"));
        QWidget* tones = r.open(kToneForm);
        Child<QTabBar>(tones, "TabStrip1")->setCurrentIndex(5);
        QVERIFY(Choose(Child<QComboBox>(tones, "Combo3_0"), "2100"));
        QCOMPARE(d.Tones[6].Element[0].FreqCode, 210);
        r.run.window->ShowChildForm(kChannelInfoForm);
        const int otherBank = d.BandFlag == 0 ? 1 : 0;
        r.choose("Combo2", r.list("Combo2")->itemText(otherBank));
        QCOMPARE(d.BandFlag, otherBank);
        const QString bandCaption = r.run.window->windowTitle();
        // The title as shown marks unsaved changes until undo or a save returns to the file.
        const auto marked = [&] { return r.run.window->windowHandle()->title().endsWith("]*"); };
        QVERIFY(marked());

        Trigger(*r.run.window, "mnuUndo"); // the bank
        QCOMPARE(d.BandFlag, before.BandFlag);
        QVERIFY(r.run.window->windowTitle() != bandCaption);
        QCOMPARE(r.list("Combo2")->currentIndex(), before.BandFlag == 0 ? 0 : 1);
        Trigger(*r.run.window, "mnuUndo"); // the tone
        QCOMPARE(d.Tones[6], before.Tones[6]);
        QCOMPARE(Child<QComboBox>(tones, "Combo3_0")->currentText() != "2100", true);
        Trigger(*r.run.window, "mnuUndo"); // the option
        QCOMPARE(d.Options.Tot, before.Options.Tot);
        QVERIFY(Child<QComboBox>(options, "Combo1_9")->currentText() != "90s");
        QVERIFY(!r.run.window->findChild<QAction*>("mnuUndo")->isEnabled());
        QVERIFY(!r.model().IsModified() && !marked());
        Trigger(*r.run.window, "mnuRedo");
        QCOMPARE(Child<QComboBox>(options, "Combo1_9")->currentText(), QStringLiteral("90s"));
        QVERIFY(marked());
        r.prompter().fileNames = {r.file("saved.dat")};
        Trigger(*r.run.window, "mnuFileSaveAs");
        QVERIFY(!marked());
        // New data starts a new history.
        r.prompter().answers = {PromptAnswer::Ok};
        Trigger(*r.run.window, "mnuFileNew");
        QVERIFY(!r.run.window->findChild<QAction*>("mnuUndo")->isEnabled());
    }
};

QTEST_MAIN(TestChannelListWindow)
#include "test_channel_list_window.moc"
