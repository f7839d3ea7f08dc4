// The text catalogue, the language names and the roger-beep editor's texts: every text in both
// languages, Chinese really translated, no two entries alike.

#include "core/text/catalogue.h"
#include "core/text/language_names.h"
#include "core/text/tone_text.h"

#include <QRegularExpression>
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
            // An accelerator: the same key in both, shown "(&X)" after the Chinese.
            const QRegularExpression key("&(\\w)");
            const QString letter = key.match(english).captured(1).toUpper();
            QVERIFY2(letter.isEmpty() ? !chinese.contains('&')
                                      : chinese.contains("(&" + letter + ")"),
                     Describe(i));
        }
        // The channel list's right-click menu: a key for each command.
        QSet<QChar> keys;
        for (const TextId id : {TextId::ListCopy, TextId::ListPaste, TextId::ListFillDown,
                                TextId::ListDelete, TextId::ListSortByFrequency})
            keys.insert(Catalogue::TextIn(id, kEnglish).section('&', 1).at(0).toUpper());
        QCOMPARE(keys.size(), 5);
        QVERIFY(Catalogue::TextIn(TextId::Count_, kEnglish).isEmpty());
        for (const auto& [language, in] : {std::pair{0, 1}, {3, 1}, {1, 0}, {2, 3}})
            QVERIFY(LanguageName(language, in).isEmpty()); // no such language: no name
        Catalogue catalogue;
        catalogue.CurrentLanguage = kChinese;
        QCOMPARE(catalogue.Text(TextId::WriteCompleted),
                 Catalogue::TextIn(TextId::WriteCompleted, kChinese));
    }

    // The roger-beep window's captions, element names and list words.
    void toneTexts() {
        QList<int> ids{29200, 29201};
        for (int id = 29000; id <= 29113; id += id == 29007 ? 93 : 1)
            ids << id;
        for (const int id : ids) {
            const QString english = ToneText(id, kEnglish);
            QVERIFY2(!english.isEmpty() && english != ToneText(id, kChinese), Describe(id));
            QCOMPARE(ToneText(id, 3), english); // any other language reads English
        }
        QVERIFY(ToneText(29008, kEnglish).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
