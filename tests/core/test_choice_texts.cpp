// The texts of the choice lists: tones, tone codes, modes, and the list
// routines' fallbacks.

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/combo_list.h"
#include "core/model/radio_data.h"

#include <QTest>
#include <algorithm>

using Flags = ModeEnableFlags;
Q_DECLARE_METATYPE(ModeEnableFlags)

class TestChoiceTexts : public QObject {
    Q_OBJECT
private slots:
    void toneLists_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("brief");
        QTest::newRow("off") << 0 << "Off"
                             << "Off";
        QTest::newRow("first CTCSS") << 1 << "C_001(67.0Hz)"
                                     << "67.0";
        QTest::newRow("last CTCSS") << 38 << "C_038(250.3Hz)"
                                    << "250.3";
        QTest::newRow("first DCS") << 39 << "D_001(023N)"
                                   << "D023N";
        QTest::newRow("last DCS") << 142 << "D_104(754N)"
                                  << "D754N";
    }

    void toneLists() {
        QFETCH(int, index);
        const QStringList full = ToneListTexts(QStringLiteral("Off"));
        const QStringList brief = ShortToneListTexts(QStringLiteral("Off"));
        QCOMPARE(full.size(), 143);
        QCOMPARE(brief.size(), 143);
        QTEST(full[index], "full");
        QTEST(brief[index], "brief");
    }

    void toneTablesAreStandard() {
        QVERIFY(std::is_sorted(kCtcssTenthsHz.begin(), kCtcssTenthsHz.end()));
        QVERIFY(std::adjacent_find(kDcsCodes.begin(), kDcsCodes.end(), std::greater_equal<>()) ==
                kDcsCodes.end());
        for (const int code : kDcsCodes) // octal digits only
            QVERIFY2(code % 10 < 8 && code / 10 % 10 < 8 && code / 100 < 8,
                     qPrintable(QString::number(code)));
    }

    void toneCodes_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shownAgain");
        QTest::newRow("DCS") << "D754N"
                             << "8754"
                             << "D754N";
        QTest::newRow("CTCSS") << "100.0"
                               << "1000"
                               << "100.0";
        QTest::newRow("CTCSS below 100") << "67.0"
                                         << "0670"
                                         << "67.0";
        QTest::newRow("off") << "关"
                             << "0"
                             << "关";
        QTest::newRow("no tone text") << "xyz"
                                      << "0"
                                      << "关";
        QTest::newRow("absurd number") << "1e300"
                                       << "0"
                                       << "关";
    }

    void toneCodes() {
        QFETCH(QString, shown);
        QFETCH(QString, code);
        const QString off = QStringLiteral("关");
        QCOMPARE(GetCTCSS_DCSByShow(shown, off), code);
        QTEST(ShowCTCSS_DCS(code, off), "shownAgain");
    }

    void codeTextsRoundTrip() {
        for (const QString& entry : ShortToneListTexts(QStringLiteral("Off")))
            QCOMPARE(ShowCTCSS_DCS(GetCTCSS_DCSByShow(entry, "Off"), "Off"), entry);
        QCOMPARE(ShowCTCSS_DCS(" 8023 ", "Off"), QStringLiteral("D023N"));
        QCOMPARE(ShowCTCSS_DCS("123", "Off"), QStringLiteral("Off")); // codes have four characters
    }

    void validMode_data() {
        QTest::addColumn<Flags>("enable");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("valid");
        QTest::newRow("offered") << Flags{1, 1, 1, 1, 1} << 4 << 4;
        QTest::newRow("AM off") << Flags{1, 0, 1, 1, 1} << 1 << 0;
        QTest::newRow("FM and AM off") << Flags{0, 0, 1, 1, 1} << 1 << 2;
        QTest::newRow("none offered") << Flags{0, 0, 0, 0, 0} << 3 << 0;
        QTest::newRow("unknown mode") << Flags{0, 1, 1, 1, 1} << 9 << 1;
        QTest::newRow("negative mode") << Flags{0, 0, 0, 1, 1} << -1 << 3;
        QTest::newRow("flag above 1 offers") << Flags{0, 0, 2, 0, 0} << 2 << 2;
        QTest::newRow("negative flag does not") << Flags{1, -1, 0, 0, 0} << 1 << 0;
    }

    void validMode() {
        QFETCH(Flags, enable);
        QFETCH(int, mode);
        QTEST(ValidMode(mode, enable), "valid");
    }

    void modeLists() {
        const Flags all{1, 1, 1, 1, 1};
        QCOMPARE(ModeListEntries(all, false), (QStringList{"FM", "AM", "USB", "LSB", "PA"}));
        QCOMPARE(ModeListEntries(all, true), (QStringList{"FM", "AM", "USB", "LSB"}));
        QCOMPARE(ModeListEntries(Flags{0, 1, 0, 1, 1}, false), (QStringList{"AM", "LSB", "PA"}));
        for (int mode = -1; mode <= 5; ++mode)
            QCOMPARE(ModeTextToIndex(ModeIndexToText(mode)), mode >= 0 && mode <= 4 ? mode : 0);
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

    void comboFallbacks() {
        const QStringList list{"x", "y", "z"};
        QCOMPARE(FindComboText(list, "z"), QStringLiteral("z"));
        QCOMPARE(FindComboText(list, "w"), QStringLiteral("x"));
        QCOMPARE(ComboTextAt(list, 3), QStringLiteral("x"));
        QCOMPARE(ComboTextAt(list, -1), QStringLiteral("x"));
        QCOMPARE(SelectComboText(list, "y"), 1);
        QCOMPARE(SelectComboIndex(list, 7), 0);
        QCOMPARE(SelectComboIndex({}, 0), -1);
        QCOMPARE(SelectComboText({}, "x"), -1);
        QCOMPARE(ClampBinary(1, 0), 1);
        QCOMPARE(ClampBinary(2, 1), 1);
        QCOMPARE(ClampBinary(-1, 0), 0);
    }
};

QTEST_GUILESS_MAIN(TestChoiceTexts)
#include "test_choice_texts.moc"
