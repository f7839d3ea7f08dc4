// Values as the windows show them: frequency forms and the 10 Hz grid, the
// tone lists and tone codes, modes, and the list routines' fallbacks.

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/model/freq_text.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"
#include "support/rows.h"
#include "support/scripted_prompter.h"
#include "support/values.h"

#include <QTest>

using Flags = ModeEnableFlags;
Q_DECLARE_METATYPE(ModeEnableFlags)

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

struct ToneCodesRow {
    const char* name;
    QString shown, code, shownAgain;
};

struct ValidModeRow {
    const char* name;
    Flags enable;
    int mode, valid;
};

} // namespace

class TestValueTexts : public QObject {
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

    void toneCodes_data() {
        AddRows<ToneCodesRow>({{"DCS", "D754N", "8754", "D754N"},
                               {"CTCSS", "100.0", "1000", "100.0"},
                               {"CTCSS below 100", "67.0", "0670", "67.0"},
                               {"off", "关", "0", "关"},
                               {"no tone text", "xyz", "0", "关"},
                               {"absurd number", "1e300", "0", "关"}});
    }

    void toneCodes() {
        QFETCH(ToneCodesRow, row);
        auto [rowName, shown, code, shownAgain] = row;
        const QString off = QStringLiteral("关");
        QCOMPARE(GetCTCSS_DCSByShow(shown, off), code);
        QCOMPARE(ShowCTCSS_DCS(code, off), shownAgain);
    }

    void toneListsAndCodeTexts() {
        // Both lists hold Off, the 38 CTCSS tones and the 104 DCS codes in one order.
        const QStringList brief = ShortToneListTexts("Off");
        const QStringList full = ToneListTexts("Off");
        QCOMPARE(Values(brief.size(), full.size(), full[38], full[39], brief[38], brief[142]),
                 "143 143 C_038(250.3Hz) D_001(023N) 250.3 D754N");
        for (const QString& entry : brief)
            QCOMPARE(ShowCTCSS_DCS(GetCTCSS_DCSByShow(entry, "Off"), "Off"), entry);
        QCOMPARE(ShowCTCSS_DCS(" 8023 ", "Off"), QStringLiteral("D023N"));
        QCOMPARE(ShowCTCSS_DCS("123", "Off"), QStringLiteral("Off")); // codes have four characters
    }

    void validMode_data() {
        AddRows<ValidModeRow>({{"offered", Flags{1, 1, 1, 1, 1}, 4, 4},
                               {"AM off", Flags{1, 0, 1, 1, 1}, 1, 0},
                               {"FM and AM off", Flags{0, 0, 1, 1, 1}, 1, 2},
                               {"none offered", Flags{0, 0, 0, 0, 0}, 3, 0},
                               {"unknown mode", Flags{0, 1, 1, 1, 1}, 9, 1},
                               {"negative mode", Flags{0, 0, 0, 1, 1}, -1, 3},
                               {"flag above 1 offers", Flags{0, 0, 2, 0, 0}, 2, 2},
                               {"negative flag does not", Flags{1, -1, 0, 0, 0}, 1, 0}});
    }

    void validMode() {
        QFETCH(ValidModeRow, row);
        auto [rowName, enable, mode, valid] = row;
        QCOMPARE(ValidMode(mode, enable), valid);
    }

    void modeLists() {
        const Flags all{1, 1, 1, 1, 1};
        QCOMPARE(ModeListEntries(all, false), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));
        QCOMPARE(ModeListEntries(all, true), (QStringList{"FM", "AM", "USB", "LSB"}));
        QCOMPARE(ModeListEntries(Flags{0, 1, 0, 1, 1}, false), (QStringList{"AM", "LSB", "PA"}));
        for (int mode = -1; mode <= 5; ++mode)
            QCOMPARE(ModeTextToIndex(ModeIndexToText(mode)), mode >= 0 && mode <= 4 ? mode : 0);
        // A stored switch shows as stored when 0 or 1, else as its default.
        QCOMPARE(
            Values(ClampBinary(0, 1), ClampBinary(1, 0), ClampBinary(2, 0), ClampBinary(-1, 1)),
            "0 1 0 1");
    }

    void revalidateAllModesKeepsToRecordsInUse() {
        RadioData data;
        ChannelTable channels;
        data.Options.ModeEnable = {1, 0, 1, 1, 1};
        data.ChannelCount(1, 10) = 2;
        data.ChannelCount(0, 1) = 99; // damaged count: held to the table
        for (int slot = 1; slot <= kSlots; ++slot) {
            channels.at(1, slot, 10).Mode = 1;
            channels.at(0, slot, 1).Mode = 1;
        }
        RevalidateAllModes(data, channels);
        QCOMPARE(Values(channels.at(1, 2, 10).Mode, channels.at(1, 3, 10).Mode,
                        channels.at(0, kSlots, 1).Mode),
                 "0 1 0"); // the third not in use
    }
};

QTEST_GUILESS_MAIN(TestValueTexts)
#include "test_value_texts.moc"
