// Frequency forms: digit text, display text, typed input and the 10 Hz grid.

#include "core/model/freq_text.h"
#include "core/text/catalogue.h"
#include "support/scripted_prompter.h"

#include <QTest>

class TestFreqText : public QObject {
    Q_OBJECT
private slots:
    void digitsToText_data() {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<double>("low");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("complains");
        QTest::newRow("eight digits") << "27185000" << 28.0 << "27.1850" << false;
        QTest::newRow("six digits") << "271850" << 28.0 << "27.1850" << false;
        QTest::newRow("padded field") << "271850  " << 28.0 << "27.1850" << false;
        QTest::newRow("half rounds up") << "27185050" << 28.0 << "27.1851" << false;
        QTest::newRow("empty") << "" << 28.0 << "" << false;
        QTest::newRow("no frequency") << "FFFFFFFF" << 28.0 << "" << false;
        QTest::newRow("damaged, HF") << "27A85000" << 28.0 << "28" << true;
        QTest::newRow("point inside, CB") << "2.718500" << 25.615 << "25.615" << true;
    }

    void digitsToText() {
        QFETCH(QString, digits);
        QFETCH(double, low);
        QFETCH(QString, shown);
        QFETCH(bool, complains);
        ScriptedPrompter prompter;
        QCOMPARE(FreqDigitsToText(digits, low, &prompter), shown);
        QCOMPARE(prompter.texts(), complains ? QStringList{"Not IsNumeric"} : QStringList{});
    }

    void textToDigits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("low");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("padded");
        QTest::newRow("shown") << "27.1850" << 28.0 << "271850"
                               << "27185000";
        QTest::newRow("six decimals") << "28.015000" << 28.0 << "28015000"
                                      << "28015000";
        QTest::newRow("one MHz digit") << "7.5" << 28.0 << "075"
                                       << "07500000";
        QTest::newRow("no MHz digit") << ".5" << 28.0 << "005"
                                      << "00500000";
        QTest::newRow("no point") << "28" << 28.0 << "28"
                                  << "28000000";
        QTest::newRow("not a number, CB") << "abc" << 25.615 << "25615"
                                          << "25615000";
        QTest::newRow("empty") << "" << 28.0 << ""
                               << "FFFFFFFF";
    }

    void textToDigits() {
        QFETCH(QString, text);
        QFETCH(double, low);
        QFETCH(QString, digits);
        QFETCH(QString, padded);
        QCOMPARE(FreqTextToDigits(text, low), digits);
        QCOMPARE(PadFreqDigits(digits), padded);
    }

    void normalizeInput_data() {
        QTest::addColumn<bool>("cb");
        QTest::addColumn<bool>("clamp");
        QTest::addColumn<bool>("warn");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warned");
        const int en = Catalogue::kEnglish;
        QTest::newRow("HF above") << false << false << true << en << "29.7"
                                  << "" << true;
        QTest::newRow("HF low edge") << false << false << true << en << "28"
                                     << "28.0000" << false;
        QTest::newRow("HF high edge") << false << false << true << en << "29.699"
                                      << "29.6990" << false;
        QTest::newRow("HF below, clamped") << false << true << true << en << "27.9"
                                           << "28.0000" << true;
        QTest::newRow("HF above, clamped") << false << true << false << en << "31"
                                           << "29.6990" << false;
        QTest::newRow("not a number") << false << false << true << en << "2x"
                                      << "" << true;
        QTest::newRow("not a number, clamped") << false << true << true << en << "x"
                                               << "28.0000" << true;
        QTest::newRow("too large to be a number") << false << false << true << en << "1e400"
                                                  << "" << true;
        QTest::newRow("Chinese message") << false << false << true << Catalogue::kChinese << "29.7"
                                         << "" << true;
        QTest::newRow("CB down to grid") << true << false << true << en << "25.615004"
                                         << "25.6150" << false;
        QTest::newRow("CB grid, then half up") << true << false << true << en << "27.185054"
                                               << "27.1851" << false;
        QTest::newRow("CB grid moves down") << true << false << true << en << "27.185049"
                                            << "27.1850" << false;
    }

    void normalizeInput() {
        QFETCH(bool, cb);
        QFETCH(bool, clamp);
        QFETCH(bool, warn);
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, warned);
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
    }
};

QTEST_GUILESS_MAIN(TestFreqText)
#include "test_freq_text.moc"
