#include "core/editing/channel_list.h"

#include "core/base/text_util.h"
#include "core/codec/mode_codec.h"
#include "core/editing/channel_choice_lists.h"
#include "core/editing/channel_grid_edit.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/model/band.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"

#include <QHash>
#include <QSet>
#include <optional>

namespace {

constexpr int kColumnSettings[kListColumnCount] = {-1,
                                                   -1,
                                                   -1,
                                                   -1,
                                                   kSettingMode,
                                                   kSettingTsq,
                                                   kSettingHiCut,
                                                   kSettingNbAnl,
                                                   kSettingEcho,
                                                   kSettingAdd10K,
                                                   kSettingBusy,
                                                   kSettingRepeater,
                                                   kSettingPublic,
                                                   kSettingScan,
                                                   kSettingRoger};

constexpr const char* kColumnNames[kListColumnCount] = {
    "Bank", "Group",  "Channel", "Frequency", "Mode",   "TSQ",  "HI-CUT", "NB/ANL",
    "ECHO", "+10KHz", "BUSY",    "REP",       "Public", "Scan", "Roger"};

QString BankName(int bank) {
    return bank == 0 ? QStringLiteral("CB") : QStringLiteral("HF");
}

ChannelRecord* MutableRecord(RadioModel& model, const ListRow& row) {
    const int slot = model.FindSlot(row.number, row.bank, row.group);
    return slot == 0 ? nullptr : &model.channels.at(row.bank, slot, row.group);
}

BandLimits LimitsOf(int bank) {
    return ParseBandLimits(BandTextOf(bank));
}

// The entry a tone names by itself: "88.5" for "C_008(88.5Hz)", "754N" or
// "D754N" for "D_..(754N)".
int ToneIndex(const QStringList& choices, const QString& value) {
    QString tone = value.trimmed().toUpper();
    if (tone.size() > 1 && tone.startsWith(QLatin1Char('D')) && tone.at(1).isDigit())
        tone.remove(0, 1);
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const QString entry = choices[i].toUpper();
        if (entry.endsWith(QLatin1Char('(') + tone + QStringLiteral("HZ)")) ||
            entry.endsWith(QLatin1Char('(') + tone + QLatin1Char(')')))
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

bool IsListRow(const RadioModel& model, const ListRow& row) {
    if (!ValidBank(row.bank) || row.group < 1 || row.group > GroupsInBank(row.bank))
        return false;
    return IsRegularChannel(row.number) ||
           (IsMemoryChannel(row.number) &&
            (row.group == 1 || model.FindSlot(row.number, row.bank, row.group) != 0));
}

int RowKey(const ListRow& row) {
    return (row.bank * 16 + row.group) * 64 + row.number;
}

QList<ListRow> ChannelListRows(const RadioModel& model) {
    QList<ListRow> rows;
    rows.reserve(kBanks * kGroups * kSlots);
    for (int bank = 0; bank < kBanks; ++bank)
        for (int group = 1; group <= GroupsInBank(bank); ++group)
            for (int number = 1; number <= kLastMemoryChannel; ++number)
                if (IsListRow(model, {bank, group, number}))
                    rows.append({bank, group, number});
    return rows;
}

int ColumnOfName(const QString& name) {
    for (int column = 0; column < kListColumnCount; ++column)
        if (ColumnName(column).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return column;
    return -1;
}

int ChoiceIndex(const QStringList& choices, const QString& text) {
    for (qsizetype i = 0; i < choices.size(); ++i)
        if (choices[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString ReadBankAndGroup(const QString& bank, const QString& group, ListRow& row, int& column,
                         const Catalogue& c) {
    const QString bankName = bank.trimmed().toUpper();
    row.bank = bankName == QLatin1String("CB") ? 0 : bankName == QLatin1String("HF") ? 1 : -1;
    if (row.bank < 0) {
        column = kColBank;
        return c.Text(TextId::ListNotBank);
    }
    row.group = GroupIndex(group.trimmed().toUpper());
    if (row.group < 1 || row.group > GroupsInBank(row.bank)) {
        column = kColGroup;
        return c.Text(TextId::ListNoGroup).arg(BankName(row.bank), EscapeControls(group.trimmed()));
    }
    return {};
}

QString BandFrequency(const QString& text, int bank, const Catalogue& c) {
    return NormalizeFreqInput(text.trimmed(), false, false, LimitsOf(bank), c, nullptr);
}

QString ReadFrequency(const QString& text, int bank, const Catalogue& c, QString& why) {
    bool number = false;
    ParseNumber(text.trimmed(), &number);
    const QString frequency = number ? BandFrequency(text, bank, c) : QString();
    why = number ? OutOfBand(bank, c) : c.Text(TextId::ListNotNumber);
    return frequency;
}

int ValueIndex(const RadioModel& model, const ListRow& row, int column, const QString& value,
               const Catalogue& c) {
    // Copied rows and plan files carry English values, whatever the language in force.
    const Catalogue english;
    const QStringList choices = CellChoices(model, row, column, english);
    if (const int index = ChoiceIndex(choices, value); index >= 0)
        return index;
    if (const int index = ChoiceIndex(CellChoices(model, row, column, c), value); index >= 0)
        return index;
    return column == kColTsq ? ToneIndex(choices, value) : -1;
}

QString NotOffered(const QString& text, const Catalogue& c) {
    return c.Text(TextId::ListNotOffered).arg(EscapeControls(text.trimmed()));
}

QString OutOfBand(int bank, const Catalogue& c) {
    return c.Text(TextId::FreqOutOfRange) + QLatin1Char(' ') + BandTextOf(bank);
}

const ChannelRecord* RecordOfRow(const RadioModel& model, const ListRow& row) {
    const int slot = model.FindSlot(row.number, row.bank, row.group);
    return slot == 0 ? nullptr : &model.channels.at(row.bank, slot, row.group);
}

int SettingOfColumn(int column) {
    return column >= 0 && column < kListColumnCount ? kColumnSettings[column] : -1;
}

QString ColumnCaption(int column, const Catalogue& c) {
    switch (column) {
    case kColBank:
        return c.Text(TextId::ListBank);
    case kColGroup:
        return c.Text(TextId::ListGroup);
    case kColChannel:
        return c.Text(TextId::ListChannel);
    case kColFrequency:
        return c.Text(TextId::FrequencyLabel);
    default:
        return ChannelSettingCaption(SettingOfColumn(column), c);
    }
}

QString ColumnName(int column) {
    return column >= 0 && column < kListColumnCount ? QLatin1String(kColumnNames[column])
                                                    : QString();
}

QStringList ColumnNames() {
    QStringList names;
    for (int column = 0; column < kListColumnCount; ++column)
        names << ColumnName(column);
    return names;
}

QString RowLabel(const ListRow& row) {
    return BankName(row.bank) + QLatin1Char(' ') + GroupLetter(row.group) + QLatin1Char(' ') +
           GetCHName(row.number);
}

QString SpokenRow(const ListRow& row, const Catalogue& catalogue) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(BankName(row.bank), GroupLetter(row.group), catalogue.Text(TextId::ListChannel),
             GetCHName(row.number));
}

QString SpokenCell(const QString& row, const QString& column, const QString& value,
                   const Catalogue& catalogue) {
    return QStringLiteral("%1, %2, %3")
        .arg(row, column, value.isEmpty() ? catalogue.Text(TextId::CellBlank) : value);
}

namespace {

// A cell's text when it needs no list entry: bank, group, channel, frequency;
// nothing for a setting, and nothing on an empty row.
std::optional<QString> PlainCellText(const ListRow& row, int column, const ChannelRecord* record) {
    switch (column) {
    case kColBank:
        return BankName(row.bank);
    case kColGroup:
        return GroupLetter(row.group);
    case kColChannel:
        return GetCHName(row.number);
    default:
        break;
    }
    if (!record)
        return QString();
    if (column == kColFrequency)
        return FreqDigitsToText(record->RxFreq.text(), LimitsOf(row.bank).lowMHz, nullptr);
    return std::nullopt;
}

} // namespace

CellTexts::CellTexts(const RadioModel& model, const Catalogue& catalogue)
    : model_(model), catalogue_(catalogue) {
    for (int setting = 0; setting < kChannelSettingCount; ++setting)
        entries_ << ChannelSettingEntries(setting, catalogue);
}

QString CellTexts::Text(const ListRow& row, int column) const {
    const ChannelRecord* record = RecordOfRow(model_, row);
    if (const std::optional<QString> plain = PlainCellText(row, column, record))
        return *plain;
    const int setting = SettingOfColumn(column);
    if (!SettingByIndex(setting))
        return ChannelSettingText(*record, setting, catalogue_);
    const int index = SettingIndex(*record, setting);
    return index >= 0 && index < entries_[setting].size() ? entries_[setting][index]
                                                          : QString::number(index);
}

QStringList CellTexts::Texts(const ListRow& row) const {
    QStringList texts;
    for (int column = 0; column < kListColumnCount; ++column)
        texts << Text(row, column);
    return texts;
}

QString CellText(const RadioModel& model, const ListRow& row, int column, const Catalogue& c) {
    const ChannelRecord* record = RecordOfRow(model, row);
    if (const std::optional<QString> plain = PlainCellText(row, column, record))
        return *plain;
    return ChannelSettingText(*record, SettingOfColumn(column), c);
}

QStringList CellChoices(const RadioModel& model, const ListRow& row, int column,
                        const Catalogue& c) {
    switch (SettingOfColumn(column)) {
    case -1:
        return {};
    case kSettingMode:
        return ModeListEntries(model.radio.Options.ModeEnable, IsMemoryChannel(row.number));
    case kSettingRoger:
        return RogerListEntries(model.radio.Tones, c.Text(TextId::OffSwitch));
    default:
        return ChannelSettingEntries(SettingOfColumn(column), c);
    }
}

bool CellFollowsPublic(const RadioModel& model, const ListRow& row, int column) {
    const ChannelRecord* record = RecordOfRow(model, row);
    return record && record->Public == 1 && FollowsPublic(SettingOfColumn(column));
}

QString SetCellChoice(RadioModel& model, const ListRow& row, int column, const QString& text,
                      const Catalogue& c) {
    ChannelRecord* record = MutableRecord(model, row);
    if (!record)
        return c.Text(TextId::ListNoChannel);
    if (CellFollowsPublic(model, row, column))
        return c.Text(TextId::ListFollowsPublic);
    const QStringList choices = CellChoices(model, row, column, c);
    const int index = ChoiceIndex(choices, text);
    if (index < 0)
        return NotOffered(text, c);
    StoreChannelSetting(*record, SettingOfColumn(column), index, choices[index]);
    return {};
}

QString SetRowFrequency(RadioModel& model, const ListRow& row, const QString& text,
                        const Catalogue& c) {
    switch (UpdateChannelFrequency(model, c, nullptr, row.bank, row.group, row.number, text)) {
    case GridEditResult::Refused:
        return OutOfBand(row.bank, c);
    case GridEditResult::GroupFull:
        return c.Text(TextId::ChGroupFull);
    case GridEditResult::KeptLast:
        return c.Text(TextId::ListKeptLast);
    default:
        return {};
    }
}

QString CopyRowsText(const RadioModel& model, const QList<ListRow>& rows) {
    const Catalogue english;
    QString text = ColumnNames().join(QLatin1Char('\t')) + QLatin1Char('\n');
    const CellTexts texts(model, english);
    for (const ListRow& row : rows)
        if (RecordOfRow(model, row))
            text += texts.Texts(row).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

namespace {

// One pasted line, checked before anything of it is stored.
class PastedLine {
public:
    PastedLine(const RadioModel& model, const QHash<int, QString>& values, const Catalogue& c)
        : model_(model), values_(values), c_(c) {}

    // The row the line names, when it names one; problems otherwise.
    bool NamedRow(ListRow& row) {
        if (!values_.contains(kColBank) || !values_.contains(kColGroup) ||
            !values_.contains(kColChannel))
            return false;
        int column = -1;
        if (const QString why = ReadBankAndGroup(values_.value(kColBank), values_.value(kColGroup),
                                                 row, column, c_);
            !why.isEmpty()) {
            Problem(column, why);
            return true;
        }
        row.number = ChannelOfName(values_.value(kColChannel));
        if (row.number == 0)
            Problem(kColChannel, c_.Text(TextId::PlanNotChannel));
        else if (!IsListRow(model_, row))
            Problem(kColChannel, c_.Text(TextId::ListNoRow));
        return true;
    }

    void Check(const ListRow& row) {
        const ChannelRecord* record = RecordOfRow(model_, row);
        // A spreadsheet may paste a decimal comma: the number reader takes it.
        const QString typed = values_.value(kColFrequency).trimmed();
        if (!typed.isEmpty()) {
            QString why;
            frequency_ = ReadFrequency(typed, row.bank, c_, why);
            if (frequency_.isEmpty())
                Problem(kColFrequency, why);
        } else if (!record) {
            Problem(kColFrequency, c_.Text(TextId::ListNeedsFrequency));
        }
        if (!record && model_.radio.ChannelCount(row.bank, row.group) >= kSlots)
            Problem(kColFrequency, c_.Text(TextId::ChGroupFull));
        for (int column = kColMode; column < kListColumnCount; ++column) {
            if (!values_.contains(column))
                continue;
            const int index = ValueIndex(model_, row, column, values_.value(column), c_);
            if (index < 0)
                Problem(column, NotOffered(values_.value(column), c_));
            else
                choices_.insert(column, index);
        }
    }

    void Store(RadioModel& model, const ListRow& row) const {
        if (!frequency_.isEmpty())
            UpdateChannelFrequency(model, c_, nullptr, row.bank, row.group, row.number, frequency_);
        ChannelRecord* record = MutableRecord(model, row);
        if (!record)
            return;
        const Catalogue english;
        for (auto it = choices_.begin(); it != choices_.end(); ++it) {
            const QStringList choices = CellChoices(model, row, it.key(), english);
            StoreChannelSetting(*record, SettingOfColumn(it.key()), it.value(),
                                choices.value(it.value()));
        }
    }

    void Problem(int column, const QString& reason) { problems_.append({column, reason}); }
    const QList<std::pair<int, QString>>& problems() const { return problems_; }

private:
    const RadioModel& model_;
    const QHash<int, QString>& values_;
    const Catalogue& c_;
    QString frequency_;
    QHash<int, int> choices_;
    QList<std::pair<int, QString>> problems_;
};

// Column of each field: by the header's names, or from `firstColumn` on.
QList<int> HeaderColumns(const QStringList& fields) {
    QList<int> columns;
    for (const QString& field : fields) {
        const int found = ColumnOfName(field);
        if (found < 0 && !field.trimmed().isEmpty())
            return {};
        columns << found;
    }
    return columns;
}

} // namespace

PasteOutcome PasteRowsText(RadioModel& model, const QString& text, const QList<ListRow>& targets,
                           int firstColumn, const Catalogue& c) {
    PasteOutcome outcome;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return outcome;
    QList<int> columns = HeaderColumns(lines.first().split(QLatin1Char('\t')));
    const bool header = !columns.isEmpty();
    if (!header)
        for (int column = firstColumn; column < kListColumnCount; ++column)
            columns << column;
    qsizetype next = 0;
    QSet<int> seen;
    for (qsizetype i = header ? 1 : 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        QHash<int, QString> values;
        for (qsizetype f = 0; f < fields.size() && f < columns.size(); ++f)
            if (columns[f] >= 0)
                values.insert(columns[f], fields[f]);
        PastedLine line(model, values, c);
        ListRow row;
        if (!line.NamedRow(row)) {
            if (next >= targets.size()) {
                ++outcome.leftOut;
                continue;
            }
            row = targets[next++];
        }
        const int key = RowKey(row);
        if (line.problems().isEmpty() && seen.contains(key))
            line.Problem(kColChannel, c.Text(TextId::ListTwice));
        if (line.problems().isEmpty())
            line.Check(row);
        for (const auto& [column, reason] : line.problems())
            outcome.problems << c.Text(TextId::ListProblemLine)
                                    .arg(i + 1)
                                    .arg(column < 0 ? QStringLiteral("-") : ColumnName(column),
                                         reason);
        if (!line.problems().isEmpty())
            continue;
        line.Store(model, row);
        seen.insert(key);
        outcome.pasted << row;
    }
    return outcome;
}
