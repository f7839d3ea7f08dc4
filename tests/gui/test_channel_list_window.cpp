// The channel list driven as a user drives it: rows selected with the mouse
// and keys, choices made in a cell of a selection, frequencies typed, rows
// deleted, copied and pasted; undo and redo across the editor windows.

#include "core/editing/channel_list.h"
#include "gui/channels/channel_list_model.h"
#include "support/channel_editor_driving.h"
#include "support/option_tone_driving.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyleHints>
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
        QWidget* form = run.window->editors().Find(kChannelListForm);
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
        run.window->activateWindow();
        Q_UNUSED(QTest::qWaitForWindowActive(run.window.get()));
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
        QCOMPARE(Values(r.text(kA1, kColMode), r.text(kA2, kColMode), r.text(kA3, kColMode),
                        r.onScreen(kA3, kColMode)),
                 "AM FM AM AM");
        QVERIFY(r.prompter().texts().size() == 1 && r.prompter().texts()[0].contains("\nCB A 2: "));

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
        QVERIFY(!RecordOfRow(r.model(), kA2) && !RecordOfRow(r.model(), kA3) &&
                r.onScreen(kA3, kColFrequency).isEmpty());

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
        QTest::failOnWarning(QRegularExpression("closeEditor"));
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        r.choose("Combo2", r.list("Combo2")->itemText(0));
        r.choose("Combo6", "A");
        r.openList("CB", "A");
        // Typed into an empty row of the list: a channel, in the grid at once.
        r.click(kA7, kColFrequency);
        r.typeInCell("27,5");
        QCOMPARE(Values(r.text(kA7, kColFrequency), r.cell(7)), "27.5000 27.5000");
        // Enter went on to the row below, and the keyboard stays in the table.
        QCOMPARE(r.table->currentIndex(), r.at({0, 1, 8}, kColFrequency));
        QCOMPARE(QApplication::focusWidget(), r.table);
        // Typed into the grid: in the list at once.
        r.run.window->editors().Show(kChannelInfoForm);
        r.openCell(7);
        QTest::keyClicks(r.cellEditor(), "26.9");
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(r.onScreen(kA7, kColFrequency), QStringLiteral("26.9000"));
        // An out-of-band value is refused with the grid's message.
        r.prompter().prompts.clear();
        r.run.window->editors().Show(kChannelListForm);
        r.click(kA7, kColFrequency);
        r.typeInCell("31");
        QVERIFY(r.prompter().texts().size() == 1 && r.prompter().texts()[0].contains("\nCB A 7: "));
        QCOMPARE(r.text(kA7, kColFrequency), QStringLiteral("26.9000"));
    }

    void opensUsableSortsFiltersAndSelects() {
        Fresh<ListRun> r;
        QVERIFY(r.ShownProgram::shown);
        for (const auto& [row, mhz] : {std::pair{kA1, "30.1"}, {kA2, "25.7"}, {kA3, "27.1"}})
            r.set(row, kColFrequency, mhz);
        QTableView* table = r.openList("HF", "All");
        // Every column and 20 rows in sight; HF offers its nine groups.
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
        QVERIFY(table->viewport()->height() >= 20 * table->rowHeight(0));
        QWidget* form = r.run.window->editors().Find(kChannelListForm);
        QCOMPARE(Child<QComboBox>(form, "cboGroup")->count(), 10);
        Choose(Child<QComboBox>(form, "cboBank"), "CB");
        Choose(Child<QComboBox>(form, "cboGroup"), "A");

        // A double click on a row of a selection edits the whole selection.
        r.click(kA1, kColMode);
        r.click(kA3, kColMode, Qt::ShiftModifier);
        // As the system sends it: a click, then the second press as a double click.
        QApplication::styleHints()->setMouseDoubleClickInterval(3600 * 1000);
        const QPoint a2 = table->visualRect(r.at(kA2, kColMode)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, a2);
        QMouseEvent twice(QEvent::MouseButtonDblClick, a2, table->viewport()->mapToGlobal(a2),
                          Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(table->viewport(), &twice);
        QVERIFY(Choose(table->findChild<QComboBox*>("cboCell"), "AM"));
        QCOMPARE(Values(r.text(kA1, kColMode), r.text(kA2, kColMode), r.text(kA3, kColMode)),
                 "AM AM AM");

        // A paste without names ends with the group, and says what it left out.
        QGuiApplication::clipboard()->setText("27.1\n27.2\n27.3\n");
        Choose(Child<QComboBox>(form, "cboGroup"), "All");
        r.click({0, 1, 45}, kColFrequency);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(r.prompter().texts(),
                 QStringList{"1 line went beyond the end of the group and was not pasted."});
        QCOMPARE(Values(r.text({0, 1, 46}, kColFrequency),
                        r.text({0, 2, 1}, kColFrequency) != "27.3000"),
                 "27.2000 true");
        Choose(Child<QComboBox>(form, "cboGroup"), "A");

        // A header click sorts the view (channels first), a second reverses
        // it; the current row goes with it.
        Child<QCheckBox>(form, "chkUsedOnly")->click();
        QVERIFY(r.listModel->rowCount() < 46 &&
                std::all_of(r.listModel->rows().begin(), r.listModel->rows().end(),
                            [&](const ListRow& row) { return RecordOfRow(r.model(), row); }));
        r.click(kA3, kColMode);
        QHeaderView* header = table->horizontalHeader();
        const QPoint frequency(header->sectionViewportPosition(kColFrequency) + 4, 4);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, frequency);
        QVERIFY(r.listModel->rows().first() == kA2 &&
                r.listModel->rows().at(table->currentIndex().row()) == kA3);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, frequency);
        QCOMPARE(r.listModel->rows().first(), kA1);
        // The group sorted by frequency: the numbers follow the frequencies.
        form->findChild<QAction*>("actSortByFrequency")->trigger();
        QCOMPARE(r.text(kA1, kColFrequency), QStringLiteral("25.7000"));

        // Closed and opened again: where it was left.
        QWidget* frame = form->parentWidget();
        frame->move(frame->pos() + QPoint(9, 7));
        const QRect place = frame->geometry();
        frame->close();
        Trigger(*r.run.window, "mnuChannelList");
        QCOMPARE(r.run.window->editors().Find(kChannelListForm)->parentWidget()->geometry(), place);
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
        QVERIFY(r.prompter().texts().value(0).contains("line 3, column Frequency") &&
                !RecordOfRow(r.model(), {0, 1, 5}));

        QVERIFY(WriteFile(r.file("in.csv"), "Bank,Group,Channel,Frequency,Mode\n"
                                            "CB,A,5,27.5,AM\n"));
        r.prompter().prompts.clear();
        r.prompter().answers = {PromptAnswer::Ok};
        r.prompter().fileNames = {r.file("in.csv")};
        Trigger(*r.run.window, "mnuFileImportChannels");
        // Asked with the changes, then the group holds the file's channels only.
        QVERIFY(r.prompter().texts().value(0).contains("\r\nCB A: 1 added, 0 changed, "));
        QCOMPARE(Values(r.onScreen({0, 1, 5}, kColMode), r.onScreen(kA1, kColFrequency).isEmpty()),
                 "AM true");
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
        r.run.window->editors().Show(kChannelInfoForm);
        const int otherBank = d.BandFlag == 0 ? 1 : 0;
        r.choose("Combo2", r.list("Combo2")->itemText(otherBank));
        QCOMPARE(d.BandFlag, otherBank);
        // The title as shown marks unsaved changes until undo or a save returns to the file.
        const auto marked = [&] { return r.run.window->windowHandle()->title().endsWith("]*"); };
        QVERIFY(marked());

        Trigger(*r.run.window, "mnuUndo"); // the bank
        QCOMPARE(Values(d.BandFlag, r.list("Combo2")->currentIndex()),
                 Values(before.BandFlag, before.BandFlag == 0 ? 0 : 1));
        Trigger(*r.run.window, "mnuUndo"); // the tone
        QVERIFY(d.Tones[6] == before.Tones[6] &&
                Child<QComboBox>(tones, "Combo3_0")->currentText() != "2100");
        Trigger(*r.run.window, "mnuUndo"); // the option: nothing left to undo
        QVERIFY(d.Options.Tot == before.Options.Tot &&
                Child<QComboBox>(options, "Combo1_9")->currentText() != "90s");
        QVERIFY(!r.run.window->findChild<QAction*>("mnuUndo")->isEnabled() &&
                !r.model().IsModified() && !marked());
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
