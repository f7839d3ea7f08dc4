// The option window's logic without its window: list contents, how each
// change code stores its control's value, and the keys the text boxes take.

#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/option_text_rules.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/option_fields.h"
#include "support/rows.h"
#include "support/values.h"

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

struct ShownPositionRow {
    const char* name;
    int code;
    QString field;
    int value;
    QString shown;
};

struct KeyFilterRow {
    const char* name;
    int code;
    bool decimal, passes;
};

} // namespace

class TestOptionRules : public QObject {
    Q_OBJECT
private slots:
    // Each change code stores its control's value in its field and nowhere
    // else; the lists the option window tests choose from are left to them.
    void saveOptFeat() {
        const struct {
            int code, position;
            const char *text, *field; // no field: nothing is stored
            int stored;
        } rows[] = {
            {9, 1, "30s", "Tot", 3},         {19, 0, "CB", "WorkBand", 0},
            {21, 3, "4", "MenuPage", 4},     {22, 1, "MEM", "ChannelMode", 1},
            {100, 1, "", "VoxFunction", 1},  {105, 0, "", "ModeEnable0", 0},
            {109, 0, "", "ModeEnable4", 0},  {110, 1, "", "MemMenu", 1},
            {204, 1, "ON", "PublicBusy", 1}, {205, 0, "关", "PublicRoger", 0},
            {1, 5, "F", nullptr, 0},         {12, 5, "6", nullptr, 0},
            {3, -1, "", nullptr, 0},
        };
        for (const auto& row : rows) {
            RadioData data = Defaults();
            data.Options.PublicRoger = 2;
            RadioData expected = data;
            if (row.field)
                OptionField(row.field, expected) = static_cast<int16_t>(row.stored);
            QCOMPARE(SaveOptFeat(data, row.code, row.position, QString::fromUtf8(row.text)),
                     row.field != nullptr);
            QVERIFY2(data == expected, qPrintable(QString::number(row.code)));
        }
    }

    void shownPosition_data() {
        // Values no entry stands for (marked *) are shown as stored.
        AddRows<ShownPositionRow>({{"Tot 3", 9, "Tot", 3, "30s"},
                                   {"Tot 4 *", 9, "Tot", 4, "*40s"},
                                   {"Tot 60", 9, "Tot", 60, "600s"},
                                   {"Tot beyond the list *", 9, "Tot", 63, "*630s"},
                                   {"Tot 0", 9, "Tot", 0, "Off"},
                                   {"MIC 0 *", 3, "MicGain", 0, "*0"},
                                   {"MIC 30", 3, "MicGain", 30, "30"},
                                   {"INDIC beyond *", 2, "Indic", 9, "*9"},
                                   {"INDIC 0", 2, "Indic", 0, "Tx Frequency Display"},
                                   {"ASQ 5", 24, "AsqLevel", 5, "5"},
                                   {"roger off", 205, "PublicRoger", 0, "OFF"},
                                   {"roger 5", 205, "PublicRoger", 5, "5"},
                                   {"roger undefined *", 205, "PublicRoger", 3, "*3"},
                                   {"public USB", 18, "PublicMode", 2, "USB"},
                                   {"public mode beyond *", 18, "PublicMode", 7, "*Mode 7"},
                                   {"NB/ANL 1", 201, "PublicNbAnl", 1, "ON"},
                                   {"NB/ANL 2 *", 201, "PublicNbAnl", 2, "*2"}});
    }

    void shownPosition() {
        QFETCH(ShownPositionRow, row);
        auto [rowName, code, field, value, shown] = row;
        RadioData data = WithTonesTwoAndFive();
        OptionField(field, data) = static_cast<int16_t>(value);
        const QStringList entries = OptionListEntries(code, 1, data);
        const ShownChoice choice = ShownOptionChoice(data, code, entries, 1);
        QCOMPARE(choice.index >= 0 ? entries.value(choice.index) : "*" + choice.asStored, shown);
    }

    // How many entries each list offers, and the ends of the number lists.
    void listEntries() {
        const RadioData data = WithTonesTwoAndFive();
        const auto list = [&](int code) { return OptionListEntries(code, 1, data); };
        QCOMPARE(Values(list(9).size(), list(8).size(), list(3).size(), list(2).size(),
                        list(17).size(), list(11).size(), list(10).size(), list(200).size(),
                        list(23).size(), list(24).size(), list(1).size()),
                 "21 33 36 4 7 4 2 2 2 9 0");
        QCOMPARE(Values(list(9)[1], list(9).last(), list(8)[1], list(8).last(), list(3).first(),
                        list(3).last(), list(24).last()),
                 "30s 600s 1 32 1 36 9");
        QCOMPARE(list(205), (QStringList{"OFF", "2", "5"})); // roger: defined tones only
    }

    void keyFilter_data() {
        AddRows<KeyFilterRow>({{"digit", int('7'), false, true},
                               {"point in decimal box", int('.'), true, true},
                               {"point in RSSI box", int('.'), false, false},
                               {"letter", int('a'), true, false},
                               {"minus", int('-'), true, false},
                               {"copy", 3, true, false},
                               {"paste", 22, true, false},
                               {"cut", 24, true, false},
                               {"backspace", 8, false, true},
                               {"delete", 127, false, true},
                               {"beyond ASCII", 0x4E2D, true, false}});
    }

    void keyFilter() {
        QFETCH(KeyFilterRow, row);
        auto [rowName, code, decimal, passes] = row;
        QCOMPARE(AcceptOptionKey(static_cast<char16_t>(code),
                                 decimal ? TextBoxKind::Decimal : TextBoxKind::Digits),
                 passes);
    }
};

QTEST_GUILESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
