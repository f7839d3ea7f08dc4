// The channel table operations behind the channel editor: names, counts,
// references, grid edits with their add, change and delete rules, the panel
// settings and the choice lists.

#include "core/editing/channel_choice_lists.h"
#include "core/editing/channel_grid_edit.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "support/scripted_prompter.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>

#include <set>

namespace {

// Built-in defaults: every group holds 41..46 and channel 1, every group valid.
RadioModel DefaultModel(int bank = 0) {
    RadioModel m;
    InitialiseData(m, QStringLiteral("/nonexistent/Init"), QDate(2026, 12, 6));
    m.radio.BandFlag = static_cast<int16_t>(bank);
    m.ApplyBandFlag();
    return m;
}

// The group's records become `numbers`, in this order.
void SetRecords(RadioModel& m, int bank, int group, const QList<int>& numbers) {
    m.radio.ChannelCount(bank, group) = 0;
    for (int n : numbers)
        m.AppendChannel(n, bank, group, QStringLiteral("28.5"));
}

QList<int> Numbers(const RadioModel& m, int bank, int group) {
    QList<int> numbers;
    for (int s = 1; s <= m.radio.ChannelCount(bank, group); ++s)
        numbers << m.channels.at(bank, s, group).ChannelNumber;
    return numbers;
}

struct Edit {
    explicit Edit(RadioModel& m) : model(m) {}
    RadioModel& model;
    ScriptedPrompter prompter;
    Catalogue catalogue;
    GridEditResult operator()(int bank, int view, int row, const QString& value) {
        return UpdateChannelFromGrid(model, catalogue, &prompter, bank, view, row, 1, value);
    }
};

} // namespace

Q_DECLARE_METATYPE(GridEditResult)

class TestChannelTableOps : public QObject {
    Q_OBJECT
private slots:
    void channelNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("backToName");
        QTest::newRow("regular") << "12" << 12 << "12";
        QTest::newRow("first memory") << "M1" << 41 << "M1";
        QTest::newRow("memory") << "M3" << 43 << "M3";
        QTest::newRow("letters") << "AB" << 0 << "0";
        QTest::newRow("bare M") << "M" << 0 << "0";
        QTest::newRow("empty") << "" << 0 << "0";
    }

    void channelNames() {
        QFETCH(QString, name);
        QFETCH(int, number);
        QFETCH(QString, backToName);
        QCOMPARE(GetCHID(name), number);
        QCOMPARE(GetCHName(number), backToName);
    }

    void referencesFollowTableOrder_data() {
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("validated");
        QTest::newRow("still there") << QList<int>{9, 3, 7} << 7 << 7;
        QTest::newRow("first in table order, not the lowest") << QList<int>{9, 3} << 7 << 9;
        QTest::newRow("memory kind stays memory") << QList<int>{9, 44, 42} << 43 << 44;
        QTest::newRow("regular kind stays regular") << QList<int>{44, 3} << 7 << 3;
        QTest::newRow("no channel of the kind") << QList<int>{41, 42} << 5 << 0;
        QTest::newRow("zero names the regular kind") << QList<int>{41, 6} << 0 << 6;
    }

    void referencesFollowTableOrder() {
        QFETCH(QList<int>, records);
        QFETCH(int, reference);
        QFETCH(int, validated);
        RadioModel m = DefaultModel();
        SetRecords(m, 0, 2, records);
        QCOMPARE(ValidateChannelRef(m, 0, 2, reference), validated);
        m.radio.Options.DwChannel(0, 2, 1) = static_cast<int16_t>(reference);
        RevalidateGroupChannelRefs(m, 0, 2);
        QCOMPARE(int(m.radio.Options.DwChannel(0, 2, 1)), validated);
    }

    void counts() {
        RadioModel m = DefaultModel(1);
        SetRecords(m, 1, 1, {41, 1, 2, 3});
        SetRecords(m, 1, 2, {5});
        SetRecords(m, 1, 10, {1, 2}); // group J is not part of bank 1
        QCOMPARE(GroupsInBank(0), 10);
        QCOMPARE(GroupsInBank(1), 9);
        QCOMPARE(CountRegularChannels(m, 1, 1), 3);
        QCOMPARE(CountChannelsOfKind(m, 1, 1, 45), 1);
        QCOMPARE(CountChannelsOfKind(m, 1, 1, 2), 3);
        // Groups C..I hold channel 1 each: 7, plus A's 3 and B's 1, less B's own 5.
        QCOMPARE(CountRegularChannelsElsewhere(m, 1, 2, 5), 10);
        m.radio.Options.GroupValid(1, 1) = 0;
        QCOMPARE(CountRegularChannelsElsewhere(m, 1, 2, 5), 7);
        for (int g = 3; g <= 9; ++g)
            m.radio.Options.GroupValid(1, g) = 0;
        QCOMPARE(CountRegularChannelsElsewhere(m, 1, 2, 5), 0);
        QVERIFY(!AnyOtherGroupValid(m, 1, 2));
        QVERIFY(AnyOtherGroupValid(m, 1, 3));
    }

    void gridEdits_data() {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("value");
        QTest::addColumn<GridEditResult>("result");
        QTest::addColumn<QString>("digits"); // the row's channel afterwards; "-" for none
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList range{"Frequency is out of range."};
        QTest::newRow("changed channel")
            << 0 << 3 << 1 << "27.5" << GridEditResult::Changed << "275000" << none;
        QTest::newRow("moved down to the 10 Hz grid")
            << 0 << 1 << 5 << "25.615004" << GridEditResult::Added << "256150" << none;
        QTest::newRow("empty row left empty")
            << 0 << 2 << 9 << "" << GridEditResult::None << "-" << none;
        QTest::newRow("HF out of range removes the channel")
            << 1 << 1 << 1 << "29.7" << GridEditResult::GroupEmptied << "-" << range;
        QTest::newRow("CB takes its own low limit")
            << 0 << 1 << 1 << "25.615" << GridEditResult::Changed << "256150" << none;
        QTest::newRow("memory row changed")
            << 0 << kMemoryView << 3 << "28.5" << GridEditResult::Changed << "285000" << none;
        QTest::newRow("row beyond the memory view")
            << 0 << kMemoryView << 7 << "28.5" << GridEditResult::None << "-" << none;
        QTest::newRow("row 0 is no channel")
            << 0 << 1 << 0 << "28.5" << GridEditResult::None << "-" << none;
    }

    void gridEdits() {
        QFETCH(int, bank);
        QFETCH(int, view);
        QFETCH(int, row);
        QFETCH(QString, value);
        QFETCH(GridEditResult, result);
        QFETCH(QString, digits);
        QFETCH(QStringList, messages);
        RadioModel m = DefaultModel(bank);
        Edit edit(m);
        QCOMPARE(edit(bank, view, row, value), result);
        QCOMPARE(edit.prompter.texts(), messages);
        const ChannelRecord* r = RecordForRow(m, bank, view, row);
        QCOMPARE(r ? r->RxFreq.text() : QStringLiteral("-"), digits);
        const QList<int> numbers = Numbers(m, bank, GroupOfView(view));
        QCOMPARE(int(std::set<int>(numbers.begin(), numbers.end()).size()), int(numbers.size()));
    }

    void lastRegularChannel_data() {
        QTest::addColumn<bool>("otherGroupHasChannels");
        QTest::addColumn<bool>("wasWorkGroup");
        QTest::addColumn<GridEditResult>("result");
        QTest::newRow("another valid group has channels")
            << true << false << GridEditResult::GroupEmptied;
        QTest::newRow("the work group hands over") << true << true << GridEditResult::GroupEmptied;
        QTest::newRow("the bank's last channel stays") << false << true << GridEditResult::KeptLast;
    }

    void lastRegularChannel() {
        QFETCH(bool, otherGroupHasChannels);
        QFETCH(bool, wasWorkGroup);
        QFETCH(GridEditResult, result);
        RadioModel m = DefaultModel(0);
        OptionRecord& o = m.radio.Options;
        for (int g = 3; g <= kGroups; ++g)
            o.GroupValid(0, g) = 0;
        if (!otherGroupHasChannels)
            o.GroupValid(0, 1) = 0;
        o.WorkGroup[0] = wasWorkGroup ? 2 : 1;
        o.DwChannel(0, 2, 0) = 1;
        Edit edit(m);
        QCOMPARE(edit(0, 2, 1, ""), result);
        const bool emptied = result == GridEditResult::GroupEmptied;
        QCOMPARE(m.FindSlot(1, 0, 2) == 0, emptied);
        QCOMPARE(int(o.GroupValid(0, 2)), emptied ? 0 : 1);
        QCOMPARE(int(o.WorkGroup[0]), wasWorkGroup && !emptied ? 2 : 1);
        QCOMPARE(int(o.DwChannel(0, 2, 0)), 1); // an emptied group keeps its references
        QVERIFY(edit.prompter.prompts.isEmpty());
    }

    void defaultChannelRepairsReferences() {
        RadioModel m = DefaultModel(0);
        SetRecords(m, 0, 3, {41, 7});
        m.radio.Options.EmgChannel(0, 3, 1) = 7;
        Edit edit(m);
        QCOMPARE(edit(0, 3, 7, ""), GridEditResult::GroupEmptied);
        QCOMPARE(m.radio.Options.EmgChannel(0, 3, 1), int16_t(7));
        AddDefaultChannel(m, 0, 3);
        QCOMPARE(Numbers(m, 0, 3), (QList<int>{41, 1}));
        QCOMPARE(m.channels.at(0, 2, 3).RxFreq.text(), QStringLiteral("28115000"));
        QCOMPARE(m.radio.Options.EmgChannel(0, 3, 1), int16_t(1));
        AddDefaultChannel(m, 0, 3); // never a second channel 1
        QCOMPARE(Numbers(m, 0, 3), (QList<int>{41, 1}));
    }

    void fullGroupRefusesAndSays() {
        RadioModel m = DefaultModel(0);
        // A damaged file may fill a group with numbers no grid row shows.
        QList<int> foreign;
        for (int i = 0; i < kSlots; ++i)
            foreign << 100 + i;
        SetRecords(m, 0, 4, foreign);
        Edit edit(m);
        QCOMPARE(edit(0, 4, 2, "27.5"), GridEditResult::GroupFull);
        QCOMPARE(m.radio.ChannelCount(0, 4), int16_t(kSlots));
        QCOMPARE(edit.prompter.texts(),
                 QStringList{"This group already holds 46 channels; no more can be added."});
    }

    void groupsStayBoundedWhateverIsTyped() {
        RadioModel m = DefaultModel(0);
        Edit edit(m);
        edit.prompter.defaultAnswer = PromptAnswer::Ok;
        const QStringList values{"", "27.185", "28.5", "29.7", "30.2", "1..2", "28", ""};
        QRandomGenerator random(4400);
        for (int i = 0; i < 20000; ++i) {
            const int bank = random.bounded(2);
            const int view = 1 + random.bounded(kMemoryView);
            const int row = random.bounded(42);
            edit(bank, view, row, values[random.bounded(values.size())]);
            if (random.bounded(50) == 0) // now and then a group comes back
                AddDefaultChannel(m, bank, 1 + random.bounded(GroupsInBank(bank)));
            const int group = GroupOfView(view);
            const QList<int> numbers = Numbers(m, bank, group);
            QVERIFY(numbers.size() <= kSlots);
            QCOMPARE(int(std::set<int>(numbers.begin(), numbers.end()).size()),
                     int(numbers.size()));
            int bankChannels = 0;
            for (int g = 1; g <= GroupsInBank(bank); ++g)
                if (m.radio.Options.GroupValid(bank, g) == 1)
                    bankChannels += CountRegularChannels(m, bank, g);
            QVERIFY2(bankChannels > 0, "a bank keeps a valid group with a channel");
        }
    }

    void settingsStore_data() {
        QTest::addColumn<int>("setting");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field"); // "" when the record must stay as it was
        QTest::addColumn<int>("stored");
        QTest::newRow("tone") << int(kSettingTsq) << 12 << "C_012(100.0Hz)"
                              << "ToneIndex" << 12;
        QTest::newRow("hi-cut") << int(kSettingHiCut) << 1 << "ON"
                                << "HiCut" << 1;
        QTest::newRow("nb/anl") << int(kSettingNbAnl) << 0 << "OFF"
                                << "NbAnl" << 0;
        QTest::newRow("echo") << int(kSettingEcho) << 1 << "ON"
                              << "Echo" << 1;
        QTest::newRow("+10kHz") << int(kSettingAdd10K) << 1 << "ON"
                                << "Add10K" << 1;
        QTest::newRow("busy") << int(kSettingBusy) << 1 << "ON"
                              << "Busy" << 1;
        QTest::newRow("repeater -") << int(kSettingRepeater) << 2 << "-"
                                    << "Repeater" << 2;
        QTest::newRow("public") << int(kSettingPublic) << 1 << "ON"
                                << "Public" << 1;
        QTest::newRow("scan del") << int(kSettingScan) << 0 << "Del"
                                  << "ScanFlag" << 0;
        QTest::newRow("roger by number") << int(kSettingRoger) << 3 << "4"
                                         << "Roger" << 4;
        QTest::newRow("roger off") << int(kSettingRoger) << 0 << "OFF"
                                   << "Roger" << 0;
        QTest::newRow("mode by text") << int(kSettingMode) << 1 << "USB"
                                      << "Mode" << 2;
        QTest::newRow("transmit tone") << int(kSettingQtDqtEnc) << 5 << "91.5"
                                       << "" << 0;
        QTest::newRow("second tone switch") << int(kSettingTsqSwitch) << 1 << "Enable"
                                            << "" << 0;
    }

    void settingsStore() {
        QFETCH(int, setting);
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(int, stored);
        const QMap<QString, int16_t ChannelRecord::*> fields{
            {"ToneIndex", &ChannelRecord::ToneIndex},
            {"HiCut", &ChannelRecord::HiCut},
            {"NbAnl", &ChannelRecord::NbAnl},
            {"Echo", &ChannelRecord::Echo},
            {"Add10K", &ChannelRecord::Add10K},
            {"Busy", &ChannelRecord::Busy},
            {"Repeater", &ChannelRecord::Repeater},
            {"Public", &ChannelRecord::Public},
            {"ScanFlag", &ChannelRecord::ScanFlag},
            {"Roger", &ChannelRecord::Roger},
            {"Mode", &ChannelRecord::Mode}};
        ChannelRecord before;
        before.Roger = 2;
        before.Mode = 1;
        before.NbAnl = before.ScanFlag = 1;
        before.ToneIndex = before.TxToneIndex = 8;
        ChannelRecord after = before;
        StoreChannelSetting(after, setting, index, text);
        QCOMPARE(SettingStored(setting), !field.isEmpty());
        if (field.isEmpty()) {
            QVERIFY(after == before);
            return;
        }
        QCOMPARE(int(after.*fields.value(field)), stored);
        after.*fields.value(field) = before.*fields.value(field);
        QVERIFY(after == before); // nothing else moved
        QCOMPARE(SettingByIndex(setting), setting != kSettingRoger && setting != kSettingMode);
    }

    void choiceLists() {
        RadioModel m = DefaultModel(1);
        SetRecords(m, 1, 2, {44, 12, 3, 42, 40});
        QCOMPARE(ChannelComboEntries(m, 1, 2, ChannelKind::Regular),
                 (QStringList{"3", "12", "40"}));
        QCOMPARE(ChannelComboEntries(m, 1, 2, ChannelKind::Memory), (QStringList{"M2", "M4"}));
        QCOMPARE(MemoryChannelEntries(), (QStringList{"M1", "M2", "M3", "M4", "M5", "M6"}));
        QCOMPARE(GroupChoiceEntries(1).size(), 10);
        QCOMPARE(GroupChoiceEntries(1).last(), QStringLiteral("MEM"));
        QCOMPARE(GroupChoiceEntries(0).at(9), QStringLiteral("J"));
        m.radio.Options.GroupValid(1, 2) = 0;
        QCOMPARE(ValidGroupLetters(m.radio, 1),
                 (QStringList{"A", "C", "D", "E", "F", "G", "H", "I"})); // no "J" in bank 1
        QCOMPARE(BankChoiceEntries(),
                 (QStringList{"CB -- 25.6150 - 30.1050 MHz", "HF -- 28.0000 - 29.6990 MHz"}));
        // Tones 1..5 are defined by default; tone 3 loses its loop.
        m.radio.Tones[3].LoopCount = 0;
        QCOMPARE(RogerListEntries(m.radio.Tones, "OFF"), (QStringList{"OFF", "1", "2", "4", "5"}));
    }
};

QTEST_APPLESS_MAIN(TestChannelTableOps)
#include "test_channel_table_ops.moc"
