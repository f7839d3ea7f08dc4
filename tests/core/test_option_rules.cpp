// The option window's logic without its window: list contents, how each
// change code stores its control's value, and the keys the text boxes take.

#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/option_text_rules.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/option_fields.h"

#include <QTest>

namespace {

RadioData Defaults() {
    RadioModel model;
    SetBuiltInDefaults(model, QDate(2024, 1, 1));
    return model.radio;
}

// Only tones 2 and 5 defined.
RadioData WithTonesTwoAndFive() {
    RadioData data = Defaults();
    for (int n : {1, 3, 4})
        data.Tones[n].LoopCount = 0;
    return data;
}

} // namespace

class TestOptionRules : public QObject {
    Q_OBJECT
private slots:
    void saveOptFeat_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field"); // empty: nothing is stored
        QTest::addColumn<int>("stored");
        struct Row {
            int code, position;
            const char *text, *field;
            int stored;
        };
        const Row rows[] = {
            {2, 3, "Battery Voltage Display", "Indic", 3},
            {3, 11, "12", "MicGain", 12},
            {8, 4, "4", "Nog", 4},
            {9, 1, "30s", "Tot", 3},
            {9, 20, "600s", "Tot", 60},
            {10, 1, "Time Scan", "ScanMode", 1},
            {11, 3, "RT", "Fin", 3},
            {17, 6, "Cyan", "BacklightColor", 6},
            {18, 1, "USB", "PublicMode", 2},
            {19, 0, "CB", "WorkBand", 0},
            {21, 3, "4", "MenuPage", 4},
            {22, 1, "MEM", "ChannelMode", 1},
            {23, 1, "Frequency", "FreqCh", 1},
            {24, 8, "9", "AsqLevel", 9},
            {100, 1, "", "VoxFunction", 1},
            {102, 0, "", "KeyBeep", 0},
            {103, 0, "", "SwrProtect", 0},
            {104, 0, "", "BatteryProtect", 0},
            {105, 0, "", "ModeEnable0", 0},
            {106, 0, "", "ModeEnable1", 0},
            {107, 0, "", "ModeEnable2", 0},
            {108, 0, "", "ModeEnable3", 0},
            {109, 0, "", "ModeEnable4", 0},
            {110, 1, "", "MemMenu", 1},
            {200, 1, "ON", "PublicHiCut", 1},
            {201, 0, "OFF", "PublicNbAnl", 0},
            {202, 1, "ON", "PublicEcho", 1},
            {203, 1, "ON", "PublicAdd10K", 1},
            {204, 1, "ON", "PublicBusy", 1},
            {205, 2, "5", "PublicRoger", 5},
            {205, 0, "关", "PublicRoger", 0},
            {1, 5, "F", "", 0},
            {12, 5, "6", "", 0},
            {3, -1, "", "", 0},
        };
        for (const Row& r : rows)
            QTest::addRow("code %d at %d", r.code, r.position)
                << r.code << r.position << QString::fromUtf8(r.text) << r.field << r.stored;
    }

    void saveOptFeat() {
        QFETCH(int, code);
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(int, stored);
        RadioData data = Defaults();
        data.Options.PublicRoger = 2;
        RadioData expected = data;
        if (!field.isEmpty())
            OptionField(field, expected) = static_cast<int16_t>(stored);
        QCOMPARE(SaveOptFeat(data, code, position, text), !field.isEmpty());
        QVERIFY(data == expected);
    }

    void shownPosition_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Tot 4 shows 30 s") << 9 << "Tot" << 4 << "30s";
        QTest::newRow("Tot 60") << 9 << "Tot" << 60 << "600s";
        QTest::newRow("Tot beyond the list") << 9 << "Tot" << 90 << "Off";
        QTest::newRow("MIC 0 shows 1") << 3 << "MicGain" << 0 << "1";
        QTest::newRow("MIC 30") << 3 << "MicGain" << 30 << "30";
        QTest::newRow("INDIC beyond") << 2 << "Indic" << 9 << "Tx Frequency Display";
        QTest::newRow("ASQ 5") << 24 << "AsqLevel" << 5 << "5";
        QTest::newRow("roger 5") << 205 << "PublicRoger" << 5 << "5";
        QTest::newRow("roger undefined") << 205 << "PublicRoger" << 3 << "OFF";
        QTest::newRow("public USB") << 18 << "PublicMode" << 2 << "USB";
        QTest::newRow("public mode beyond") << 18 << "PublicMode" << 7 << "FM";
        QTest::newRow("NB/ANL 1") << 201 << "PublicNbAnl" << 1 << "ON";
    }

    void shownPosition() {
        QFETCH(int, code);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, shown);
        RadioData data = WithTonesTwoAndFive();
        OptionField(field, data) = static_cast<int16_t>(value);
        const QStringList entries = OptionListEntries(code, 1, data);
        const int index = ShownOptionPosition(data, code, entries);
        QVERIFY(index >= 0);
        QCOMPARE(entries.at(index), shown);
    }

    void listEntries_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("TOT") << 9 << 1 << 21 << "Off"
                             << "600s";
        QTest::newRow("TOT zh") << 9 << 2 << 21 << "关"
                                << "600s";
        QTest::newRow("NOG") << 8 << 1 << 33 << "Off"
                             << "32";
        QTest::newRow("MIC") << 3 << 1 << 36 << "1"
                             << "36";
        QTest::newRow("INDIC zh") << 2 << 2 << 4 << "发射频率显示"
                                  << "电池电压显示";
        QTest::newRow("Color") << 17 << 1 << 7 << "White"
                               << "Cyan";
        QTest::newRow("Fin") << 11 << 1 << 4 << "Off"
                             << "RT";
        QTest::newRow("SCM zh") << 10 << 2 << 2 << "静噪扫描"
                                << "时间扫描";
        QTest::newRow("HI-CUT zh") << 200 << 2 << 2 << "关"
                                   << "开";
        QTest::newRow("NB/ANL zh keeps ON") << 201 << 2 << 2 << "关"
                                            << "ON";
        QTest::newRow("roger, tones 2 and 5") << 205 << 1 << 3 << "OFF"
                                              << "5";
        QTest::newRow("Freq_CH") << 23 << 2 << 2 << "Channel"
                                 << "Frequency";
        QTest::newRow("no list") << 1 << 1 << 0 << ""
                                 << "";
    }

    void listEntries() {
        QFETCH(int, code);
        QFETCH(int, language);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const QStringList entries = OptionListEntries(code, language, WithTonesTwoAndFive());
        QCOMPARE(entries.size(), count);
        QCOMPARE(entries.value(0), first);
        QCOMPARE(entries.isEmpty() ? QString() : entries.last(), last);
    }

    void keepOneChecked_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("self");
        QTest::addColumn<int>("result");
        QTest::newRow("checking") << 1 << QList<int>{0, 0, 0, 0} << 0 << 1;
        QTest::newRow("last one kept") << 0 << QList<int>{0, 0, 0, 0} << 2 << 1;
        QTest::newRow("another left") << 0 << QList<int>{0, 0, 0, 1} << 2 << 0;
        QTest::newRow("stored 2 counts") << 0 << QList<int>{2, 0, 0, 0} << 3 << 0;
    }

    void keepOneChecked() {
        QFETCH(int, value);
        QFETCH(QList<int>, values);
        QFETCH(int, self);
        QFETCH(int, result);
        QCOMPARE(KeepOneChecked(value, 1, values, self), result);
    }

    void keyFilter_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("decimal");
        QTest::addColumn<bool>("passes");
        QTest::newRow("digit") << int('7') << false << true;
        QTest::newRow("point in decimal box") << int('.') << true << true;
        QTest::newRow("point in RSSI box") << int('.') << false << false;
        QTest::newRow("letter") << int('a') << true << false;
        QTest::newRow("minus") << int('-') << true << false;
        QTest::newRow("copy") << 3 << true << false;
        QTest::newRow("paste") << 22 << true << false;
        QTest::newRow("cut") << 24 << true << false;
        QTest::newRow("backspace") << 8 << false << true;
        QTest::newRow("delete") << 127 << false << true;
        QTest::newRow("beyond ASCII") << 0x4E2D << true << false;
    }

    void keyFilter() {
        QFETCH(int, code);
        QFETCH(bool, decimal);
        QFETCH(bool, passes);
        QCOMPARE(AcceptOptionKey(static_cast<char16_t>(code),
                                 decimal ? TextBoxKind::Decimal : TextBoxKind::Digits),
                 passes);
    }
};

QTEST_GUILESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
