// The lists of the channel information window, driven through their pop-ups:
// bank and group choice, group settings with the "Group Valid" rules, the
// "More Information" panel with the Public rule, the mode and roger lists.

#include "core/codec/mode_codec.h"
#include "core/editing/channel_table_ops.h"
#include "support/channel_editor_driving.h"
#include "support/values.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

class TestChannelWindowSettings : public QObject {
    Q_OBJECT
private slots:
    void bankChoice() {
        Fresh<ChannelEditorRun> r;
        r.model().radio.CurrentGroup[0] = 10;             // J, offered in the CB bank only
        QCOMPARE(EntriesOf(r.list("Combo6")).size(), 10); // HF: A..I and MEM
        r.choose("Combo2", "CB -- 25.6150 - 30.1050 MHz");
        RadioModel& m = r.model();
        QVERIFY(r.run.window->windowTitle().contains("[25.6150 - 30.1050 MHz]"));
        // the bank, its groups, the group kept and shown, its channel 1, work groups
        QCOMPARE(Values(m.radio.BandFlag, m.BandLowMHz, EntriesOf(r.list("Combo6")).size(),
                        r.list("Combo6")->currentText(), r.cell(1),
                        EntriesOf(r.list("Combo3")).size()),
                 "0 25.615 11 J 28.0850 10");
        // Back in HF, a stored group the bank lacks gives way to "A".
        m.radio.CurrentGroup[1] = 10;
        r.choose("Combo2", "HF -- 28.0000 - 29.6990 MHz");
        QCOMPARE(Values(r.list("Combo6")->currentText(), m.radio.CurrentGroup[1],
                        EntriesOf(r.list("Combo3")).size(), m.BandHighMHz),
                 "A 1 9 29.699");
    }

    void groupValid() {
        Fresh<ChannelEditorRun> r;
        r.choose("Combo6", "C");
        r.setCell(1, ""); // the group's only regular channel: the group is no longer valid
        QCOMPARE(r.options().GroupValid(1, 3), int16_t(0));
        r.choose("Combo1_6", "ON");
        // Valid again with its channel 1 back, in the data, the grid and the lists.
        const ChannelRecord* one = RecordForRow(r.model(), 1, 3, 1);
        QCOMPARE(Values(r.options().GroupValid(1, 3), one ? one->RxFreq.text() : "-", r.cell(1),
                        EntriesOf(r.list("Combo3")).contains("C"),
                        EntriesOf(r.list("Combo1_0")).join(',')),
                 "1 28115000 28.1150 true 1");
        // The bank's only valid group stays valid.
        for (int g = 1; g <= kGroups; ++g)
            r.options().GroupValid(1, g) = g == 3 ? 1 : 0;
        r.options().WorkGroup[1] = 3;
        r.window()->InitComboWorkGroup();
        r.choose("Combo1_6", "OFF");
        QCOMPARE(Values(r.list("Combo1_6")->currentText(), r.options().GroupValid(1, 3)), "ON 1");
        // With a second valid group, "OFF" holds, and the work group moves on.
        r.options().GroupValid(1, 4) = 1;
        r.choose("Combo1_6", "OFF");
        QCOMPARE(Values(r.options().GroupValid(1, 3), r.options().WorkGroup[1],
                        EntriesOf(r.list("Combo3")).join(',')),
                 "0 4 D");
    }

    void groupSettingsStore() {
        Fresh<ChannelEditorRun> r;
        r.setCell(12, "28.6");
        r.choose("Combo1_0", "12");
        r.choose("Combo1_4", "12");
        // Stored; the work channel is shown only.
        QCOMPARE(Values(r.options().EmgChannel(1, 1, 0), r.options().DwChannel(1, 1, 1),
                        r.list("Combo1_2")->isEnabled()),
                 "12 12 false");
        r.options().WorkChannel(1, 1) = 43;
        r.window()->InitValidComboList();
        r.window()->ShowValidComboText();
        QCOMPARE(r.list("Combo1_2")->currentText(), QStringLiteral("M3"));
        r.options().WorkChannel(1, 1) = 5; // a channel the group does not hold
        r.window()->ShowValidComboText();
        QCOMPARE(r.list("Combo1_2")->currentText(), QStringLiteral("5"));
        QVERIFY(!r.list("Combo1_5")->isVisible());
        auto* name = r.window()->findChild<QLineEdit*>("Text2");
        name->setFocus();
        QTRY_VERIFY(name->hasSelectedText()); // entering the box selects the name
        QTest::keyClicks(name, "N");
        QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("é"));
        QApplication::sendEvent(name, &accented);
        QTest::keyClicks(name, "w1X");
        QCOMPARE(r.options().GroupName(1, 1).raw(), QStringLiteral("Nw1X"));
        r.choose("Combo3", "C");
        QCOMPARE(r.options().WorkGroup[1], int16_t(3));
    }

    void panelSettings() {
        // Values no entry stands for show as themselves at the end of their list;
        // choosing that entry keeps the value, choosing another replaces it.
        Fresh<ChannelEditorRun> r;
        ChannelRecord& record = r.channels().at(1, r.model().FindSlot(1, 1, 1), 1);
        record.HiCut = 2;
        record.Mode = 7;
        record.Roger = 9;
        r.model().CommitToSnapshot();
        r.clickCell(2);
        r.clickCell(1);
        QCOMPARE(Values(EntriesOf(r.list("Combo8_2")).join(','), r.list("Combo8_2")->currentText(),
                        r.list("Combo8_12")->currentText(), r.list("Combo8_11")->currentText()),
                 "OFF,ON,2 2 Mode 7 9");
        r.choose("Combo8_2", "2");
        r.choose("Combo8_12", "Mode 7");
        QVERIFY(!r.model().IsModified());
        r.choose("Combo8_2", "ON");
        QCOMPARE(Values(record.HiCut, EntriesOf(r.list("Combo8_2")).join(','), record.Mode),
                 "1 OFF,ON 7");

        // Public: the settings that follow it are shown but not offered.
        const ChannelRecord& c = record;
        for (const auto& [value, on] : {std::pair{"ON", true}, std::pair{"OFF", false}}) {
            r.choose("Combo8_9", value);
            QCOMPARE(c.Public, int16_t(on ? 1 : 0));
            for (const QString k : {"2", "3", "4", "5", "11", "12"})
                QCOMPARE(Values(r.list("Combo8_" + k)->isEnabled(),
                                r.window()->findChild<QLabel*>("Label5_" + k)->isEnabled()),
                         Values(!on, !on));
            QVERIFY(r.list("Combo8_6")->isEnabled());
        }
        r.choose("Combo8_7", "-");
        QCOMPARE(c.Repeater, int16_t(2));
        // The panel shows what was stored when the row is entered again.
        r.clickCell(2);
        QVERIFY(!r.window()->findChild<QGroupBox*>("Frame2")->isVisible());
        r.clickCell(1);
        QCOMPARE(r.list("Combo8_7")->currentText(), QStringLiteral("-"));
    }

    void listsFollowToneAndModeChanges() {
        Fresh<ChannelEditorRun> r;
        r.clickCell(1);
        r.choose("Combo8_11", "4");
        r.choose("Combo8_12", "AM");
        RadioData& d = r.model().radio;
        d.Tones[2].LoopCount = 0;
        r.run.context.changes.Tell(nullptr, DataNotifier::Part::RogerTones);
        QCOMPARE(
            Values(EntriesOf(r.list("Combo8_11")).join(','), r.list("Combo8_11")->currentText()),
            "OFF,1,3,4,5 4");
        // A tone no longer offered stays in sight while the channel holds it.
        d.Tones[4].LoopCount = 0;
        r.run.context.changes.Tell(nullptr, DataNotifier::Part::RogerTones);
        QCOMPARE(
            Values(EntriesOf(r.list("Combo8_11")).join(','), r.list("Combo8_11")->currentText()),
            "OFF,1,3,5,4 4");
        d.Options.ModeEnable[1] = 0; // AM no longer offered
        RevalidateAllModes(d, r.model().channels);
        r.run.context.changes.Tell(nullptr, DataNotifier::Part::ModeEnable);
        QCOMPARE(
            Values(EntriesOf(r.list("Combo8_12")).join(','), r.list("Combo8_12")->currentText()),
            "FM,USB,LSB,PA FM");
        // Memory channels have no PA.
        r.choose("Combo6", "MEM");
        r.clickCell(2);
        QCOMPARE(EntriesOf(r.list("Combo8_12")), (QStringList{"FM", "USB", "LSB"}));
        r.choose("Combo8_12", "USB");
        QCOMPARE(r.model().channels.at(1, r.model().FindSlot(42, 1, 1), 1).Mode, int16_t(2));
    }

    // The wheel over a list without the focus changes nothing; in a focused list it still works.
    void wheelNeedsTheFocus() {
        Fresh<ChannelEditorRun> r;
        r.clickCell(1);
        const auto wheel = [](QComboBox* list, int delta) {
            const QPointF at = QPointF(list->rect().center());
            QWheelEvent notch(at, list->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list, &notch);
        };
        r.grid()->setFocus();
        wheel(r.list("Combo2"), 120); // up from HF to CB
        wheel(r.list("Combo8_2"), -120);
        wheel(r.list("Combo1_6"), 120);
        QCOMPARE(Values(r.model().radio.BandFlag, r.list("Combo2")->currentIndex(),
                        r.list("Combo8_2")->currentText(), r.model().IsModified()),
                 "1 1 OFF false");
        r.list("Combo8_2")->setFocus();
        wheel(r.list("Combo8_2"), -120);
        QCOMPARE(r.list("Combo8_2")->currentText(), QStringLiteral("ON"));
    }
};

QTEST_MAIN(TestChannelWindowSettings)
#include "test_channel_window_settings.moc"
