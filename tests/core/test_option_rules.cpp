// The option window's logic without its window: list contents, how each
// change code stores its control's value, and the keys the text boxes take.

#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/option_text_rules.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/option_fields.h"
#include "support/rows.h"

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

struct ListEntriesRow {
    const char* name;
    int code, language, count;
    QString first, last;
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

    void listEntries_data() {
        AddRows<ListEntriesRow>({{"TOT", 9, 1, 21, "Off", "600s"},
                                 {"TOT zh", 9, 2, 21, "关", "600s"},
                                 {"NOG", 8, 1, 33, "Off", "32"},
                                 {"MIC", 3, 1, 36, "1", "36"},
                                 {"INDIC zh", 2, 2, 4, "发射频率显示", "电池电压显示"},
                                 {"Color", 17, 1, 7, "White", "Cyan"},
                                 {"Fin", 11, 1, 4, "Off", "RT"},
                                 {"SCM zh", 10, 2, 2, "静噪扫描", "时间扫描"},
                                 {"HI-CUT zh", 200, 2, 2, "关", "开"},
                                 {"NB/ANL zh keeps ON", 201, 2, 2, "关", "ON"},
                                 {"roger, tones 2 and 5", 205, 1, 3, "OFF", "5"},
                                 {"Freq_CH", 23, 2, 2, "Channel", "Frequency"},
                                 {"no list", 1, 1, 0, "", ""}});
    }

    void listEntries() {
        QFETCH(ListEntriesRow, row);
        auto [rowName, code, language, count, first, last] = row;
        const QStringList entries = OptionListEntries(code, language, WithTonesTwoAndFive());
        QCOMPARE(entries.size(), count);
        QCOMPARE(entries.value(0), first);
        QCOMPARE(entries.isEmpty() ? QString() : entries.last(), last);
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
