// Frequency forms: digit text, display text, typed input and the 10 Hz grid.

#include "core/model/freq_text.h"
#include "core/text/catalogue.h"
#include "support/rows.h"
#include "support/scripted_prompter.h"

#include <QTest>

namespace {

struct DigitsToTextRow {
    const char* name;
    QString digits;
    double low;
    QString shown;
    bool complains;
};

struct TextToDigitsRow {
    const char* name;
    QString text;
    double low;
    QString digits, padded;
};

struct NormalizeInputRow {
    const char* name;
    bool cb, clamp, warn;
    int language;
    QString typed, shown;
    bool warned;
};

} // namespace

class TestFreqText : public QObject {
    Q_OBJECT
private slots:
    void digitsToText_data() {
        AddRows<DigitsToTextRow>({{"eight digits", "27185000", 28.0, "27.1850", false},
                                  {"six digits", "271850", 28.0, "27.1850", false},
                                  {"padded field", "271850  ", 28.0, "27.1850", false},
                                  {"half rounds up", "27185050", 28.0, "27.1851", false},
                                  {"empty", "", 28.0, "", false},
                                  {"no frequency", "FFFFFFFF", 28.0, "", false},
                                  {"damaged, HF", "27A85000", 28.0, "28", true},
                                  {"point inside, CB", "2.718500", 25.615, "25.615", true}});
    }

    void digitsToText() {
        QFETCH(DigitsToTextRow, row);
        auto [rowName, digits, low, shown, complains] = row;
        ScriptedPrompter prompter;
        QCOMPARE(FreqDigitsToText(digits, low, &prompter), shown);
        QCOMPARE(prompter.texts(), complains ? QStringList{"Not IsNumeric"} : QStringList{});
    }

    void textToDigits_data() {
        AddRows<TextToDigitsRow>({{"shown", "27.1850", 28.0, "271850", "27185000"},
                                  {"six decimals", "28.015000", 28.0, "28015000", "28015000"},
                                  {"one MHz digit", "7.5", 28.0, "075", "07500000"},
                                  {"no MHz digit", ".5", 28.0, "005", "00500000"},
                                  {"no point", "28", 28.0, "28", "28000000"},
                                  {"not a number, CB", "abc", 25.615, "25615", "25615000"},
                                  {"empty", "", 28.0, "", "FFFFFFFF"}});
    }

    void textToDigits() {
        QFETCH(TextToDigitsRow, row);
        auto [rowName, text, low, digits, padded] = row;
        QCOMPARE(FreqTextToDigits(text, low), digits);
        QCOMPARE(PadFreqDigits(digits), padded);
    }

    void normalizeInput_data() {
        const int en = Catalogue::kEnglish;
        AddRows<NormalizeInputRow>(
            {{"HF above", false, false, true, en, "29.7", "", true},
             {"HF low edge", false, false, true, en, "28", "28.0000", false},
             {"HF high edge", false, false, true, en, "29.699", "29.6990", false},
             {"HF below, clamped", false, true, true, en, "27.9", "28.0000", true},
             {"HF above, clamped", false, true, false, en, "31", "29.6990", false},
             {"not a number", false, false, true, en, "2x", "", true},
             {"not a number, clamped", false, true, true, en, "x", "28.0000", true},
             {"too large to be a number", false, false, true, en, "1e400", "", true},
             {"Chinese message", false, false, true, Catalogue::kChinese, "29.7", "", true},
             {"CB down to grid", true, false, true, en, "25.615004", "25.6150", false},
             {"CB grid, then half up", true, false, true, en, "27.185054", "27.1851", false},
             {"CB grid moves down", true, false, true, en, "27.185049", "27.1850", false}});
    }

    void normalizeInput() {
        QFETCH(NormalizeInputRow, row);
        auto [rowName, cb, clamp, warn, language, typed, shown, warned] = row;
        Catalogue catalogue;
        catalogue.CurrentLanguage = language;
        ScriptedPrompter prompter;
        const BandLimits band = cb ? BandLimits{25.615, 30.105} : BandLimits{28.0, 29.699};
        QCOMPARE(NormalizeFreqInput(typed, clamp, warn, band, catalogue, &prompter), shown);
        QCOMPARE(prompter.prompts.size(), warned ? 1 : 0);
        if (warned) {
            QCOMPARE(prompter.prompts[0].text, catalogue.Text(TextId::FreqOutOfRange));
            QCOMPARE(prompter.prompts[0].icon, PromptIcon::Exclamation);
        }
    }

    void gridIsAnchoredAtTheLowLimit() {
        QCOMPARE(AlignFreqToStep(25.615004, 25.615), 25.615);
        QCOMPARE(AlignFreqToStep(1.000020, 1.000005), 1.000015);
        QCOMPARE(AlignFreqToStep(1.000015, 1.000005), 1.000015);
        QCOMPARE(AlignFreqToStep(25.614995, 25.615), 25.61499); // below the limit: still down
    }
};

QTEST_GUILESS_MAIN(TestFreqText)
#include "test_freq_text.moc"
