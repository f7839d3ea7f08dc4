// The channel table operations behind the channel editor: names, counts,
// references, grid edits with their add, change and delete rules, the panel
// settings and the choice lists.

#include "core/editing/channel_choice_lists.h"
#include "core/editing/channel_grid_edit.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/rows.h"
#include "support/scripted_prompter.h"
#include "support/values.h"

#include <QRandomGenerator>
#include <QTest>

#include <set>

namespace {

// The built-in defaults with `bank` in force.
RadioModel BankModel(int bank = 0) {
    RadioModel m = DefaultModel();
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

struct GridRow {
    const char* name;
    int bank, view, row;
    QString value;
    GridEditResult result;
    QString digits; // the row's channel afterwards; "-" for none
    QStringList messages;
};

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

class TestChannelTableOps : public QObject {
    Q_OBJECT
private slots:
    void namesAndChoiceLists() {
        QCOMPARE(Values(GetCHID("12"), GetCHID("M1"), GetCHID("M3"), GetCHID("AB"), GetCHID("M"),
                        GetCHID("")),
                 "12 41 43 0 0 0");
        QCOMPARE(Values(GetCHName(12), GetCHName(41), GetCHName(43), GetCHName(0)), "12 M1 M3 0");

        // The lists the windows offer: channels ascending, M1-M6, groups marked valid (1).
        RadioModel m = BankModel(1);
        SetRecords(m, 1, 2, {44, 12, 3, 42, 40});
        QCOMPARE(ChannelComboEntries(m, 1, 2, ChannelKind::Regular),
                 (QStringList{"3", "12", "40"}));
        QCOMPARE(ChannelComboEntries(m, 1, 2, ChannelKind::Memory), (QStringList{"M2", "M4"}));
        QCOMPARE(MemoryChannelEntries(), (QStringList{"M1", "M2", "M3", "M4", "M5", "M6"}));
        m.radio.Options.GroupValid(1, 2) = 0;
        m.radio.Options.GroupValid(1, 4) = 2;
        QCOMPARE(ValidGroupLetters(m.radio, 1), (QStringList{"A", "C", "E", "F", "G", "H", "I"}));
    }

    // A reference to a channel the group lacks goes to the first of its kind in
    // table order (0: none), checked alone and when the group is revalidated:
    // still there, not the lowest, memory stays memory, regular stays regular,
    // none of the kind, 0 names the regular kind.
    void referencesFollowTableOrder() {
        const auto validated = [](const QList<int>& records, int reference) {
            RadioModel m = BankModel();
            SetRecords(m, 0, 2, records);
            const int alone = ValidateChannelRef(m, 0, 2, reference);
            m.radio.Options.DwChannel(0, 2, 1) = static_cast<int16_t>(reference);
            RevalidateGroupChannelRefs(m, 0, 2);
            return Values(alone, m.radio.Options.DwChannel(0, 2, 1));
        };
        QCOMPARE(Values(validated({9, 3, 7}, 7), validated({9, 3}, 7), validated({9, 44, 42}, 43),
                        validated({44, 3}, 7), validated({41, 42}, 5), validated({41, 6}, 0)),
                 "7 7 9 9 44 44 3 3 0 0 6 6");
    }

    void sortByFrequency() {
        RadioModel m = BankModel();
        m.radio.ChannelCount(0, 2) = 0;
        const QList<std::pair<int, const char*>> records{
            {5, "27.3"}, {42, "26.0"}, {2, "27.1"}, {9, "26.9"}, {3, "27.1"}};
        for (const auto& [number, mhz] : records)
            m.AppendChannel(number, 0, 2, mhz);
        m.channels.at(0, 1, 2).Mode = 1; // channel 5 is AM
        OptionRecord& o = m.radio.Options;
        o.WorkChannel(0, 2) = 5;
        o.EmgChannel(0, 2, 0) = 9;
        o.DwChannel(0, 2, 1) = 42;
        QVERIFY(SortGroupByFrequency(m, 0, 2));
        // Memory channel M2 keeps its place; equal frequencies keep their order.
        QCOMPARE(Numbers(m, 0, 2), (QList<int>{1, 42, 2, 3, 4}));
        QCOMPARE(Values(m.channels.at(0, 5, 2).Mode, o.WorkChannel(0, 2), o.EmgChannel(0, 2, 0),
                        o.DwChannel(0, 2, 1)),
                 "1 4 1 42");
        QVERIFY(!SortGroupByFrequency(m, 0, 2));
    }

    void gridEdits_data() {
        const QStringList none;
        const QStringList hf{"Frequency is out of range.\r\n28.0000 - 29.6990 MHz"};
        const QStringList cb{"Frequency is out of range.\r\n25.6150 - 30.1050 MHz"};
        AddRows<GridRow>(
            {{"changed channel", 0, 3, 1, "27.5", GridEditResult::Changed, "275000", none},
             {"moved down to the 10 Hz grid", 0, 1, 5, "25.615004", GridEditResult::Added, "256150",
              none},
             {"empty row left empty", 0, 2, 9, "", GridEditResult::None, "-", none},
             {"HF out of range keeps the channel", 1, 1, 1, "29.7", GridEditResult::Refused,
              "28015000", hf},
             {"CB, not a number", 0, 1, 1, "2.7.1", GridEditResult::Refused, "28015000", cb},
             {"CB takes its own low limit", 0, 1, 1, "25.615", GridEditResult::Changed, "256150",
              none},
             {"memory row changed", 0, kMemoryView, 3, "28.5", GridEditResult::Changed, "285000",
              none},
             {"row beyond the memory view", 0, kMemoryView, 7, "28.5", GridEditResult::None, "-",
              none},
             {"row 0 is no channel", 0, 1, 0, "28.5", GridEditResult::None, "-", none}});
    }

    void gridEdits() {
        QFETCH(GridRow, row);
        const int bank = row.bank;
        RadioModel m = BankModel(bank);
        Edit edit(m);
        QCOMPARE(edit(bank, row.view, row.row, row.value), row.result);
        QCOMPARE(edit.prompter.texts(), row.messages);
        const ChannelRecord* r = RecordForRow(m, bank, row.view, row.row);
        QCOMPARE(r ? r->RxFreq.text() : QStringLiteral("-"), row.digits);
        const QList<int> numbers = Numbers(m, bank, GroupOfView(row.view));
        QCOMPARE(int(std::set<int>(numbers.begin(), numbers.end()).size()), int(numbers.size()));
    }

    // Group B's last regular channel deleted: emptied (E) or kept (K) as the
    // bank's last; the group's valid mark and the work group follow, an
    // emptied group keeps its references. Another valid group has channels
    // (the work group handing over), or none has.
    void lastRegularChannel() {
        const auto removeLast = [](bool otherGroupHasChannels, bool wasWorkGroup) {
            RadioModel m = BankModel(0);
            OptionRecord& o = m.radio.Options;
            for (int g = 3; g <= kGroups; ++g)
                o.GroupValid(0, g) = 0;
            if (!otherGroupHasChannels)
                o.GroupValid(0, 1) = 0;
            o.WorkGroup[0] = wasWorkGroup ? 2 : 1;
            o.DwChannel(0, 2, 0) = 1;
            Edit edit(m);
            const GridEditResult result = edit(0, 2, 1, "");
            return Values(result == GridEditResult::GroupEmptied ? "E"
                          : result == GridEditResult::KeptLast   ? "K"
                                                                 : "?",
                          m.FindSlot(1, 0, 2) == 0, o.GroupValid(0, 2), o.WorkGroup[0],
                          o.DwChannel(0, 2, 0), edit.prompter.prompts.size());
        };
        QCOMPARE(Values(removeLast(true, false), removeLast(true, true), removeLast(false, true)),
                 "E true 0 1 1 0 E true 0 1 1 0 K false 1 2 1 0");
    }

    void defaultChannelRepairsReferences() {
        RadioModel m = BankModel(0);
        SetRecords(m, 0, 3, {41, 7});
        m.radio.Options.EmgChannel(0, 3, 1) = 7;
        Edit edit(m);
        QCOMPARE(edit(0, 3, 7, ""), GridEditResult::GroupEmptied);
        QCOMPARE(m.radio.Options.EmgChannel(0, 3, 1), int16_t(7));
        AddDefaultChannel(m, 0, 3);
        QCOMPARE(Numbers(m, 0, 3), (QList<int>{41, 1}));
        QCOMPARE(m.radio.Options.EmgChannel(0, 3, 1), int16_t(1));
        AddDefaultChannel(m, 0, 3); // never a second channel 1
        QCOMPARE(Numbers(m, 0, 3), (QList<int>{41, 1}));
    }

    void fullGroupRefusesAndSays() {
        RadioModel m = BankModel(0);
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
        RadioModel m = BankModel(0);
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

    // A choice stores into its field and nowhere else: the value stored, and
    // whether it is chosen by index (i) or by text (t); "-" for the settings
    // without a field, "moved" when anything else changed.
    void settingsStore() {
        using R = ChannelRecord;
        const auto store = [](int setting, int index, const char* text, int16_t R::*field) {
            ChannelRecord before;
            before.Roger = 2;
            before.Mode = 1;
            before.NbAnl = before.ScanFlag = 1;
            before.ToneIndex = before.TxToneIndex = 8;
            ChannelRecord after = before;
            StoreChannelSetting(after, setting, index, text);
            QString stored = QStringLiteral("-");
            if (field) {
                stored = QString::number(after.*field) + (SettingByIndex(setting) ? "i" : "t");
                after.*field = before.*field;
            }
            return SettingStored(setting) == (field != nullptr) && after == before ? stored
                                                                                   : "moved";
        };
        QCOMPARE(
            (QStringList{
                store(kSettingTsq, 12, "C_012(100.0Hz)", &R::ToneIndex),
                store(kSettingHiCut, 1, "ON", &R::HiCut), store(kSettingNbAnl, 0, "OFF", &R::NbAnl),
                store(kSettingEcho, 1, "ON", &R::Echo), store(kSettingAdd10K, 1, "ON", &R::Add10K),
                store(kSettingBusy, 1, "ON", &R::Busy),
                store(kSettingRepeater, 2, "-", &R::Repeater),
                store(kSettingPublic, 1, "ON", &R::Public),
                store(kSettingScan, 0, "Del", &R::ScanFlag),
                store(kSettingRoger, 3, "4", &R::Roger), store(kSettingRoger, 0, "OFF", &R::Roger),
                store(kSettingMode, 1, "USB", &R::Mode),
                store(kSettingQtDqtEnc, 5, "91.5", nullptr),
                store(kSettingTsqSwitch, 1, "Enable", nullptr)}),
            (QStringList{"12i", "1i", "0i", "1i", "1i", "1i", "2i", "1i", "0i", "4t", "0t", "2t",
                         "-", "-"}));
    }
};

QTEST_APPLESS_MAIN(TestChannelTableOps)
#include "test_channel_table_ops.moc"
