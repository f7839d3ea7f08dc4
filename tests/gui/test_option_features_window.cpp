// The option features window driven through its widgets: typed limits,
// chosen list entries, clicked check boxes, and what reaches the radio data.

#include "support/option_fields.h"
#include "support/option_tone_driving.h"
#include "support/rows.h"
#include "support/values.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

void Click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// The stored value a typed box names.
int Stored(RadioData& d, const QString& box) {
    if (box.startsWith("Text4_") && box != "Text4_12")
        return d.RssiPoint[box.mid(6).toInt()];
    const QMap<QString, int> named{{"Text2_0", d.Options.SwrMax},
                                   {"Text2_1", d.Options.BatteryMin},
                                   {"Text2_2", d.Options.BatteryMax},
                                   {"Text4_12", d.TxOffset}};
    return named.value(box);
}

struct TypedRow {
    const char* name;
    QStringList typing; // "box=text", typed in order
    QString box, shown;
    int stored;
    bool modified;
};

} // namespace

class TestOptionFeaturesWindow : public QObject {
    Q_OBJECT
private slots:
    void textBoxes_data() {
        AddRows<TypedRow>(
            {{"Max[V] 25", {"Text2_2=25"}, "Text2_2", "17.0", 170, true},
             {"Min[V] 8", {"Text2_1=8"}, "Text2_1", "9.0", 90, true},
             {"Min[V] with two points", {"Text2_1=1.2.3"}, "Text2_1", "9.0", 90, true},
             {"swap: Min", {"Text2_2=12.0", "Text2_1=16.0"}, "Text2_1", "12.0", 120, true},
             {"swap: Max", {"Text2_2=12.0", "Text2_1=16.0"}, "Text2_2", "16.0", 160, true},
             {"SWR 1.0", {"Text2_0=1.0"}, "Text2_0", "1.2", 12, true},
             {"SWR not a number", {"Text2_0=."}, "Text2_0", "20.0", 200, true},
             {"SWR, a half to the even digit", {"Text2_0=2.25"}, "Text2_0", "2.2", 22, true},
             {"SWR, a decimal half", {"Text2_0=2.45"}, "Text2_0", "2.4", 24, true},
             {"SWR takes no letters", {"Text2_0=a5b"}, "Text2_0", "5.0", 50, true},
             {"Tx Offset 7", {"Text4_12=7"}, "Text4_12", "5.0000", 50000, true},
             {"Tx Offset 0", {"Text4_12=0"}, "Text4_12", "0.0001", 1, true},
             {"Tx Offset, a decimal comma", {"Text4_12=0,5"}, "Text4_12", "0.5000", 5000, true},
             {"RSSI breaking the order", {"Text4_1=11"}, "Text4_1", "4", 3, false},
             {"RSSI above 36", {"Text4_5=40"}, "Text4_5", "36", 35, false},
             {"RSSI in order", {"Text4_2=13"}, "Text4_2", "13", 12, true},
             {"RSSI equal to the one below", {"Text4_2=4"}, "Text4_2", "11", 10, false},
             {"RSSI, first of the second row", {"Text4_6=2"}, "Text4_6", "2", 1, true},
             {"RSSI digits only", {"Text4_8=1.0"}, "Text4_8", "10", 9, true}});
    }

    void textBoxes() {
        QFETCH(TypedRow, row);
        const auto& [name, typing, box, shown, stored, modified] = row;
        Fresh<ShownProgram> program;
        QWidget* form = program.open(kOptionsForm);
        for (const QString& step : typing)
            TypeInto(Child<QLineEdit>(form, step.section('=', 0, 0)), step.section('=', 1));
        QCOMPARE(Child<QLineEdit>(form, box)->text(), shown);
        QCOMPARE(Stored(program.data(), box), stored);
        QCOMPARE(program.model().IsModified(), modified);
    }

    // Each list and check box stores into its field; opening the window stores
    // nothing, and what is still being typed is taken before a write.
    void choicesReachTheData() {
        const struct {
            const char *control, *entry, *field; // no entry: a check box, clicked
            int stored;
        } rows[] = {{"Combo1_9", "90s", "Tot", 9},
                    {"Combo1_2", "Battery Voltage Display", "Indic", 3},
                    {"Combo1_3", "12", "MicGain", 12},
                    {"Combo1_24", "9", "AsqLevel", 9},
                    {"Combo1_8", "32", "Nog", 32},
                    {"Combo1_17", "Purple", "BacklightColor", 5},
                    {"Combo1_10", "Time Scan", "ScanMode", 1},
                    {"Combo1_11", "T", "Fin", 2},
                    {"Combo1_23", "Frequency", "FreqCh", 1},
                    {"Combo2_0", "ON", "PublicHiCut", 1},
                    {"Combo2_1", "OFF", "PublicNbAnl", 0},
                    {"Combo2_2", "ON", "PublicEcho", 1},
                    {"Combo2_3", "ON", "PublicAdd10K", 1},
                    {"Combo1_18", "LSB", "PublicMode", 3},
                    {"Check1_2", nullptr, "KeyBeep", 0},
                    {"Check1_3", nullptr, "SwrProtect", 0},
                    {"Check1_4", nullptr, "BatteryProtect", 0},
                    {"Check1_4", nullptr, "BatteryProtect", 1}};
        Fresh<ShownProgram> program;
        program.open(kToneForm);
        QWidget* form = program.open(kOptionsForm);
        QVERIFY(program.run.window->editors().Find(kToneForm));
        QVERIFY(!program.model().IsModified());
        for (const auto& row : rows) {
            if (row.entry)
                QVERIFY2(Choose(Child<QComboBox>(form, row.control), row.entry), row.control);
            else
                Click(Child<QCheckBox>(form, row.control));
            QVERIFY2(OptionField(row.field, program.data()) == row.stored, row.field);
        }
        auto* swr = Child<QLineEdit>(form, "Text2_0");
        swr->setFocus();
        QTest::keyClicks(swr, "3.5");
        QCOMPARE(program.data().Options.SwrMax, 160);
        program.run.window->ValidateOpenEditors();
        QCOMPARE(program.data().Options.SwrMax, 35);
    }

    // A value no entry stands for shows as stored, and choosing it stores nothing.
    void oddStoredValuesAndModeEnables() {
        Fresh<ShownProgram> program;
        OptionRecord& o = program.data().Options;
        o.MicGain = 0;
        o.PublicRoger = 6;
        program.data().Tones[3].LoopCount = 0; // not offered
        program.model().CommitToSnapshot();
        QWidget* form = program.open(kOptionsForm);
        auto* roger = Child<QComboBox>(form, "Combo2_5");
        auto* mic = Child<QComboBox>(form, "Combo1_3");
        QCOMPARE(Values(roger->currentText(), EntriesOf(roger).join(','), mic->currentText(),
                        mic->itemText(mic->count() - 1)),
                 "6 OFF,1,2,4,5,6 0 0");
        QVERIFY(Choose(mic, "0"));
        QVERIFY(!program.model().IsModified());
        QVERIFY(Choose(mic, "5"));
        QCOMPARE(Values(o.MicGain, mic->findText("0")), "5 -1");
        Child<QPushButton>(form, "CommandClose")->click();
        QTRY_VERIFY(!program.run.window->editors().Find(kOptionsForm));

        // Opened again: what was chosen shows. AM switched off moves the public
        // mode and the AM channels to FM; the last mode stays enabled.
        RadioData& data = program.data();
        data.Options.PublicMode = 1;
        ChannelRecord& am = program.channels().at(1, 1, 2);
        am.Mode = 1;
        data.ChannelCount(1, 2) = std::max<int16_t>(data.ChannelCount(1, 2), 1);
        form = program.open(kOptionsForm);
        auto* mode = Child<QComboBox>(form, "Combo1_18");
        QCOMPARE(Values(Child<QComboBox>(form, "Combo1_3")->currentText(), mode->currentText()),
                 "5 AM");
        Click(Child<QCheckBox>(form, "Check1_6"));
        QCOMPARE(Values(EntriesOf(mode).join(','), mode->currentText(), data.Options.PublicMode,
                        am.Mode),
                 "FM,USB,LSB,PA FM 0 0");
        QVERIFY(program.prompter().texts().last().endsWith(" changed from AM to FM."));
        for (const char* box : {"Check1_7", "Check1_8", "Check1_5"})
            Click(Child<QCheckBox>(form, box));
        QCOMPARE(data.Options.ModeEnable, (std::array<int16_t, 5>{1, 0, 0, 0, 1}));
        QVERIFY(Child<QCheckBox>(form, "Check1_5")->isChecked());
        Click(Child<QCheckBox>(form, "Check1_9"));
        QCOMPARE(Values(data.Options.ModeEnable[4], EntriesOf(mode).join(',')), "0 FM");
    }
};

QTEST_MAIN(TestOptionFeaturesWindow)
#include "test_option_features_window.moc"
