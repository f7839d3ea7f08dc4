// The channel list's rules without its window: the rows, what a cell offers
// and refuses, copying and pasting rows, and the undo history.

#include "core/editing/channel_list.h"
#include "core/session/edit_history.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/values.h"

#include <QTest>

namespace {

const ChannelRecord& Record(const RadioModel& m, const ListRow& row) {
    const ChannelRecord* record = RecordOfRow(m, row);
    Q_ASSERT(record);
    return *record;
}

} // namespace

class TestChannelList : public QObject {
    Q_OBJECT
private slots:
    void rowsOfBothBanks() {
        RadioModel m = DefaultModel();
        m.radio.ChannelCount(1, 3) = 0; // HF C keeps channel 5 only: no memory rows
        m.AppendChannel(5, 1, 3, "28.5");
        const QList<ListRow> rows = ChannelListRows(m);
        QCOMPARE(rows.size(), 10 * 46 + 8 * 46 + 40);
        QCOMPARE(rows.first(), (ListRow{0, 1, 1}));
        QCOMPARE(rows.last(), (ListRow{1, 9, 46}));
        QVERIFY(!rows.contains(ListRow{1, 3, 41}) && rows.contains(ListRow{1, 3, 40}));
        QVERIFY(!rows.contains(ListRow{1, 10, 1})); // HF has no group J
        // Group A always offers its memory channels, stored or not.
        m.radio.ChannelCount(0, 1) = 1;
        QVERIFY(ChannelListRows(m).contains(ListRow{0, 1, 46}));
        QCOMPARE(RowLabel({1, 2, 43}), QStringLiteral("HF B M3"));
    }

    void cellsFollowTheChannelWindowsRules() {
        RadioModel m = DefaultModel();
        const Catalogue c;
        const ListRow regular{0, 1, 1}, memory{0, 1, 41}, empty{0, 1, 2};
        QVERIFY(CellChoices(m, regular, kColMode, c).contains("PA"));
        QVERIFY(!CellChoices(m, memory, kColMode, c).contains("PA"));
        QCOMPARE(CellText(m, empty, kColMode, c), QString());

        const struct {
            const char* name;
            ListRow row;
            int column;
            const char* text;
            const char* refusal;
        } rows[] = {
            {"empty row", empty, kColMode, "AM", "no channel"},
            {"PA on a memory channel", memory, kColMode, "PA", "\"PA\" is not offered here"},
            {"undefined roger tone", regular, kColRoger, "9", "\"9\" is not offered here"},
            {"set, any case", regular, kColMode, "usb", ""},
            {"public on", regular, kColPublic, "ON", ""},
            {"mode under public", regular, kColMode, "AM", "the channel uses the public settings"},
            {"tone under public", regular, kColTsq, "C_008(88.5Hz)", ""},
        };
        for (const auto& r : rows)
            QVERIFY2(SetCellChoice(m, r.row, r.column, r.text, c) == QLatin1String(r.refusal),
                     r.name);
        QCOMPARE(CellText(m, regular, kColMode, c), QStringLiteral("USB"));
        QCOMPARE(CellText(m, regular, kColTsq, c), QStringLiteral("C_008(88.5Hz)"));
        QVERIFY(CellFollowsPublic(m, regular, kColRoger) &&
                !CellFollowsPublic(m, regular, kColTsq));
        // A stored value no entry stands for is shown as it is.
        m.channels.at(0, m.FindSlot(1, 0, 1), 1).Mode = 7;
        QCOMPARE(CellText(m, regular, kColMode, c), QStringLiteral("Mode 7"));
    }

    void frequenciesByTheBanksOwnBand() {
        RadioModel m = DefaultModel();
        m.radio.BandFlag = 1; // HF in force; CB keeps its own band
        m.ApplyBandFlag();
        const Catalogue c;
        QCOMPARE(SetRowFrequency(m, {0, 2, 5}, "26.5", c), QString());
        QCOMPARE(CellText(m, {0, 2, 5}, kColFrequency, c), QStringLiteral("26.5000"));
        QCOMPARE(SetRowFrequency(m, {1, 2, 5}, "26.5", c),
                 QStringLiteral("Frequency is out of range. 28.0000 - 29.6990 MHz"));
        // The bank's last regular channel stays; another group's last one goes.
        RadioModel last = DefaultModel();
        for (int group = 2; group <= 10; ++group)
            QCOMPARE(SetRowFrequency(last, {0, group, 1}, "", c), QString());
        QCOMPARE(SetRowFrequency(last, {0, 1, 1}, "", c),
                 QStringLiteral("the bank keeps its last channel"));
        QVERIFY(RecordOfRow(last, {0, 1, 1}) && !RecordOfRow(last, {0, 2, 1}));
        QCOMPARE(last.radio.Options.GroupValid(0, 2), int16_t(0));
    }

    void copiedRowsPasteBack() {
        RadioModel m = DefaultModel();
        const Catalogue c;
        SetRowFrequency(m, {0, 1, 12}, "27.105", c);
        SetCellChoice(m, {0, 1, 12}, kColMode, "AM", c);
        SetCellChoice(m, {0, 1, 12}, kColRep, "-", c);
        SetCellChoice(m, {0, 1, 1}, kColPublic, "ON", c);
        const QString text = CopyRowsText(m, {{0, 1, 1}, {0, 1, 2}, {0, 1, 12}});
        const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3); // the header and two channels: the empty row is left out
        QCOMPARE(lines[2], QStringLiteral("CB\tA\t12\t27.1050\tAM\tC_008(88.5Hz)\tOFF\tON\tOFF\t"
                                          "OFF\tOFF\t-\tOFF\tAdd\tOFF"));

        // Into another radio's data: the rows go to the channels they name.
        RadioModel other = DefaultModel();
        const PasteOutcome pasted = PasteRowsText(other, text, {}, 0, c);
        QVERIFY2(pasted.problems.isEmpty(), qPrintable(pasted.problems.join('\n')));
        QCOMPARE(Record(other, {0, 1, 12}), Record(m, {0, 1, 12}));
        QCOMPARE(Record(other, {0, 1, 1}).Public, int16_t(1));

        // Without bank, group and channel, lines fill the target rows in order.
        const PasteOutcome down = PasteRowsText(other, "28.5\tUSB\n28.6\tLSB\n",
                                                {{1, 4, 7}, {1, 4, 8}}, kColFrequency, c);
        QVERIFY(down.problems.isEmpty());
        QCOMPARE(CellText(other, {1, 4, 8}, kColMode, c), QStringLiteral("LSB"));
        QCOMPARE(CellText(other, {1, 4, 7}, kColFrequency, c), QStringLiteral("28.5000"));

        // With the interface in Chinese: copied (English) and shown values
        // paste alike, and a Public channel's own mode goes with it.
        Catalogue zh;
        zh.CurrentLanguage = Catalogue::kChinese;
        RadioModel fresh = DefaultModel();
        QVERIFY(PasteRowsText(fresh, text, {}, 0, zh).problems.isEmpty());
        QCOMPARE(Record(fresh, {0, 1, 12}), Record(m, {0, 1, 12}));
        SetCellChoice(m, {0, 1, 12}, kColPublic, "ON", c);
        QVERIFY(PasteRowsText(fresh, CopyRowsText(m, {{0, 1, 12}}).replace("\t12\t", "\t13\t"), {},
                              0, zh)
                    .problems.isEmpty());
        QCOMPARE(CellText(fresh, {0, 1, 13}, kColMode, c), QStringLiteral("AM"));
        const QString shown = CellText(m, {0, 1, 12}, kColScan, zh) + "\n";
        QVERIFY(shown != "Add\n" &&
                PasteRowsText(fresh, shown, {{0, 1, 13}}, kColScan, zh).problems.isEmpty());
        // Lines past the last target are counted, not pasted anywhere.
        const PasteOutcome rest =
            PasteRowsText(fresh, "27.9x\n27.2\n27.3\n", {{0, 1, 45}, {0, 1, 46}}, kColFrequency, c);
        QCOMPARE(Values(rest.problems.join(""), rest.leftOut),
                 "line 1, column Frequency: not a number 1");
    }

    void badLinesAreNotPasted() {
        RadioModel m = DefaultModel();
        const Catalogue c;
        const QString text = "channel\tBANK\tgroup\tfrequency\tmode\n" // any order, any case
                             "5\tCB\tb\t27.0\tam\n"
                             "6\tCB\tB\t27.1\tXX\n"
                             "7\tHF\tJ\t28.1\tFM\n"
                             "5\tCB\tB\t27.2\tFM\n"
                             "8\tCB\tB\t31.0\tFM\n"
                             "M1\tCB\tB\t\tLSB\r\n";
        const PasteOutcome out = PasteRowsText(m, text, {}, 0, c);
        QCOMPARE(out.problems,
                 (QStringList{"line 3, column Mode: \"XX\" is not offered here",
                              "line 4, column Group: HF has no group J",
                              "line 5, column Channel: the channel is given twice",
                              "line 6, column Frequency: Frequency is out of range. 25.6150 - "
                              "30.1050 MHz"}));
        QCOMPARE(out.pasted, (QList<ListRow>{{0, 2, 5}, {0, 2, 41}}));
        QCOMPARE(CellText(m, {0, 2, 5}, kColMode, c), QStringLiteral("AM"));
        QVERIFY(!RecordOfRow(m, {0, 2, 6}));
        QCOMPARE(CellText(m, {0, 2, 41}, kColMode, c), QStringLiteral("LSB"));
        // Only real channel names; others never land on another channel.
        for (const char* name : {"41", "M0", "M-5", "46", "M7", "0", "1.5"}) {
            RadioModel untouched = DefaultModel();
            const PasteOutcome named = PasteRowsText(
                untouched,
                QStringLiteral("Bank\tGroup\tChannel\tFrequency\nCB\tB\t%1\t27.5\n").arg(name), {},
                0, c);
            QCOMPARE(named.problems,
                     QStringList{"line 2, column Channel: not a channel (1-40, M1-M6)"});
            QVERIFY2(untouched.channels == DefaultModel().channels, name);
        }
    }

    void historyUndoesStepsNotMoves() {
        RadioModel m = DefaultModel();
        m.CommitToSnapshot();
        EditHistory h;
        h.Reset(m);
        const Catalogue c;
        m.radio.LastRow(0, 1) = 9; // moving around
        QVERIFY(!h.Record(m));
        SetCellChoice(m, {0, 1, 1}, kColMode, "AM", c);
        QVERIFY(h.Record(m));
        for (const char* name : {"A", "AB", "ABC"}) { // typed into one box: one step
            m.radio.Options.GroupName(0, 1).set(name);
            h.Record(m, "name");
        }
        h.EndStep(); // the box lost the focus: typing there again is a step of its own
        m.radio.Options.GroupName(0, 1).set("ABCD");
        h.Record(m, "name");
        m.radio.BandFlag = 1;
        QVERIFY(h.Record(m));
        m.radio.Options.MicGain = 5; // another change without a key: a step of its own
        QVERIFY(h.Record(m));
        QVERIFY(h.Undo(m));
        QCOMPARE(Values(m.radio.Options.MicGain == 5, m.radio.BandFlag), "false 1");
        QVERIFY(h.Undo(m));
        QCOMPARE(Values(m.radio.BandFlag, m.BandHighMHz), "0 30.105"); // the band follows the bank
        QVERIFY(h.Undo(m));
        QCOMPARE(m.radio.Options.GroupName(0, 1).text(), QStringLiteral("ABC"));
        QVERIFY(h.Undo(m));
        QCOMPARE(m.radio.Options.GroupName(0, 1).text(), QStringLiteral("A"));
        QVERIFY(h.Undo(m) && !h.CanUndo());
        QCOMPARE(Values(m.IsModified(), m.radio.LastRow(0, 1)),
                 "false 9"); // back where it was saved
        QVERIFY(h.Redo(m));
        QCOMPARE(CellText(m, {0, 1, 1}, kColMode, c), QStringLiteral("AM"));
        // A save stamps identity and version: not a step, and redo stays.
        m.ModelCode = "ZX1";
        m.CommitToSnapshot();
        QVERIFY(!h.Record(m) && h.CanRedo() && h.Redo(m) && h.Undo(m));
        QVERIFY(!m.IsModified() && h.Redo(m));
        // A new change drops what could be redone.
        SetCellChoice(m, {0, 1, 1}, kColMode, "USB", c);
        QVERIFY(h.Record(m) && !h.CanRedo());
    }
};

QTEST_GUILESS_MAIN(TestChannelList)
#include "test_channel_list.moc"
