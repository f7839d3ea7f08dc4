// The channel grid of the channel information window, driven through its real
// cells, cell editor and lists: adding, changing and removing channels, the
// last-channel rules, the memory view, Enter, the key filter, the commits on
// leaving the cell editor and the guarantees on a group's records.

#include "core/editing/channel_table_ops.h"
#include "gui/widgets/twips.h"
#include "support/channel_editor_driving.h"

#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <set>

namespace {

const QString kOutOfRange = QStringLiteral("Frequency is out of range.");
const QString kCb = QStringLiteral("CB -- 25.6150 - 30.1050 MHz");

QList<int> Numbers(RadioModel& m, int bank, int group) {
    QList<int> numbers;
    for (int s = 1; s <= m.radio.ChannelCount(bank, group); ++s)
        numbers << m.channels.at(bank, s, group).ChannelNumber;
    return numbers;
}

} // namespace

Q_DECLARE_METATYPE(OpenBy)

class TestChannelGridEditing : public QObject {
    Q_OBJECT
private slots:
    void typedFrequencyBecomesChannel_data() {
        QTest::addColumn<OpenBy>("how");
        QTest::newRow("double click") << OpenBy::DoubleClick;
        QTest::newRow("Enter") << OpenBy::Enter;
        QTest::newRow("typed digit") << OpenBy::TypedDigit;
    }

    void typedFrequencyBecomesChannel() {
        QFETCH(OpenBy, how);
        Installation install;
        ChannelEditorRun r(install);
        r.choose("Combo2", kCb);
        QCOMPARE(r.model().radio.BandFlag, int16_t(0));
        r.options().EmgChannel(0, 1, 0) = 30; // a stale reference, repaired by the add
        r.openCell(5, how);
        QVERIFY(r.cellEditor()->isVisible());
        if (how == OpenBy::TypedDigit) {
            QCOMPARE(r.cellEditor()->text(), QStringLiteral("2"));
            QTest::keyClicks(r.cellEditor(), "7.185");
            QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        } else {
            r.typeAndEnter("27.185");
        }
        QVERIFY(!r.cellEditor()->isVisible());
        const int slot = r.model().FindSlot(5, 0, 1);
        QCOMPARE(slot, 8); // appended after 41..46 and 1
        const ChannelRecord& c = r.model().channels.at(0, slot, 1);
        QCOMPARE(c.RxFreq.text(), QStringLiteral("271850"));
        QCOMPARE(c.ScanFlag, int16_t(1));
        QCOMPARE(c.Mode, int16_t(0));
        QCOMPARE(c.ToneIndex, int16_t(8));
        QCOMPARE(c.NbAnl, int16_t(1));
        QCOMPARE(r.cell(5), QStringLiteral("27.1850"));
        QCOMPARE(r.options().EmgChannel(0, 1, 0), int16_t(1));
        QCOMPARE(r.grid()->currentRow(), 6);      // Enter moved on
        QCOMPARE(r.list("Combo1_0")->count(), 2); // "1" and "5" to choose from
        QVERIFY(r.run.prompter.prompts.isEmpty());
    }

    void clearingLastRegularChannel_data() {
        QTest::addColumn<bool>("otherGroupsValid");
        QTest::newRow("another valid group has channels") << true;
        QTest::newRow("the bank's only valid group") << false;
    }

    void clearingLastRegularChannel() {
        QFETCH(bool, otherGroupsValid);
        Installation install;
        ChannelEditorRun r(install);
        if (!otherGroupsValid) {
            for (int g = 1; g <= kGroups; ++g)
                r.options().GroupValid(1, g) = g == 2 ? 1 : 0;
            r.options().WorkGroup[1] = 2;
            r.window()->ReShowChInfoByLanguage();
        }
        r.choose("Combo6", "B");
        QCOMPARE(r.cell(1), QStringLiteral("28.1450"));
        r.setCell(1, "");
        QCOMPARE(r.model().FindSlot(1, 1, 2) == 0, otherGroupsValid);
        QCOMPARE(int(r.options().GroupValid(1, 2)), otherGroupsValid ? 0 : 1);
        QCOMPARE(r.cell(1), otherGroupsValid ? QString() : QStringLiteral("28.1450"));
        QCOMPARE(r.list("Combo1_6")->currentText(), otherGroupsValid ? "OFF" : "ON");
        QComboBox* workGroups = r.list("Combo3");
        QCOMPARE(workGroups->findText("B") >= 0, !otherGroupsValid);
        QCOMPARE(workGroups->count(), otherGroupsValid ? 8 : 1);
        QVERIFY(r.run.prompter.prompts.isEmpty());
    }

    void outOfRangeInHfBank_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("row with a channel") << 1;
        QTest::newRow("empty row") << 5;
    }

    void outOfRangeInHfBank() {
        QFETCH(int, row);
        Installation install;
        ChannelEditorRun r(install);
        QCOMPARE(r.model().radio.BandFlag, int16_t(1));
        r.setCell(row, "29.7");
        QCOMPARE(r.run.prompter.texts(), QStringList{kOutOfRange});
        QCOMPARE(r.run.prompter.prompts[0].icon, PromptIcon::Exclamation);
        QCOMPARE(r.model().FindSlot(row, 1, 1), 0);
        QCOMPARE(r.cell(row), QString());
        QCOMPARE(r.model().FindSlot(41, 1, 1), 1); // nothing else lost
    }

    void memoryViewCreatesChannel43() {
        Installation install;
        ChannelEditorRun r(install);
        r.choose("Combo6", "MEM");
        QCOMPARE(r.grid()->rowCount(), 7);
        QCOMPARE(r.grid()->item(3, 0)->text(), QStringLiteral("M3"));
        QVERIFY(!r.list("Combo1_0")->isVisible());
        QVERIFY(!r.window()->findChild<QLineEdit*>("Text2")->isVisible());
        r.setCell(3, ""); // the initial data holds M3: gone first
        QCOMPARE(r.model().FindSlot(43, 1, 1), 0);
        r.setCell(3, "28.3");
        QCOMPARE(r.model().FindSlot(43, 1, 1), int(r.model().radio.ChannelCount(1, 1)));
        QCOMPARE(RecordForRow(r.model(), 1, kMemoryView, 3)->RxFreq.text(),
                 QStringLiteral("283000"));
        QCOMPARE(r.cell(3), QStringLiteral("28.3000"));
        QCOMPARE(r.window()->findChild<QGroupBox*>("Frame2")->title(),
                 QStringLiteral("More Information -- CH M4")); // Enter moved to M4
        r.choose("Combo6", "A");
        QCOMPARE(r.grid()->rowCount(), 41);
        QCOMPARE(r.cell(3), QString());
        QCOMPARE(r.model().FindSlot(3, 1, 1), 0);
    }

    void enterMovesOnAndWraps_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("nextRow");
        QTest::newRow("empty box") << 5 << "" << 6;
        QTest::newRow("value") << 5 << "28.3" << 6;
        QTest::newRow("empty box wraps") << 40 << "" << 1;
        QTest::newRow("value wraps") << 40 << "28.3" << 1;
    }

    void enterMovesOnAndWraps() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(int, nextRow);
        Installation install;
        ChannelEditorRun r(install);
        r.openCell(row, OpenBy::Enter);
        r.typeAndEnter(typed);
        QCOMPARE(r.grid()->currentRow(), nextRow);
        QCOMPARE(r.grid()->currentColumn(), 1);
        QCOMPARE(r.model().FindSlot(row, 1, 1) != 0, !typed.isEmpty());
        QVERIFY(!r.cellEditor()->isVisible());
        QVERIFY(r.grid()->hasFocus());
    }

    void dualWatchFollowsTableOrder() {
        Installation install;
        ChannelEditorRun r(install);
        for (const int row : {9, 3, 7})
            r.setCell(row, "28.5");
        r.setCell(1, ""); // group A: ... 9, 3, 7
        r.choose("Combo1_3", "7");
        QCOMPARE(r.options().DwChannel(1, 1, 0), int16_t(7));
        r.setCell(7, "");
        QCOMPARE(r.options().DwChannel(1, 1, 0), int16_t(9)); // first in table order, not lowest
        QCOMPARE(r.list("Combo1_3")->currentText(), QStringLiteral("9"));
        QCOMPARE(r.list("Combo1_3")->count(), 2);
    }

    void pendingEditCommits_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("write hook") << "write hook";
        QTest::newRow("a panel list takes the focus") << "panel";
        QTest::newRow("the grid takes the focus") << "grid";
        QTest::newRow("the window closes") << "close";
        QTest::newRow("its Close button") << "button";
        QTest::newRow("the program closes") << "exit";
    }

    void pendingEditCommits() {
        QFETCH(QString, how);
        Installation install;
        ChannelEditorRun r(install);
        r.openCell(2);
        QTest::keyClicks(r.cellEditor(), "28.2");
        if (how == "write hook") {
            r.run.window->ValidateOpenEditors();
        } else if (how == "panel") {
            QTest::mouseClick(r.list("Combo8_3"), Qt::LeftButton);
            r.list("Combo8_3")->hidePopup();
        } else if (how == "grid") {
            r.clickCell(9);
        } else if (how == "close") {
            r.run.window->mdiArea()->activeSubWindow()->close();
        } else if (how == "button") {
            QTest::mouseClick(r.window()->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
            QVERIFY(!r.run.window->FindChildForm(kChannelInfoForm));
        } else {
            r.run.prompter.answers << PromptAnswer::Cancel;
            r.run.window->close();
            QCOMPARE(r.run.prompter.texts(), QStringList{"File has been modify,save it now?"});
        }
        const ChannelRecord* c = RecordForRow(r.model(), 1, 1, 2);
        QVERIFY(c);
        QCOMPARE(c->RxFreq.text(), QStringLiteral("282000"));
    }

    void editBoxKeyFilter() {
        Installation install;
        ChannelEditorRun r(install);
        FreqCellEditor* box = r.cellEditor();
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        r.openCell(4);
        QTest::keyClicks(box, "2a8-, .1.5x");
        QCOMPARE(box->text(), QStringLiteral("28.1.5"));
        QGuiApplication::clipboard()->setText("29.1");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // select all passes
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QKeyEvent wide(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("８"));
        QApplication::sendEvent(box, &wide);
        QCOMPARE(box->text(), QStringLiteral("28.1.5"));
        QTest::keyClick(box, Qt::Key_Return);
        // Two points make no number: the range message, and no channel.
        QCOMPARE(r.run.prompter.texts(), QStringList{kOutOfRange});
        QCOMPARE(r.model().FindSlot(4, 1, 1), 0);
    }

    void gridMeasures() {
        Installation install;
        ChannelEditorRun r(install);
        ChannelGrid* g = r.grid();
        QCOMPARE(g->rowCount(), 41);
        QCOMPARE(g->columnCount(), 2);
        QCOMPARE(g->item(40, 0)->text(), QStringLiteral("40"));
        QCOMPARE(g->columnWidth(0), TwipsToPixels(g, 500));
        QCOMPARE(g->columnWidth(1), TwipsToPixels(g, 1260));
        QCOMPARE(g->horizontalHeader()->height(), TwipsToPixels(g, 510));
        QCOMPARE(g->horizontalHeaderItem(1)->text(), QStringLiteral("Frequency"));
        QCOMPARE(g->item(7, 1)->textAlignment(), int(Qt::AlignCenter));
        QVERIFY(!(g->item(7, 0)->flags() & Qt::ItemIsEnabled)); // labels are fixed
        r.choose("Combo6", "MEM");
        QCOMPARE(g->columnWidth(1), TwipsToPixels(g, 1520));
        QCOMPARE(g->item(6, 0)->text(), QStringLiteral("M6"));
    }

    void lastRowPerBankAndView() {
        Installation install;
        ChannelEditorRun r(install);
        r.openCell(7, OpenBy::Enter);
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(r.model().radio.LastRow(1, 1), int16_t(7));
        r.choose("Combo6", "MEM");
        r.openCell(2);
        r.typeAndEnter("28.7");
        QCOMPARE(r.model().radio.LastRow(1, kMemoryView), int16_t(2));
        r.choose("Combo6", "B");
        QCOMPARE(r.grid()->currentRow(), 1);
        r.choose("Combo2", kCb);
        r.choose("Combo6", "A");
        QCOMPARE(r.grid()->currentRow(), 1);
        r.choose("Combo2", "HF -- 28.0000 - 29.6990 MHz");
        r.choose("Combo6", "A");
        QCOMPARE(r.grid()->currentRow(), 7);
        r.choose("Combo6", "MEM");
        QCOMPARE(r.grid()->currentRow(), 2);
        QCOMPARE(r.window()->findChild<QGroupBox*>("Frame2")->title(),
                 QStringLiteral("More Information -- CH M2"));
    }

    void groupNeverExceeds46() {
        Installation install;
        ChannelEditorRun r(install);
        for (const char* view : {"MEM", "A", "MEM", "A"}) {
            r.choose("Combo6", view);
            const int rows = r.grid()->rowCount() - 1;
            r.openCell(1);
            for (int row = 1; row <= rows; ++row) {
                QTest::keyClicks(r.cellEditor(), "28.4");
                QTest::keyClick(r.cellEditor(), Qt::Key_Return); // on to the next row
                QTest::keyClick(r.grid(), Qt::Key_Return);
            }
            QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        }
        const QList<int> numbers = Numbers(r.model(), 1, 1);
        QCOMPARE(numbers.size(), 46);
        QCOMPARE(int(std::set<int>(numbers.begin(), numbers.end()).size()), 46);
        QVERIFY(r.run.prompter.prompts.isEmpty());
    }
};

QTEST_MAIN(TestChannelGridEditing)
#include "test_channel_grid_editing.moc"
