// The option features window driven through its widgets: typed limits,
// chosen list entries, clicked check boxes, and what reaches the radio data.

#include "gui/options/option_features_window.h"
#include "gui/widgets/twips.h"
#include "support/option_fields.h"
#include "support/option_tone_driving.h"

#include <QCheckBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

QWidget* OpenOptions(ShownProgram& program) {
    QWidget* form = program.open(kOptionsForm);
    Q_ASSERT(form);
    return form;
}

void Click(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// The stored value a typed box names.
int Stored(RadioData& d, const QString& box) {
    if (box == "Text2_0")
        return d.Options.SwrMax;
    if (box == "Text2_1")
        return d.Options.BatteryMin;
    if (box == "Text2_2")
        return d.Options.BatteryMax;
    if (box == "Text4_12")
        return d.TxOffset;
    return d.RssiPoint[box.mid(6).toInt()];
}

} // namespace

class TestOptionFeaturesWindow : public QObject {
    Q_OBJECT
private slots:
    void textBoxes_data() {
        QTest::addColumn<QStringList>("typing"); // "box=text", typed in order
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::addColumn<bool>("modified");
        QTest::newRow("Max[V] 25") << QStringList{"Text2_2=25"} << "Text2_2"
                                   << "17.0" << 170 << true;
        QTest::newRow("Min[V] 8") << QStringList{"Text2_1=8"} << "Text2_1"
                                  << "9.0" << 90 << true;
        QTest::newRow("Min[V] with two points") << QStringList{"Text2_1=1.2.3"} << "Text2_1"
                                                << "9.0" << 90 << true;
        QTest::newRow("swap: Min") << QStringList{"Text2_2=12.0", "Text2_1=16.0"} << "Text2_1"
                                   << "12.0" << 120 << true;
        QTest::newRow("swap: Max") << QStringList{"Text2_2=12.0", "Text2_1=16.0"} << "Text2_2"
                                   << "16.0" << 160 << true;
        QTest::newRow("SWR 1.0") << QStringList{"Text2_0=1.0"} << "Text2_0"
                                 << "1.2" << 12 << true;
        QTest::newRow("SWR not a number") << QStringList{"Text2_0=."} << "Text2_0"
                                          << "20.0" << 200 << true;
        QTest::newRow("SWR takes no letters") << QStringList{"Text2_0=a5b"} << "Text2_0"
                                              << "5.0" << 50 << true;
        QTest::newRow("Tx Offset 7") << QStringList{"Text4_12=7"} << "Text4_12"
                                     << "5.0000" << 50000 << true;
        QTest::newRow("Tx Offset 0") << QStringList{"Text4_12=0"} << "Text4_12"
                                     << "0.0001" << 1 << true;
        QTest::newRow("RSSI breaking the order") << QStringList{"Text4_1=11"} << "Text4_1"
                                                 << "4" << 3 << false;
        QTest::newRow("RSSI above 36") << QStringList{"Text4_5=40"} << "Text4_5"
                                       << "36" << 35 << false;
        QTest::newRow("RSSI in order") << QStringList{"Text4_2=13"} << "Text4_2"
                                       << "13" << 12 << true;
        QTest::newRow("RSSI digits only") << QStringList{"Text4_8=1.0"} << "Text4_8"
                                          << "10" << 9 << true;
    }

    void textBoxes() {
        QFETCH(QStringList, typing);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        QFETCH(bool, modified);
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenOptions(program);
        for (const QString& step : typing)
            TypeInto(Child<QLineEdit>(form, step.section('=', 0, 0)), step.section('=', 1));
        QCOMPARE(Child<QLineEdit>(form, box)->text(), shown);
        QCOMPARE(Stored(program.data(), box), stored);
        QCOMPARE(program.run.context.model.IsModified(), modified);
    }

    void pendingEditCommittedBeforeWrite() {
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenOptions(program);
        auto* swr = Child<QLineEdit>(form, "Text2_0");
        swr->setFocus();
        QTest::keyClicks(swr, "3.5");
        QCOMPARE(program.data().Options.SwrMax, 160);
        program.run.window->ValidateOpenEditors();
        QCOMPARE(program.data().Options.SwrMax, 35);
    }

    void listChoices_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::newRow("TOT") << "Combo1_9"
                             << "90s"
                             << "Tot" << 9;
        QTest::newRow("INDIC") << "Combo1_2"
                               << "Battery Voltage Display"
                               << "Indic" << 3;
        QTest::newRow("MIC") << "Combo1_3"
                             << "12"
                             << "MicGain" << 12;
        QTest::newRow("ASQ Level") << "Combo1_24"
                                   << "9"
                                   << "AsqLevel" << 9;
        QTest::newRow("NOG") << "Combo1_8"
                             << "32"
                             << "Nog" << 32;
        QTest::newRow("Color") << "Combo1_17"
                               << "Purple"
                               << "BacklightColor" << 5;
        QTest::newRow("SCM") << "Combo1_10"
                             << "Time Scan"
                             << "ScanMode" << 1;
        QTest::newRow("Fin") << "Combo1_11"
                             << "T"
                             << "Fin" << 2;
        QTest::newRow("Freq_CH") << "Combo1_23"
                                 << "Frequency"
                                 << "FreqCh" << 1;
        QTest::newRow("HI-CUT") << "Combo2_0"
                                << "ON"
                                << "PublicHiCut" << 1;
        QTest::newRow("NB/ANL") << "Combo2_1"
                                << "OFF"
                                << "PublicNbAnl" << 0;
        QTest::newRow("ECHO") << "Combo2_2"
                              << "ON"
                              << "PublicEcho" << 1;
        QTest::newRow("+10KHz") << "Combo2_3"
                                << "ON"
                                << "PublicAdd10K" << 1;
        QTest::newRow("public Mode") << "Combo1_18"
                                     << "LSB"
                                     << "PublicMode" << 3;
    }

    void listChoices() {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(QString, field);
        QFETCH(int, stored);
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenOptions(program);
        QVERIFY(Choose(Child<QComboBox>(form, list), entry));
        QCOMPARE(OptionField(field, program.data()), stored);
        QVERIFY(program.run.context.model.IsModified());
    }

    void rogerListOfDefinedTones() {
        Installation install;
        ShownProgram program(install);
        for (int n : {1, 3, 4})
            program.data().Tones[n].LoopCount = 0;
        QWidget* form = OpenOptions(program);
        auto* roger = Child<QComboBox>(form, "Combo2_5");
        QCOMPARE(EntriesOf(roger), (QStringList{"OFF", "2", "5"}));
        QVERIFY(Choose(roger, "5"));
        QCOMPARE(program.data().Options.PublicRoger, 5);
        Child<QPushButton>(form, "CommandClose")->click();
        QTRY_VERIFY(!program.run.window->FindChildForm(kOptionsForm));
        form = OpenOptions(program);
        QCOMPARE(Child<QComboBox>(form, "Combo2_5")->currentText(), "5");
    }

    void oddStoredValuesShowFirstEntries() {
        Installation install;
        ShownProgram program(install);
        OptionRecord& o = program.data().Options;
        o.Tot = 4;
        o.MicGain = 0;
        o.Indic = 7;
        o.PublicRoger = 6;
        program.run.context.model.CommitToSnapshot();
        QWidget* form = OpenOptions(program);
        QCOMPARE(Child<QComboBox>(form, "Combo1_9")->currentText(), "30s");
        QCOMPARE(Child<QComboBox>(form, "Combo1_3")->currentText(), "1");
        QCOMPARE(Child<QComboBox>(form, "Combo1_2")->currentText(), "Tx Frequency Display");
        QCOMPARE(Child<QComboBox>(form, "Combo2_5")->currentText(), "OFF");
        QCOMPARE(o.Tot, 4);
        QCOMPARE(o.MicGain, 0);
        QVERIFY(!program.run.context.model.IsModified());
    }

    void checkBoxes() {
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenOptions(program);
        const OptionRecord& o = program.data().Options;
        Click(Child<QCheckBox>(form, "Check1_2"));
        QCOMPARE(o.KeyBeep, 0);
        Click(Child<QCheckBox>(form, "Check1_3"));
        QCOMPARE(o.SwrProtect, 0);
        Click(Child<QCheckBox>(form, "Check1_4"));
        QCOMPARE(o.BatteryProtect, 0);
        Click(Child<QCheckBox>(form, "Check1_4"));
        QCOMPARE(o.BatteryProtect, 1);
    }

    void lastModeStaysEnabled() {
        Installation install;
        ShownProgram program(install);
        QWidget* form = OpenOptions(program);
        for (const char* box : {"Check1_6", "Check1_7", "Check1_8", "Check1_5"})
            Click(Child<QCheckBox>(form, box));
        const auto& enable = program.data().Options.ModeEnable;
        QCOMPARE(enable, (std::array<int16_t, 5>{1, 0, 0, 0, 1}));
        QVERIFY(Child<QCheckBox>(form, "Check1_5")->isChecked());
        Click(Child<QCheckBox>(form, "Check1_9"));
        QCOMPARE(enable[4], 0);
        QCOMPARE(EntriesOf(Child<QComboBox>(form, "Combo1_18")), QStringList{"FM"});
    }

    void amOffMovesPublicModeAndChannels() {
        Installation install;
        ShownProgram program(install);
        RadioData& data = program.data();
        data.Options.PublicMode = 1;
        ChannelRecord& am = program.channels().at(1, 1, 2);
        am.Mode = 1;
        data.ChannelCount(1, 2) = std::max<int16_t>(data.ChannelCount(1, 2), 1);
        QWidget* form = OpenOptions(program);
        auto* mode = Child<QComboBox>(form, "Combo1_18");
        QCOMPARE(mode->currentText(), "AM");
        Click(Child<QCheckBox>(form, "Check1_6"));
        QCOMPARE(data.Options.ModeEnable[1], 0);
        QCOMPARE(EntriesOf(mode), (QStringList{"FM", "USB", "LSB", "PA"}));
        QCOMPARE(mode->currentText(), "FM");
        QCOMPARE(data.Options.PublicMode, 0);
        QCOMPARE(am.Mode, 0);
    }

    void openingStoresNothing() {
        Installation install;
        ShownProgram program(install);
        OpenOptions(program);
        program.open(kToneForm);
        QVERIFY(program.run.window->FindChildForm(kToneForm));
        QVERIFY(!program.run.context.model.IsModified());
    }

    void captionsBesideControls_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("indic");
        QTest::newRow("English") << 1 << "Optional Features"
                                 << "INDIC";
        QTest::newRow("Chinese") << 2 << "可选功能"
                                 << "发射时LCD显示";
    }

    void captionsBesideControls() {
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, indic);
        Installation install;
        ShownProgram program(install);
        program.run.context.catalogue.CurrentLanguage = language;
        QWidget* form = OpenOptions(program);
        QCOMPARE(form->windowTitle(), title);
        QCOMPARE(Child<QLabel>(form, "Label1_2")->text(), indic);
        int checked = 0;
        for (QLabel* label : form->findChildren<QLabel*>()) {
            QWidget* control = label->buddy();
            if (!control || label->objectName().startsWith("Label6"))
                continue;
            const QRect caption(label->mapTo(form, QPoint(0, 0)), label->size());
            const int gap = control->mapTo(form, QPoint(0, 0)).x() - caption.right() - 1;
            QVERIFY2(qAbs(gap - TwipsToPixels(form, 100)) <= 1, qPrintable(label->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 10 + 5 + 3 + 1);
    }
};

QTEST_MAIN(TestOptionFeaturesWindow)
#include "test_option_features_window.moc"
