// The channel grid of the channel information window, driven through its real
// cells, cell editor and lists: adding, changing and removing channels, the
// last-channel rules, the memory view, Enter, the key filter and the commits
// on leaving the cell editor.

#include "core/editing/channel_table_ops.h"
#include "support/channel_editor_driving.h"
#include "support/values.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

const QString kOutOfRange = QStringLiteral("Frequency is out of range.\r\n28.0000 - 29.6990 MHz");
const QString kCb = QStringLiteral("CB -- 25.6150 - 30.1050 MHz");

} // namespace

class TestChannelGridEditing : public QObject {
    Q_OBJECT
private slots:
    void typedFrequencyBecomesChannel() {
        for (const OpenBy how : {OpenBy::DoubleClick, OpenBy::Enter, OpenBy::TypedDigit}) {
            Installation install;
            ChannelEditorRun r(install);
            r.choose("Combo2", kCb);
            QCOMPARE(r.model().radio.BandFlag, int16_t(0));
            r.options().EmgChannel(0, 1, 0) = 30; // a stale reference, repaired by the add
            r.openCell(5, how);
            QVERIFY(r.cellEditor()->isVisible());
            if (how == OpenBy::TypedDigit) {
                QCOMPARE(r.cellEditor()->text(), QStringLiteral("2"));
                QTest::keyClicks(r.cellEditor(), "7,185"); // a decimal comma
                QTest::keyClick(r.cellEditor(), Qt::Key_Return);
            } else {
                r.typeAndEnter("27,185");
            }
            QVERIFY(!r.cellEditor()->isVisible());
            const int slot = r.model().FindSlot(5, 0, 1);
            QCOMPARE(slot, 8); // appended after 41..46 and 1
            const ChannelRecord& c = r.model().channels.at(0, slot, 1);
            // the stored digits and the new channel's scan, mode, tone and NB/ANL
            QCOMPARE(Values(c.RxFreq.text(), c.ScanFlag, c.Mode, c.ToneIndex, c.NbAnl),
                     "271850 1 0 8 1");
            QCOMPARE(r.cell(5), QStringLiteral("27.1850"));
            QCOMPARE(r.options().EmgChannel(0, 1, 0), int16_t(1));
            QCOMPARE(r.grid()->currentRow(), 6);      // Enter moved on
            QCOMPARE(r.list("Combo1_0")->count(), 2); // "1" and "5" to choose from
            QVERIFY(r.prompter().prompts.isEmpty());
        }
    }

    // A typo is reported with the bank's range and changes nothing.
    void outOfRangeInHfBank() {
        for (const auto& [row, shown] : {std::pair{1, "28.0150"}, std::pair{5, ""}}) {
            Installation install;
            ChannelEditorRun r(install);
            r.setCell(row, "29.7");
            QCOMPARE(r.prompter().texts(), QStringList{kOutOfRange});
            QCOMPARE(r.prompter().prompts[0].icon, PromptIcon::Exclamation);
            QCOMPARE(r.model().FindSlot(row, 1, 1) != 0, row == 1);
            QCOMPARE(r.cell(row), QString(shown));
            QVERIFY(!r.model().IsModified());
        }
    }

    void clearingLastRegularChannel() {
        for (const bool otherGroupsValid : {true, false}) {
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
            QVERIFY(r.prompter().prompts.isEmpty());
        }
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

    void enterMovesOnAndWraps() {
        const struct {
            int row;
            QString typed;
            int nextRow;
        } rows[] = {{5, "", 6}, {5, "28.3", 6}, {40, "", 1}, {40, "28.3", 1}};
        for (const auto& row : rows) {
            Installation install;
            ChannelEditorRun r(install);
            r.openCell(row.row, OpenBy::Enter);
            r.typeAndEnter(row.typed);
            QCOMPARE(r.grid()->currentRow(), row.nextRow);
            QCOMPARE(r.grid()->currentColumn(), 1);
            QCOMPARE(r.model().FindSlot(row.row, 1, 1) != 0, !row.typed.isEmpty());
            QVERIFY(!r.cellEditor()->isVisible());
            QVERIFY(r.grid()->hasFocus());
        }
    }

    void stepKeysCarryTheEdit() {
        Installation install;
        ChannelEditorRun r(install);
        FreqCellEditor* box = r.cellEditor();
        r.openCell(3, OpenBy::TypedDigit); // the box holds "2"
        QTest::keyClicks(box, "8.1");
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(r.cell(3), QStringLiteral("28.1000"));
        QVERIFY(r.model().FindSlot(3, 1, 1) != 0);
        // The box moved with the highlight and holds that row's text.
        QCOMPARE(r.grid()->currentRow(), 4);
        QVERIFY(box->isVisible() && box->hasFocus());
        QCOMPARE(box->geometry(), r.grid()->visualItemRect(r.grid()->item(4, 1)));
        QTest::keyClicks(box, "28.2");
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(r.cell(4), QStringLiteral("28.2000"));
        QCOMPARE(box->text(), QStringLiteral("28.1000"));
        QTest::keyClick(box, Qt::Key_PageDown);
        const int paged = r.grid()->currentRow();
        QVERIFY(paged > 4 && paged < 40);
        QTest::keyClick(box, Qt::Key_PageUp);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Up); // stops at the first row
        QCOMPARE(r.grid()->currentRow(), 1);
        QCOMPARE(box->text(), QStringLiteral("28.0150"));
        // Enter stores in the row being edited and moves one row on.
        QTest::keyClicks(box, "28.4");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(r.cell(1), QStringLiteral("28.4000"));
        QCOMPARE(r.grid()->currentRow(), 2);

        // Tab takes the value and goes on to the channel's settings.
        r.openCell(6, OpenBy::TypedDigit);
        QTest::keyClicks(box, "8.6");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(r.cell(6), QStringLiteral("28.6000"));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && r.window()->findChild<QGroupBox*>("Frame2")->isAncestorOf(focus));
    }

    void enterOverAnUnchangedCellChangesNothing() {
        Installation install;
        ChannelEditorRun r(install);
        r.openCell(1, OpenBy::Enter); // 28.0150, stored as "28015000"
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(r.cell(1), QStringLiteral("28.0150"));
        QVERIFY(!r.model().IsModified());
    }

    void deleteKeyEmptiesTheCell() {
        Installation install;
        ChannelEditorRun r(install);
        r.setCell(9, "28.5");
        r.clickCell(9);
        QTest::keyClick(r.grid(), Qt::Key_Delete);
        QCOMPARE(r.model().FindSlot(9, 1, 1), 0);
        QCOMPARE(r.cell(9), QString());
        QCOMPARE(r.grid()->currentRow(), 9);
        // The group's last regular channel stays, as when its cell is emptied.
        for (int g = 2; g <= kGroups; ++g)
            r.options().GroupValid(1, g) = 0;
        r.clickCell(1);
        QTest::keyClick(r.grid(), Qt::Key_Delete);
        QCOMPARE(r.cell(1), QStringLiteral("28.0150"));
        QVERIFY(r.model().FindSlot(1, 1, 1) != 0);
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
        for (const char* how : {"write hook", "panel list", "grid", "close", "button", "exit"})
            QTest::newRow(how) << how;
    }

    void pendingEditCommits() {
        QFETCH(QString, how);
        Installation install;
        ChannelEditorRun r(install);
        r.openCell(2);
        QTest::keyClicks(r.cellEditor(), "28.2");
        if (how == "write hook") {
            r.run.window->ValidateOpenEditors();
        } else if (how == "panel list") {
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
            r.prompter().answers << PromptAnswer::Cancel;
            r.run.window->close();
            QCOMPARE(r.prompter().texts(), QStringList{"File has been modify,save it now?"});
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
        QCOMPARE(box->text(), QStringLiteral("28,.1.5"));
        QGuiApplication::clipboard()->setText("29.1");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // select all passes
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QKeyEvent wide(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("８"));
        QApplication::sendEvent(box, &wide);
        QCOMPARE(box->text(), QStringLiteral("28,.1.5"));
        QTest::keyClick(box, Qt::Key_Return);
        // Two points make no number: the range message, and no channel.
        QCOMPARE(r.prompter().texts(), QStringList{kOutOfRange});
        QCOMPARE(r.model().FindSlot(4, 1, 1), 0);
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
};

QTEST_MAIN(TestChannelGridEditing)
#include "test_channel_grid_editing.moc"
