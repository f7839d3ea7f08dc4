// The texts of the choice lists: tones, tone codes, modes, and the list
// routines' fallbacks.

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/model/radio_data.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTest>

using Flags = ModeEnableFlags;
Q_DECLARE_METATYPE(ModeEnableFlags)

namespace {

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

class TestChoiceTexts : public QObject {
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestChoiceTexts)
#include "test_choice_texts.moc"
