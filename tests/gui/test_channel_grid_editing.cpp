// The channel grid of the channel information window, driven through its real
// cells, cell editor and lists: adding, changing and removing channels, the
// memory view, the key filter and the commits on leaving the cell editor.

#include "core/editing/channel_table_ops.h"
#include "support/channel_editor_driving.h"
#include "support/rows.h"
#include "support/values.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

const QString kOutOfRange = QStringLiteral("Frequency is out of range.\r\n28.0000 - 29.6990 MHz");
const QString kCb = QStringLiteral("CB -- 25.6150 - 30.1050 MHz");

struct OpenRow {
    const char* name;
    OpenBy how;
};

} // namespace

class TestChannelGridEditing : public QObject {
    Q_OBJECT
private slots:
    void typedFrequencyBecomesChannel_data() {
        AddRows<OpenRow>({{"double click", OpenBy::DoubleClick},
                          {"Enter", OpenBy::Enter},
                          {"typed digit", OpenBy::TypedDigit}});
    }

    void typedFrequencyBecomesChannel() {
        QFETCH(OpenRow, row);
        Fresh<ChannelEditorRun> r;
        r.choose("Combo2", kCb);
        QCOMPARE(r.model().radio.BandFlag, int16_t(0));
        r.options().EmgChannel(0, 1, 0) = 30; // a stale reference, repaired by the add
        r.openCell(5, row.how);
        QVERIFY(r.cellEditor()->isVisible());
        if (row.how == OpenBy::TypedDigit) {
            QCOMPARE(r.cellEditor()->text(), QStringLiteral("2"));
            QTest::keyClicks(r.cellEditor(), "7,185"); // a decimal comma
            QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        } else {
            r.typeAndEnter("27,185");
        }
        // Appended after 41..46 and 1, shown, and offered in the lists ("1" and "5").
        const int slot = r.model().FindSlot(5, 0, 1);
        QCOMPARE(Values(r.cellEditor()->isVisible(), slot,
                        r.model().channels.at(0, slot, 1).RxFreq.text(), r.cell(5),
                        r.options().EmgChannel(0, 1, 0), r.list("Combo1_0")->count(),
                        r.prompter().prompts.size()),
                 "false 8 271850 27.1850 1 2 0");
    }

    void removingChannels() {
        Fresh<ChannelEditorRun> r;
        // The group's last channel goes: the group is no longer valid, here
        // and in the work group list.
        r.choose("Combo6", "B");
        QCOMPARE(r.cell(1), QStringLiteral("28.1450"));
        r.setCell(1, "");
        QCOMPARE(Values(r.model().FindSlot(1, 1, 2), r.options().GroupValid(1, 2), r.cell(1),
                        r.list("Combo1_6")->currentText(), r.list("Combo3")->findText("B")),
                 "0 0  OFF -1");
        // The bank's last channel stays, against the Delete key too.
        r.choose("Combo6", "A");
        for (int g = 2; g <= kGroups; ++g)
            r.options().GroupValid(1, g) = 0;
        r.clickCell(1);
        QTest::keyClick(r.grid(), Qt::Key_Delete);
        QVERIFY(r.cell(1) == "28.0150" && r.model().FindSlot(1, 1, 1) != 0);
        // Delete empties a cell; a reference to it goes to a channel left, in
        // the data and in its list.
        r.setCell(9, "28.5");
        r.choose("Combo1_3", "9");
        r.clickCell(9);
        QTest::keyClick(r.grid(), Qt::Key_Delete);
        QCOMPARE(Values(r.model().FindSlot(9, 1, 1), r.cell(9), r.grid()->currentRow(),
                        r.options().DwChannel(1, 1, 0), r.list("Combo1_3")->currentText(),
                        r.list("Combo1_3")->count(), r.prompter().prompts.size()),
                 "0  9 1 1 1 0");
    }

    void pendingEditCommits_data() {
        QTest::addColumn<QString>("how");
        for (const char* how :
             {"write hook", "panel list", "grid", "close", "button", "exit", "down", "tab"})
            QTest::newRow(how) << how;
    }

    void pendingEditCommits() {
        QFETCH(QString, how);
        Fresh<ChannelEditorRun> r;
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
            r.run.window->editors().activeSubWindow()->close();
        } else if (how == "button") {
            QTest::mouseClick(r.window()->findChild<QPushButton*>("CommandClose"), Qt::LeftButton);
            QVERIFY(!r.run.window->editors().Find(kChannelInfoForm));
        } else if (how == "down" || how == "tab") {
            QTest::keyClick(r.cellEditor(), how == "down" ? Qt::Key_Down : Qt::Key_Tab);
        } else {
            r.prompter().answers << PromptAnswer::Cancel;
            r.run.window->close();
            QCOMPARE(r.prompter().texts(), QStringList{"File has been modify,save it now?"});
        }
        const ChannelRecord* c = RecordForRow(r.model(), 1, 1, 2);
        QCOMPARE(c ? c->RxFreq.text() : QString(), QStringLiteral("282000"));
    }

    // The key filter, and the step keys: they store the edit and open the
    // next row's cell with its text.
    void cellEditorKeys() {
        Fresh<ChannelEditorRun> r;
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
        QCOMPARE(Values(r.prompter().texts() == QStringList{kOutOfRange},
                        r.model().FindSlot(4, 1, 1), r.cell(4).isEmpty(), r.model().IsModified()),
                 "true 0 true false");

        r.openCell(3, OpenBy::TypedDigit); // the box holds "2"
        QTest::keyClicks(box, "8.1");
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(Values(r.cell(3), r.model().FindSlot(3, 1, 1) != 0, box->isVisible()),
                 "28.1000 true true");
        QTest::keyClicks(box, "28.2");
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(Values(r.cell(4), box->text()), "28.2000 28.1000");
    }

    // The memory view, and the row each bank and view comes back to.
    void memoryViewAndLastRows() {
        Fresh<ChannelEditorRun> r;
        r.openCell(1, OpenBy::Enter); // 28.0150, stored as "28015000": Enter changes nothing
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(Values(r.cell(1), r.model().IsModified()), "28.0150 false");
        r.openCell(7, OpenBy::Enter);
        QTest::keyClick(r.cellEditor(), Qt::Key_Return);
        QCOMPARE(r.model().radio.LastRow(1, 1), int16_t(7));

        r.choose("Combo6", "MEM");
        QCOMPARE(Values(r.grid()->rowCount(), r.grid()->item(3, 0)->text(),
                        r.list("Combo1_0")->isVisible(),
                        r.window()->findChild<QLineEdit*>("Text2")->isVisible()),
                 "7 M3 false false");
        r.setCell(3, ""); // the initial data holds M3: gone first
        QCOMPARE(r.model().FindSlot(43, 1, 1), 0);
        r.setCell(3, "28.3");
        QCOMPARE(r.model().FindSlot(43, 1, 1), int(r.model().radio.ChannelCount(1, 1)));
        QCOMPARE(Values(RecordForRow(r.model(), 1, kMemoryView, 3)->RxFreq.text(), r.cell(3),
                        r.model().radio.LastRow(1, kMemoryView)),
                 "283000 28.3000 3");

        r.choose("Combo6", "B");
        QCOMPARE(r.grid()->currentRow(), 1);
        r.choose("Combo2", kCb);
        r.choose("Combo6", "A");
        QCOMPARE(r.grid()->currentRow(), 1);
        r.choose("Combo2", "HF -- 28.0000 - 29.6990 MHz");
        r.choose("Combo6", "A");
        QCOMPARE(Values(r.grid()->currentRow(), r.grid()->rowCount(), r.cell(3).isEmpty(),
                        r.model().FindSlot(3, 1, 1)),
                 "7 41 true 0");
        r.choose("Combo6", "MEM");
        QCOMPARE(r.grid()->currentRow(), 3);
    }
};

QTEST_MAIN(TestChannelGridEditing)
#include "test_channel_grid_editing.moc"
