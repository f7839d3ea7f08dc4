// The texts of the choice lists: tones, tone codes, modes, and the list
// routines' fallbacks.

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/model/radio_data.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTest>
#include <algorithm>

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
    // The lists against the standard CTCSS tones and DCS codes.
    void toneListsAreTheStandardOnes() {
        const QString ctcss =
            "67.0 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 100.0 103.5 107.2 110.9 "
            "114.8 118.8 123.0 127.3 131.8 136.5 141.3 146.2 151.4 156.7 162.2 167.9 173.8 179.9 "
            "186.2 192.8 203.5 210.7 218.1 225.7 233.6 241.8 250.3";
        const QString dcs =
            "023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 116 122 125 "
            "131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 225 226 243 244 245 246 "
            "251 252 255 261 263 265 266 271 274 306 311 315 325 331 332 343 346 351 356 364 365 "
            "371 411 412 413 423 431 432 445 446 452 454 455 462 464 465 466 503 506 516 523 526 "
            "532 546 565 606 612 624 627 631 632 654 662 664 703 712 723 731 732 734 743 754";
        QStringList brief{"Off"};
        QStringList full{"Off"};
        for (const QString& tone : ctcss.split(' ')) {
            brief << tone;
            full << QStringLiteral("C_%1(%2Hz)").arg(full.size(), 3, 10, QChar('0')).arg(tone);
        }
        for (const QString& code : dcs.split(' ')) {
            brief << "D" + code + "N";
            full << QStringLiteral("D_%1(%2N)").arg(full.size() - 38, 3, 10, QChar('0')).arg(code);
        }
        QCOMPARE(ShortToneListTexts(QStringLiteral("Off")), brief);
        QCOMPARE(ToneListTexts(QStringLiteral("Off")), full);
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

    void codeTextsRoundTrip() {
        for (const QString& entry : ShortToneListTexts(QStringLiteral("Off")))
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
        QCOMPARE(channels.at(1, 2, 10).Mode, int16_t(0));
        QCOMPARE(channels.at(1, 3, 10).Mode, int16_t(1)); // not in use
        QCOMPARE(channels.at(0, kSlots, 1).Mode, int16_t(0));
    }
};

QTEST_GUILESS_MAIN(TestChoiceTexts)
#include "test_choice_texts.moc"
