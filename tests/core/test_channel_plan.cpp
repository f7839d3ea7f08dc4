// Channel plans as CSV: the reader and writer on their own, then export and
// import with their rules, error lines and exactness on random plans.

#include "core/base/csv.h"
#include "core/codec/image_codec.h"
#include "core/editing/channel_list.h"
#include "core/editing/channel_plan.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/values.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {

RadioImage Encoded(RadioModel m) {
    PrepareImage(m.image);
    EncodeImage(m);
    return m.image;
}

// A valid plan: random channels in random groups, every value from its list.
RadioModel RandomModel(QRandomGenerator& random) {
    RadioModel m = DefaultModel();
    const Catalogue c;
    for (int i = 0; i < 200; ++i) {
        const ListRow row{random.bounded(2), random.bounded(1, 10), random.bounded(1, 47)};
        if (row.group > 9 && row.bank == 1)
            continue;
        const double low = row.bank == 0 ? 25.615 : 28.0;
        SetRowFrequency(m, row, QString::number(low + random.bounded(1500) * 0.001, 'f', 4), c);
        for (int column = kColMode; column < kListColumnCount; ++column) {
            const QStringList choices = CellChoices(m, row, column, c);
            if (!choices.isEmpty())
                SetCellChoice(m, row, column, choices[random.bounded(int(choices.size()))], c);
        }
        SetCellChoice(m, row, kColPublic, "OFF", c);
    }
    return m;
}

} // namespace

class TestChannelPlan : public QObject {
    Q_OBJECT
private slots:
    void csvReadsWhatSpreadsheetsWrite() {
        // Each record as its line, ":" ("!" when malformed) and its fields.
        const auto parsed = [](const QString& text) {
            QStringList records;
            for (const CsvRecord& r : ParseCsv(text, ','))
                records << QString::number(r.line) + (r.malformed ? "!" : ":") + r.fields.join('|');
            return records.join(' ');
        };
        QCOMPARE(parsed("a,b\n1,2"), "1:a|b 2:1|2"); // no last line end
        QCOMPARE(parsed(QString(QChar(0xFEFF)) + "a,b\r\n1,2\r\n"), "1:a|b 2:1|2");
        QCOMPARE(parsed("\"x,y\",\"say \"\"hi\"\"\"\n"), "1:x,y|say \"hi\"");
        QCOMPARE(parsed("\"one\ntwo\",3\nnext,4\n"), "1:one\ntwo|3 3:next|4");
        QCOMPARE(parsed(",,\n\n"), "1:|| 2:");
        QVERIFY(parsed("\"open,1\n").startsWith("1!"));
        QVERIFY(parsed("\"a\"b,1\n").startsWith("1!"));
        QCOMPARE(CsvDelimiterOf("\"a,b\";c,d"), QChar(';'));
        QCOMPARE(CsvDelimiterOf("a\tb"), QChar('\t'));
        // What the writer quotes, the reader gives back.
        const QStringList odd{"plain", "a,b", "q\"uote", "line\r\nbreak", ""};
        QCOMPARE(ParseCsv(CsvLine(odd, ',') + CsvLine({"x"}, ','), ',').first().fields, odd);
    }

    void exportThenImportIsExact() {
        QRandomGenerator random(4400);
        const Catalogue c;
        for (int round = 0; round < 25; ++round) {
            const RadioModel m = RandomModel(random);
            const ChannelPlanImport back = ReadChannelPlan(m, ChannelPlanCsv(m), c);
            QVERIFY2(back.problems.isEmpty(), qPrintable(back.problems.join('\n')));
            QVERIFY(Encoded(back.result) == Encoded(m));
            for (const QString& line : back.summary)
                QVERIFY2(line.endsWith(": 0 added, 0 changed, 0 removed"), qPrintable(line));
            // Into fresh data: the same channels again.
            const ChannelPlanImport fresh = ReadChannelPlan(DefaultModel(), ChannelPlanCsv(m), c);
            QCOMPARE(ChannelPlanCsv(fresh.result), ChannelPlanCsv(m));
        }
    }

    void importTakesTheNamedGroups() {
        RadioModel m = DefaultModel();
        const Catalogue c;
        SetRowFrequency(m, {0, 2, 5}, "27.0", c);
        SetRowFrequency(m, {0, 2, 9}, "27.1", c);
        m.channels.at(0, m.FindSlot(9, 0, 2), 2).TxFreq.set("2720");
        const QString before = ChannelPlanCsv(m);
        // Semicolons with decimal commas, any order and case, a column we
        // don't know, a bare tone, a line break inside quotes.
        const QString plan = "channel;Frequency;GROUP;bank;Notes;tsq;Mode\r\n"
                             "9;27,105;B;CB;\"two\nlines\";88.5;AM\r\n"
                             "3;27,2;B;CB;;D754N;\r\n";
        const ChannelPlanImport in = ReadChannelPlan(m, plan, c);
        QVERIFY2(in.problems.isEmpty(), qPrintable(in.problems.join('\n')));
        QCOMPARE(in.summary, QStringList{"CB B: 1 added, 1 changed, 8 removed"});
        const RadioModel& r = in.result;
        // Two channels in the file's order, channel 9's transmit frequency kept;
        // the tones, a new channel's mode, the frequency.
        QCOMPARE(Values(r.radio.ChannelCount(0, 2), r.channels.at(0, 1, 2).ChannelNumber,
                        r.channels.at(0, 1, 2).TxFreq.text(), CellText(r, {0, 2, 9}, kColTsq, c),
                        CellText(r, {0, 2, 3}, kColTsq, c), CellText(r, {0, 2, 3}, kColMode, c),
                        CellText(r, {0, 2, 9}, kColFrequency, c)),
                 "2 9 2720 C_008(88.5Hz) D_104(754N) FM 27.1050");
        // The other groups stay as they were.
        QCOMPARE(ChannelPlanCsv(r).section("CB,C,", 1), before.section("CB,C,", 1));
        // Every reference of the group names a channel it has.
        QVERIFY(r.radio.Options.WorkChannel(0, 2) == 9 || r.radio.Options.WorkChannel(0, 2) == 3);
    }

    void badLinesChangeNothing() {
        const RadioModel m = DefaultModel();
        const Catalogue c;
        const QString plan = "Bank,Group,Channel,Frequency,Mode\n"
                             "CB,A,1,27.0,AM\n"
                             "\"C\nB\",A,2,27.0,AM\n" // a quoted line break: reported at line 3
                             "HF,J,1,28.1,FM\n"
                             "CB,A,1,27.2,FM\n"
                             "CB,B,2,31,FM\n"
                             "CB,B,3,27.3,SSB\n"
                             "CB,B,4\n"
                             "XX,B,5,27.3,FM\n"
                             ",,,,\n" // a spreadsheet's blank row
                             "CB,B,41,27.3,FM\n"
                             "CB,B,m0,27.3,FM\n"
                             "CB,B,7,27.9x,FM\n"
                             "CB,B,8,27.3,\"F\x01M\"\n"
                             "CB,B,9,27.3,\"FM\n";
        const ChannelPlanImport in = ReadChannelPlan(m, plan, c);
        QCOMPARE(in.problems,
                 (QStringList{"line 3, column Bank: not a bank (CB or HF)",
                              "line 5, column Group: HF has no group J",
                              "line 6, column Channel: the channel is given twice",
                              "line 7, column Frequency: Frequency is out of range. 25.6150 - "
                              "30.1050 MHz",
                              "line 8, column Mode: \"SSB\" is not offered here",
                              "line 9, column -: not a line of the file's columns",
                              "line 10, column Bank: not a bank (CB or HF)",
                              "line 12, column Channel: not a channel (1-40, M1-M6)",
                              "line 13, column Channel: not a channel (1-40, M1-M6)",
                              "line 14, column Frequency: not a number",
                              "line 15, column Mode: \"F\\x01M\" is not offered here",
                              "line 16, column -: a quote is not closed"}));
        QCOMPARE(ChannelPlanCsv(in.result), ChannelPlanCsv(m));
        QCOMPARE(ReadChannelPlan(m, "Bank,Group,Frequency\n", c).problems,
                 QStringList{"line 1, column Channel: the column is missing"});
        QCOMPARE(ReadChannelPlan(m, "Bank,Group,Channel,Frequency\r\n,,,\r\n", c).problems,
                 QStringList{"line 2, column -: no channel follows the header, so the file "
                             "names no group"});
        // Saved as a spreadsheet's "Unicode text": refused as such, not line by line.
        const QString utf16 = QDir::temp().filePath("zr4400-plan-utf16.csv");
        QFile file(utf16);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xff\xfe") +
                   QByteArray(reinterpret_cast<const char*>(u"Bank,Group"), 20));
        file.close();
        QString text;
        FileProblem problem;
        QCOMPARE(ReadPlanFile(utf16, text, &problem), PlanFileStatus::NotUtf8);
        QVERIFY(
            FileProblemLine(c, problem).endsWith("not UTF-8 text: save the plan as \"CSV UTF-8\""));
        file.remove();
        // A plan that would leave a bank without a regular channel is refused whole.
        QString memoryOnly = "Bank,Group,Channel,Frequency\n";
        for (int g = 0; g < 10; ++g)
            memoryOnly += QStringLiteral("CB,%1,M1,27.0\n").arg(QChar('A' + g));
        QCOMPARE(ReadChannelPlan(m, memoryOnly, c).problems,
                 QStringList{"CB would be left without a channel: nothing was imported."});
    }
};

QTEST_GUILESS_MAIN(TestChannelPlan)
#include "test_channel_plan.moc"
