#include "core/editing/channel_plan.h"

#include "core/base/csv.h"
#include "core/base/file_head.h"
#include "core/base/file_writer.h"
#include "core/editing/channel_list.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/model/band.h"
#include "core/model/freq_text.h"
#include "core/text/catalogue.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>

namespace {

// One line of the file, checked before anything is stored.
struct PlanLine {
    int line = 0;
    ListRow row;
    QString frequency;       // "#0.0000", within the bank's band
    QHash<int, int> choices; // column -> entry index
};

class PlanReader {
public:
    PlanReader(const RadioModel& model, const Catalogue& c) : model_(model), c_(c) {}

    void Problem(int line, const QString& column, const QString& reason) {
        problems << c_.Text(TextId::ListProblemLine).arg(line).arg(column, reason);
    }

    // The header's columns by field; false (with the problems) when a required one is missing.
    bool ReadHeader(const QStringList& fields) {
        for (const QString& field : fields)
            columns_ << ColumnOfName(field);
        bool complete = true;
        for (const int required : {kColBank, kColGroup, kColChannel, kColFrequency})
            if (!columns_.contains(required)) {
                Problem(1, ColumnName(required), c_.Text(TextId::PlanColumnMissing));
                complete = false;
            }
        return complete;
    }

    void ReadLine(const CsvRecord& record) {
        // A blank line, or a spreadsheet's blank row (delimiters only).
        if (std::ranges::all_of(record.fields,
                                [](const QString& f) { return f.trimmed().isEmpty(); }))
            return;
        if (record.malformed || record.fields.size() != columns_.size()) {
            Problem(
                record.line, QStringLiteral("-"),
                c_.Text(record.unclosedQuote ? TextId::PlanUnclosedQuote : TextId::PlanMalformed));
            return;
        }
        QHash<int, QString> values;
        for (qsizetype f = 0; f < record.fields.size(); ++f)
            if (columns_[f] >= 0)
                values.insert(columns_[f], record.fields[f].trimmed());
        const int before = static_cast<int>(problems.size());
        PlanLine line;
        line.line = record.line;
        if (!ReadRow(values, line))
            return;
        QString why;
        line.frequency = ReadFrequency(values.value(kColFrequency), line.row.bank, c_, why);
        if (line.frequency.isEmpty())
            Problem(line.line, ColumnName(kColFrequency), why);
        for (int column = kColMode; column < kListColumnCount; ++column) {
            const QString value = values.value(column);
            if (value.isEmpty())
                continue; // kept as it is, or a new channel's default
            const int index = ValueIndex(model_, line.row, column, value, c_);
            if (index < 0)
                Problem(line.line, ColumnName(column), NotOffered(value, c_));
            else
                line.choices.insert(column, index);
        }
        if (problems.size() == before)
            lines << line;
    }

    QStringList problems;
    QList<PlanLine> lines;

private:
    bool ReadRow(const QHash<int, QString>& values, PlanLine& line) {
        int column = -1;
        if (const QString why = ReadBankAndGroup(values.value(kColBank), values.value(kColGroup),
                                                 line.row, column, c_);
            !why.isEmpty()) {
            Problem(line.line, ColumnName(column), why);
            return false;
        }
        line.row.number = ChannelOfName(values.value(kColChannel));
        if (line.row.number == 0) {
            Problem(line.line, ColumnName(kColChannel), c_.Text(TextId::PlanNotChannel));
            return false;
        }
        const int key = RowKey(line.row);
        if (seen_.contains(key)) {
            Problem(line.line, ColumnName(kColChannel), c_.Text(TextId::ListTwice));
            return false;
        }
        seen_.insert(key);
        return true;
    }

    const RadioModel& model_;
    const Catalogue& c_;
    QList<int> columns_;
    QSet<int> seen_;
};

// The group's records by channel number.
QMap<int, ChannelRecord> RecordsOf(const RadioModel& model, int bank, int group) {
    QMap<int, ChannelRecord> records;
    for (int slot = 1; slot <= std::clamp<int>(model.radio.ChannelCount(bank, group), 0, kSlots);
         ++slot)
        records.insert(model.channels.at(bank, slot, group).ChannelNumber,
                       model.channels.at(bank, slot, group));
    return records;
}

// The group takes exactly the lines' channels, in their order.
void TakeGroup(RadioModel& model, int bank, int group, const QList<PlanLine>& lines) {
    const QMap<int, ChannelRecord> old = RecordsOf(model, bank, group);
    const Catalogue english;
    const BandLimits band = ParseBandLimits(BandTextOf(bank));
    model.radio.ChannelCount(bank, group) = 0;
    for (const PlanLine& line : lines) {
        if (line.row.bank != bank || line.row.group != group)
            continue;
        if (old.contains(line.row.number)) {
            const int slot = ++model.radio.ChannelCount(bank, group);
            model.channels.at(bank, slot, group) = old.value(line.row.number);
        } else {
            model.AppendChannel(line.row.number, bank, group, line.frequency);
        }
        ChannelRecord& record =
            model.channels.at(bank, model.radio.ChannelCount(bank, group), group);
        record.RxFreq.set(FreqTextToDigits(line.frequency, band.lowMHz));
        for (auto it = line.choices.begin(); it != line.choices.end(); ++it)
            StoreChannelSetting(record, SettingOfColumn(it.key()), it.value(),
                                CellChoices(model, line.row, it.key(), english).value(it.value()));
    }
    RevalidateGroupChannelRefs(model, bank, group);
}

QString SummaryOf(const RadioModel& before, const RadioModel& after, int bank, int group,
                  const Catalogue& c) {
    const QMap<int, ChannelRecord> old = RecordsOf(before, bank, group);
    const QMap<int, ChannelRecord> now = RecordsOf(after, bank, group);
    int added = 0, changed = 0, removed = 0;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (!old.contains(it.key()))
            ++added;
        else if (!SameChannelSettings(old.value(it.key()), it.value()))
            ++changed;
    }
    for (auto it = old.begin(); it != old.end(); ++it)
        removed += now.contains(it.key()) ? 0 : 1;
    return c.Text(TextId::PlanSummaryLine)
        .arg(RowLabel({bank, group, 1}).section(QLatin1Char(' '), 0, 1))
        .arg(added)
        .arg(changed)
        .arg(removed);
}

} // namespace

QString ChannelPlanCsv(const RadioModel& model) {
    const Catalogue english;
    const CellTexts texts(model, english);
    QString csv = CsvLine(ColumnNames(), QLatin1Char(','));
    for (const ListRow& row : ChannelListRows(model))
        if (RecordOfRow(model, row))
            csv += CsvLine(texts.Texts(row), QLatin1Char(','));
    return csv;
}

ChannelPlanImport ReadChannelPlan(const RadioModel& model, const QString& text,
                                  const Catalogue& catalogue) {
    ChannelPlanImport import{{}, {}, model};
    const QChar delimiter = CsvDelimiterOf(text);
    const QList<CsvRecord> records = ParseCsv(text, delimiter);
    PlanReader reader(model, catalogue);
    if (records.isEmpty()) {
        reader.Problem(1, QStringLiteral("-"), catalogue.Text(TextId::PlanMalformed));
    } else if (reader.ReadHeader(records.first().fields)) {
        for (qsizetype i = 1; i < records.size(); ++i)
            reader.ReadLine(records[i]);
        if (reader.problems.isEmpty() && reader.lines.isEmpty())
            reader.Problem(2, QStringLiteral("-"), catalogue.Text(TextId::PlanNoGroup));
    }
    import.problems = reader.problems;
    if (!import.problems.isEmpty())
        return import;
    QList<std::pair<int, int>> groups;
    for (const PlanLine& line : reader.lines)
        if (!groups.contains(std::pair{line.row.bank, line.row.group}))
            groups << std::pair{line.row.bank, line.row.group};
    RadioModel& next = import.result;
    for (const auto& [bank, group] : groups) {
        TakeGroup(next, bank, group, reader.lines);
        // A group left without a regular channel stops being valid, as after
        // deleting its last one; the bank keeps at least one.
        if (CountRegularChannels(next, bank, group) == 0 &&
            next.radio.Options.GroupValid(bank, group) != 0) {
            if (!AnyOtherGroupValid(next, bank, group)) {
                import.problems << catalogue.Text(TextId::PlanBankEmpty)
                                       .arg(bank == 0 ? QStringLiteral("CB")
                                                      : QStringLiteral("HF"));
                import.result = model;
                return import;
            }
            MakeGroupInvalid(next, bank, group);
        }
        import.summary << SummaryOf(model, next, bank, group, catalogue);
    }
    return import;
}

PlanFileStatus ReadPlanFile(const QString& path, QString& text, FileProblem* problem) {
    QByteArray bytes;
    qint64 size = 0;
    const FileHeadStatus read = ReadFileHead(path, kMaxPlanBytes + 1, bytes, &size);
    if (read != FileHeadStatus::Ok) {
        if (problem)
            *problem = ReadProblem(path);
        return read == FileHeadStatus::Unreadable ? PlanFileStatus::Unreadable
                                                  : PlanFileStatus::Missing;
    }
    if (size > kMaxPlanBytes)
        return PlanFileStatus::TooLarge;
    // A spreadsheet's "Unicode text" is UTF-16: read as UTF-8 it would be
    // refused line by line for reasons that are not the user's.
    QStringDecoder utf8(QStringConverter::Utf8);
    text = utf8(bytes);
    if (utf8.hasError() || bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff")) {
        text.clear();
        if (problem)
            *problem = {path, FileCause::NotUtf8Text, {}};
        return PlanFileStatus::NotUtf8;
    }
    return PlanFileStatus::Ok;
}

bool WritePlanFile(const QString& path, const RadioModel& model, FileProblem* problem) {
    return WriteWholeFile(path, ChannelPlanCsv(model).toUtf8(), problem);
}
