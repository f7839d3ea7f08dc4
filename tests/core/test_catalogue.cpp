// The text catalogue, the language names and the roger-beep editor's texts:
// every text in both languages, Chinese really translated, no two entries alike.

#include "core/text/catalogue.h"
#include "core/text/language_names.h"
#include "core/text/tone_text.h"

#include <QSet>
#include <QTest>
#include <utility>

namespace {

constexpr int kEnglish = Catalogue::kEnglish;
constexpr int kChinese = Catalogue::kChinese;
constexpr int kKeyCount = static_cast<int>(TextId::Count_);

QByteArray Describe(int id) {
    return QByteArray("TextId ") + QByteArray::number(id);
}

// Texts that read the same in both languages: abbreviations and captions the
// radio's own panel shows untranslated.
const QSet<TextId> kSameInBothLanguages = {
    TextId::ChTsq,         TextId::SwHiCut,       TextId::SwNbAnl,     TextId::SwEcho,
    TextId::SwAdd10K,      TextId::SwBusy,        TextId::SwRoger,     TextId::SwMode,
    TextId::OptTot,        TextId::OptMic,        TextId::OptNog,      TextId::OptScm,
    TextId::OptFin,        TextId::OptFreqCh,     TextId::OptTxOffset, TextId::OptMhz,
    TextId::OptFmAmRssi,   TextId::OptUsbLsbRssi, TextId::OptSwrMax,   TextId::OptBatteryMin,
    TextId::OptBatteryMax, TextId::OptModeEnable, TextId::OptFmEnable, TextId::OptAmEnable,
    TextId::OptUsbEnable,  TextId::OptLsbEnable,  TextId::OptPaEnable,
};

// Separate entries that happen to read alike: the menu item and the child-window button.
const QList<std::pair<TextId, TextId>> kAlike = {
    {TextId::MnuFilePrint, TextId::CommandPrint},
    {TextId::MnuHelp, TextId::CommandHelp},
};

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyTextInBothLanguages() {
        for (int i = 0; i < kKeyCount; ++i) {
            const auto id = static_cast<TextId>(i);
            const QString english = Catalogue::TextIn(id, kEnglish);
            const QString chinese = Catalogue::TextIn(id, kChinese);
            QVERIFY2(!english.isEmpty() && !chinese.isEmpty(), Describe(i));
            QVERIFY2((english == chinese) == kSameInBothLanguages.contains(id), Describe(i));
            for (const int language : {0, 3, -1})
                QVERIFY2(Catalogue::TextIn(id, language).isEmpty(), Describe(i));
            for (int j = i + 1; j < kKeyCount; ++j) {
                const auto other = static_cast<TextId>(j);
                if (english == Catalogue::TextIn(other, kEnglish) &&
                    chinese == Catalogue::TextIn(other, kChinese))
                    QVERIFY2(kAlike.contains({id, other}), Describe(i) + " / " + Describe(j));
            }
        }
        QVERIFY(Catalogue::TextIn(TextId::Count_, kEnglish).isEmpty());
        Catalogue catalogue;
        QCOMPARE(catalogue.Text(TextId::WriteCompleted), QStringLiteral("Write Data Completed."));
        catalogue.CurrentLanguage = kChinese;
        QCOMPARE(catalogue.Text(TextId::WriteCompleted), QStringLiteral("写入数据完成。"));
    }

    void languageNames() {
        const QStringList names{LanguageName(1, 1), LanguageName(2, 1), LanguageName(1, 2),
                                LanguageName(2, 2)};
        QCOMPARE(names, (QStringList{"English", "Chinese", "英语", "中文"}));
        for (const auto& [language, in] : {std::pair{0, 1}, {3, 1}, {1, 0}, {2, 3}})
            QVERIFY(LanguageName(language, in).isEmpty());
    }

    // The roger-beep window's captions (29000-29007), element names
    // (29100-29113) and list words (29200-29201), nothing between.
    void toneTexts() {
        for (int id = 28999; id <= 29202; ++id) {
            const bool defined = (id >= 29000 && id <= 29007) || (id >= 29100 && id <= 29113) ||
                                 id == 29200 || id == 29201;
            const QString english = ToneText(id, kEnglish);
            const QString chinese = ToneText(id, kChinese);
            QVERIFY2(english.isEmpty() != defined, Describe(id));
            QVERIFY2(defined ? english != chinese : chinese.isEmpty(), Describe(id));
            QCOMPARE(ToneText(id, 3), english); // any other language reads English
        }
        QCOMPARE(ToneText(29113, kEnglish), QStringLiteral("Fourteenth Tone"));
        QCOMPARE(ToneText(29113, kChinese), QStringLiteral("第十四个音"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
