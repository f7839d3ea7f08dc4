// The text catalogue, the language names and the roger-beep editor's texts.

#include "core/text/catalogue.h"
#include "core/text/language_names.h"
#include "core/text/tone_text.h"

#include <QSet>
#include <QTest>
#include <utility>

Q_DECLARE_METATYPE(TextId)

namespace {

constexpr int kEnglish = Catalogue::kEnglish;
constexpr int kChinese = Catalogue::kChinese;
constexpr int kKeyCount = static_cast<int>(TextId::Count_);

QString Describe(TextId id) {
    return QStringLiteral("TextId %1").arg(static_cast<int>(id));
}

// Texts that read the same in both languages: abbreviations and captions the
// radio's own panel shows untranslated.
const QSet<TextId>& SameInBothLanguages() {
    static const QSet<TextId> kSame = {
        TextId::ChTsq,         TextId::SwHiCut,       TextId::SwNbAnl,     TextId::SwEcho,
        TextId::SwAdd10K,      TextId::SwBusy,        TextId::SwRoger,     TextId::SwMode,
        TextId::OptTot,        TextId::OptMic,        TextId::OptNog,      TextId::OptScm,
        TextId::OptFin,        TextId::OptFreqCh,     TextId::OptTxOffset, TextId::OptMhz,
        TextId::OptFmAmRssi,   TextId::OptUsbLsbRssi, TextId::OptSwrMax,   TextId::OptBatteryMin,
        TextId::OptBatteryMax, TextId::OptModeEnable, TextId::OptFmEnable, TextId::OptAmEnable,
        TextId::OptUsbEnable,  TextId::OptLsbEnable,  TextId::OptPaEnable,
    };
    return kSame;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyKeyHasBothTexts();
    void otherLanguagesAreEmpty();
    void chineseIsTranslated();
    void onlyDistinctEntriesShareTexts();
    void texts_data();
    void texts();
    void textFollowsCurrentLanguage();
    void languageNames_data();
    void languageNames();
    void toneTexts_data();
    void toneTexts();
    void toneTextOfOtherLanguageIsEnglish();
};

void TestCatalogue::everyKeyHasBothTexts() {
    for (int i = 0; i < kKeyCount; ++i) {
        const auto id = static_cast<TextId>(i);
        QVERIFY2(!Catalogue::TextIn(id, kEnglish).isEmpty(), qPrintable(Describe(id)));
        QVERIFY2(!Catalogue::TextIn(id, kChinese).isEmpty(), qPrintable(Describe(id)));
    }
}

void TestCatalogue::otherLanguagesAreEmpty() {
    for (int i = 0; i < kKeyCount; ++i) {
        const auto id = static_cast<TextId>(i);
        for (const int language : {0, 3, -1})
            QVERIFY2(Catalogue::TextIn(id, language).isEmpty(), qPrintable(Describe(id)));
    }
    QVERIFY(Catalogue::TextIn(TextId::Count_, kEnglish).isEmpty());
}

void TestCatalogue::chineseIsTranslated() {
    for (int i = 0; i < kKeyCount; ++i) {
        const auto id = static_cast<TextId>(i);
        const bool same = Catalogue::TextIn(id, kEnglish) == Catalogue::TextIn(id, kChinese);
        QVERIFY2(same == SameInBothLanguages().contains(id), qPrintable(Describe(id)));
    }
}

void TestCatalogue::onlyDistinctEntriesShareTexts() {
    // Each pair below is two separate entries that happen to read alike: the
    // menu item and the child-window button.
    const QList<std::pair<TextId, TextId>> alike = {
        {TextId::MnuFilePrint, TextId::CommandPrint},
        {TextId::MnuHelp, TextId::CommandHelp},
    };
    for (int i = 0; i < kKeyCount; ++i) {
        for (int j = i + 1; j < kKeyCount; ++j) {
            const auto a = static_cast<TextId>(i);
            const auto b = static_cast<TextId>(j);
            if (Catalogue::TextIn(a, kEnglish) != Catalogue::TextIn(b, kEnglish) ||
                Catalogue::TextIn(a, kChinese) != Catalogue::TextIn(b, kChinese))
                continue;
            QVERIFY2(alike.contains({a, b}), qPrintable(Describe(a) + " / " + Describe(b)));
        }
    }
}

void TestCatalogue::texts_data() {
    QTest::addColumn<TextId>("id");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("write completed") << TextId::WriteCompleted << "Write Data Completed."
                                     << "写入数据完成。";
    QTest::newRow("read completed") << TextId::ReadCompleted << "Read Data Completed."
                                    << "读取数据完成。";
    QTest::newRow("file modified") << TextId::FileModified << "File has been modify,save it now?"
                                   << "当前文件已被修改，是否现在保存？";
    QTest::newRow("read confirm") << TextId::ReadConfirm
                                  << "Read data from radio.\r\nDo you wish continue?"
                                  << "从对讲机读取数据。\r\n是否继续？";
    QTest::newRow("menu file") << TextId::MnuFile << "&File"
                               << "文件&F";
    QTest::newRow("channel caption") << TextId::ChInfoCaption << "Channel Information"
                                     << "信道信息";
    QTest::newRow("select bank") << TextId::ChSelectBank << "Select CB/HF"
                                 << "模式选择";
    QTest::newRow("band") << TextId::ChBand << "Band"
                          << "组";
    QTest::newRow("grid channel") << TextId::ChGridChannelNo << "CH No."
                                  << "信道";
    QTest::newRow("grid frequency") << TextId::FrequencyLabel << "Frequency"
                                    << "频率";
    QTest::newRow("option caption") << TextId::OptCaption << "Optional Features"
                                    << "可选功能";
    QTest::newRow("indic") << TextId::OptIndic << "INDIC"
                           << "发射时LCD显示";
    QTest::newRow("indic swr") << TextId::OptIndicSwr << "SWR LCD Display"
                               << "SWR驻波LCD显示";
    QTest::newRow("asq") << TextId::OptAsqLevel << "ASQ Level"
                         << "ASQ等级";
    QTest::newRow("colour") << TextId::OptColor << "Color"
                            << "背光灯颜色";
    QTest::newRow("cyan") << TextId::OptColorCyan << "Cyan"
                          << "青";
    QTest::newRow("squelch scan") << TextId::OptSquelchScan << "Squelch Scan"
                                  << "静噪扫描";
    QTest::newRow("public") << TextId::OptPublic << "Public"
                            << "公共信道设置";
    QTest::newRow("beep") << TextId::OptBeep << "Beep"
                          << "提示音";
    QTest::newRow("battery protect") << TextId::OptBatteryProtect << "Battery Voltage Protect"
                                     << "电池电压保护";
    QTest::newRow("tot") << TextId::OptTot << "TOT"
                         << "TOT";
    QTest::newRow("hi-cut") << TextId::SwHiCut << "HI-CUT"
                            << "HI-CUT";
    QTest::newRow("off word") << TextId::OffWord << "Off"
                              << "关";
    QTest::newRow("on switch") << TextId::OnSwitch << "ON"
                               << "开";
    QTest::newRow("progress read") << TextId::ProgressReadCaption << "Read data from radio"
                                   << "从对讲机读取数据";
    QTest::newRow("progress write") << TextId::ProgressWriteCaption << "Write data to radio"
                                    << "向对讲机写入数据";
    QTest::newRow("progress label") << TextId::ProgressPercentLabel << "Completion percentage:"
                                    << "完成进度:";
    QTest::newRow("port caption") << TextId::CommunicationPort << "Communication Port"
                                  << "通信端口";
}

void TestCatalogue::texts() {
    QFETCH(TextId, id);
    QTEST(Catalogue::TextIn(id, kEnglish), "english");
    QTEST(Catalogue::TextIn(id, kChinese), "chinese");
}

void TestCatalogue::textFollowsCurrentLanguage() {
    Catalogue catalogue;
    QCOMPARE(catalogue.Text(TextId::WriteCompleted), QStringLiteral("Write Data Completed."));
    catalogue.CurrentLanguage = kChinese;
    QCOMPARE(catalogue.Text(TextId::WriteCompleted), QStringLiteral("写入数据完成。"));
    catalogue.CurrentLanguage = 0;
    QVERIFY(catalogue.Text(TextId::WriteCompleted).isEmpty());
}

void TestCatalogue::languageNames_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("inLanguage");
    QTest::addColumn<QString>("name");
    QTest::newRow("English in English") << 1 << 1 << "English";
    QTest::newRow("Chinese in English") << 2 << 1 << "Chinese";
    QTest::newRow("English in Chinese") << 1 << 2 << "英语";
    QTest::newRow("Chinese in Chinese") << 2 << 2 << "中文";
    QTest::newRow("language 0") << 0 << 1 << "";
    QTest::newRow("language 3") << 3 << 1 << "";
    QTest::newRow("in language 0") << 1 << 0 << "";
    QTest::newRow("in language 3") << 2 << 3 << "";
}

void TestCatalogue::languageNames() {
    QFETCH(int, language);
    QFETCH(int, inLanguage);
    QTEST(LanguageName(language, inLanguage), "name");
}

void TestCatalogue::toneTexts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("menu entry") << 10221 << "&Roger Beep"
                                << "RB音(&R)";
    QTest::newRow("tree node") << 12014 << "Roger Beep"
                               << "RB音";
    QTest::newRow("caption") << 29000 << "Roger Beep"
                             << "RB音";
    QTest::newRow("tab") << 29001 << "RB Tone"
                         << "RB音";
    QTest::newRow("loops") << 29002 << "Recycle Times"
                           << "循环次数";
    QTest::newRow("interval") << 29003 << "Inter Time[ms]"
                              << "间隔时间[ms]";
    QTest::newRow("frequency") << 29004 << "Frequency[Hz]"
                               << "频率[Hz]";
    QTest::newRow("length") << 29005 << "Tone Long[ms]"
                            << "音长[ms]";
    QTest::newRow("play") << 29006 << "&Play"
                          << "播放(&P)";
    QTest::newRow("stop") << 29007 << "&Stop"
                          << "停止(&S)";
    QTest::newRow("first element") << 29100 << "First Tone"
                                   << "第一个音";
    QTest::newRow("eleventh element") << 29110 << "Eleventh Tone"
                                      << "第十一个音";
    QTest::newRow("last element") << 29113 << "Fourteenth Tone"
                                  << "第十四个音";
    QTest::newRow("loop off") << 29200 << "Off"
                              << "关";
    QTest::newRow("no frequency") << 29201 << "None"
                                  << "无";
    QTest::newRow("before elements") << 29099 << ""
                                     << "";
    QTest::newRow("after elements") << 29114 << ""
                                    << "";
    QTest::newRow("between captions") << 29008 << ""
                                      << "";
    QTest::newRow("after lists") << 29202 << ""
                                 << "";
    QTest::newRow("zero") << 0 << ""
                          << "";
}

void TestCatalogue::toneTexts() {
    QFETCH(int, id);
    QTEST(ToneText(id, kEnglish), "english");
    QTEST(ToneText(id, kChinese), "chinese");
}

void TestCatalogue::toneTextOfOtherLanguageIsEnglish() {
    QCOMPARE(ToneText(29001, 0), QStringLiteral("RB Tone"));
    QCOMPARE(ToneText(29001, 3), QStringLiteral("RB Tone"));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
