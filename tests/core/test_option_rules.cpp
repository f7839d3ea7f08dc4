// The option window's logic without its window: list contents, how each
// change code stores its control's value, and the keys the text boxes take.

#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/editing/option_text_rules.h"
#include "support/default_model.h"
#include "support/option_fields.h"
#include "support/values.h"

#include <QTest>

namespace {

// Only tones 2 and 5 defined.
RadioData WithTonesTwoAndFive() {
    RadioData data = DefaultModel().radio;
    for (int n : {1, 3, 4})
        data.Tones[n].LoopCount = 0;
    return data;
}

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
            RadioData data = DefaultModel().radio;
            data.Options.PublicRoger = 2;
            RadioData expected = data;
            if (row.field)
                OptionField(row.field, expected) = static_cast<int16_t>(row.stored);
            QCOMPARE(SaveOptFeat(data, row.code, row.position, QString::fromUtf8(row.text)),
                     row.field != nullptr);
            QVERIFY2(data == expected, qPrintable(QString::number(row.code)));
        }
    }

    // The entry a stored value shows; one no entry stands for (marked *) is
    // shown as stored.
    void listsAndShownEntries() {
        const auto shown = [](int code, const char* field, int value) {
            RadioData data = WithTonesTwoAndFive();
            OptionField(field, data) = static_cast<int16_t>(value);
            const QStringList entries = OptionListEntries(code, 1, data);
            const ShownChoice choice = ShownOptionChoice(data, code, entries, 1);
            return choice.index >= 0 ? entries.value(choice.index) : "*" + choice.asStored;
        };
        QCOMPARE(Values(shown(9, "Tot", 3), shown(9, "Tot", 4), shown(9, "Tot", 60),
                        shown(9, "Tot", 63), shown(9, "Tot", 0)),
                 "30s *40s 600s *630s Off");
        QCOMPARE(Values(shown(3, "MicGain", 0), shown(3, "MicGain", 30), shown(2, "Indic", 9),
                        shown(2, "Indic", 0), shown(24, "AsqLevel", 5)),
                 "*0 30 *9 Tx Frequency Display 5");
        QCOMPARE(Values(shown(205, "PublicRoger", 0), shown(205, "PublicRoger", 5),
                        shown(205, "PublicRoger", 3), shown(18, "PublicMode", 2),
                        shown(18, "PublicMode", 7), shown(201, "PublicNbAnl", 1),
                        shown(201, "PublicNbAnl", 2)),
                 "OFF 5 *3 USB *Mode 7 ON *2");

        // How many entries each list offers, and the ends of the number lists.
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

    // Digits, a point in a decimal box, backspace and delete pass; copy, paste
    // and cut (3, 22, 24) and anything beyond ASCII do not.
    void keyFilter() {
        const auto key = [](char16_t code, bool decimal) {
            return AcceptOptionKey(code, decimal ? TextBoxKind::Decimal : TextBoxKind::Digits);
        };
        QCOMPARE(Values(key('7', false), key('.', true), key('.', false), key('a', true),
                        key('-', true), key(3, true), key(22, true), key(24, true), key(8, false),
                        key(127, false), key(0x4E2D, true)),
                 "true true false false false false false false true true false");
    }
};

QTEST_GUILESS_MAIN(TestOptionRules)
#include "test_option_rules.moc"
