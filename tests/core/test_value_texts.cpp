// Values as the windows show them: frequency forms and the 10 Hz grid, the
// tone lists and tone codes, modes, and the list routines' fallbacks.

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/editing/option_store.h"
#include "core/model/freq_text.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"
#include "support/scripted_prompter.h"
#include "support/values.h"

#include <QTest>

using Flags = ModeEnableFlags;

class TestValueTexts : public QObject {
    Q_OBJECT
private slots:
    // Stored digits as shown ("-" for nothing); damaged ones complain (!).
    void frequencyTexts() {
        const auto shown = [](const QString& digits, double low = 28.0) {
            ScriptedPrompter prompter;
            const QString text = FreqDigitsToText(digits, low, &prompter);
            return (text.isEmpty() ? "-" : text) + QString(prompter.prompts.size(), '!');
        };
        QCOMPARE(Values(shown("27185000"), shown("271850"), shown("271850  "), shown("27185050"),
                        shown(""), shown("FFFFFFFF"), shown("27A85000"), shown("2.718500", 25.615)),
                 "27.1850 27.1850 27.1850 27.1851 - - 28! 25.615!");

        // A typed text as digits, then padded to the stored eight.
        const auto digits = [](const QString& text, double low = 28.0) {
            const QString d = FreqTextToDigits(text, low);
            return d + "/" + PadFreqDigits(d);
        };
        QCOMPARE(Values(digits("27.1850"), digits("28.015000"), digits("7.5"), digits(".5"),
                        digits("28"), digits("abc", 25.615), digits("")),
                 "271850/27185000 28015000/28015000 075/07500000 005/00500000 28/28000000 "
                 "25615/25615000 /FFFFFFFF");
    }

    // A typed frequency as shown ("-" for nothing), "!" when the range message came.
    void normalizeInput() {
        Catalogue catalogue;
        const auto normal = [&](const QString& typed, bool clamp, bool warn, bool cb) {
            ScriptedPrompter prompter;
            const BandLimits band = cb ? BandLimits{25.615, 30.105} : BandLimits{28.0, 29.699};
            const QString shown =
                NormalizeFreqInput(typed, clamp, warn, band, catalogue, &prompter);
            for (const ScriptedPrompter::Prompt& p : prompter.prompts)
                if (p.text != catalogue.Text(TextId::FreqOutOfRange) ||
                    p.icon != PromptIcon::Exclamation)
                    return QStringLiteral("?");
            return (shown.isEmpty() ? "-" : shown) + QString(prompter.prompts.size(), '!');
        };
        const auto hf = [&](const QString& typed, bool clamp = false, bool warn = true) {
            return normal(typed, clamp, warn, false);
        };
        const auto cb = [&](const QString& typed) { return normal(typed, false, true, true); };
        // Above, both edges, clamped below and (without the message) above.
        QCOMPARE(
            Values(hf("29.7"), hf("28"), hf("29.699"), hf("27.9", true), hf("31", true, false)),
            "-! 28.0000 29.6990 28.0000! 29.6990");
        // Not a number, also clamped; too large to be one.
        QCOMPARE(Values(hf("2x"), hf("x", true), hf("1e400")), "-! 28.0000! -!");
        // Down to the 10 Hz grid, then half up.
        QCOMPARE(Values(cb("25.615004"), cb("27.185054"), cb("27.185049")),
                 "25.6150 27.1851 27.1850");
    }

    void gridIsAnchoredAtTheLowLimit() {
        QCOMPARE(AlignFreqToStep(25.615004, 25.615), 25.615);
        QCOMPARE(AlignFreqToStep(1.000020, 1.000005), 1.000015);
        QCOMPARE(AlignFreqToStep(1.000015, 1.000005), 1.000015);
        QCOMPARE(AlignFreqToStep(25.614995, 25.615), 25.61499); // below the limit: still down
    }

    // A shown tone as its code, and the code shown again.
    void toneCodesAndLists() {
        const QString off = QStringLiteral("关");
        const auto code = [&](const QString& shown) {
            const QString c = GetCTCSS_DCSByShow(shown, off);
            return c + "/" + ShowCTCSS_DCS(c, off);
        };
        QCOMPARE(Values(code("D754N"), code("100.0"), code("67.0"), code(off), code("xyz"),
                        code("1e300")),
                 "8754/D754N 1000/100.0 0670/67.0 0/关 0/关 0/关");

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

    // An offered mode stays; another becomes the first offered (0 when none
    // is); a flag above 1 offers, a negative one does not.
    void modesAndLists() {
        QCOMPARE(Values(ValidMode(4, Flags{1, 1, 1, 1, 1}), ValidMode(1, Flags{1, 0, 1, 1, 1}),
                        ValidMode(1, Flags{0, 0, 1, 1, 1}), ValidMode(3, Flags{0, 0, 0, 0, 0}),
                        ValidMode(9, Flags{0, 1, 1, 1, 1}), ValidMode(-1, Flags{0, 0, 0, 1, 1}),
                        ValidMode(2, Flags{0, 0, 2, 0, 0}), ValidMode(1, Flags{1, -1, 0, 0, 0})),
                 "4 0 2 0 1 3 2 0");

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
        channels.at(1, 1, 10).Mode = 9;
        QMap<int, int> moved;
        RevalidateAllModes(data, channels, &moved);
        QCOMPARE(Values(channels.at(1, 2, 10).Mode, channels.at(1, 3, 10).Mode,
                        channels.at(0, kSlots, 1).Mode),
                 "0 1 0"); // the third not in use
        // The user is told what moved where.
        QCOMPARE(ModesMovedText(moved, data.Options.ModeEnable, Catalogue()),
                 QStringLiteral("47 channels changed from AM to FM.\r\n"
                                "1 channel changed from Mode 9 to FM."));
    }
};

QTEST_GUILESS_MAIN(TestValueTexts)
#include "test_value_texts.moc"
