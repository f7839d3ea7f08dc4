#include "report/sheet_content.h"

#include "core/base/text_util.h"
#include "core/editing/channel_list.h"
#include "core/editing/channel_table_ops.h"
#include "core/editing/option_summary.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "core/text/tone_text.h"

#include <QFileInfo>

namespace {

QString Pair(const QString& caption, const QString& value) {
    return caption + QStringLiteral(": ") + value;
}

SheetSection GroupSection(const RadioModel& model, const SheetGroup& g, const QList<ListRow>& rows,
                          const CellTexts& cells, const Catalogue& c) {
    const RadioData& d = model.radio;
    const OptionRecord& o = d.Options;
    const int v = g.bank;
    const int group = g.group;
    SheetSection section;
    section.heading = SheetGroupName(g);
    const QString both = QStringLiteral("%1 / %2");
    section.lines << QStringList{Pair(c.Text(TextId::ChGroupName),
                                      EscapeControls(o.GroupName(v, group).text())),
                                 Pair(c.Text(TextId::ChGroupValid),
                                      StoredSwitchText(o.GroupValid(v, group), c)),
                                 Pair(c.Text(TextId::ChEmgChannel),
                                      both.arg(StoredChannelText(o.EmgChannel(v, group, 0)),
                                               StoredChannelText(o.EmgChannel(v, group, 1)))),
                                 Pair(c.Text(TextId::ChDwChannel),
                                      both.arg(StoredChannelText(o.DwChannel(v, group, 0)),
                                               StoredChannelText(o.DwChannel(v, group, 1)))),
                                 Pair(c.Text(TextId::ChWorkChannel),
                                      StoredChannelText(o.WorkChannel(v, group)))}
                         .join(QStringLiteral("    "));
    for (int column = kColChannel; column < kListColumnCount; ++column)
        section.table.header << ColumnCaption(column, c);
    for (const ListRow& row : rows) {
        if (row.bank != v || row.group != group || !RecordOfRow(model, row))
            continue;
        QStringList texts;
        for (int column = kColChannel; column < kListColumnCount; ++column)
            texts << cells.Text(row, column);
        section.table.rows << texts;
    }
    return section;
}

SheetSection OptionSection(const RadioModel& model, const Catalogue& c) {
    SheetSection section;
    section.heading = PlainCaption(c.Text(TextId::MnuOptFeature));
    section.table.header = QStringList{QString(), QString()};
    for (const auto& [caption, value] : OptionSummary(model.radio, c))
        section.table.rows << QStringList{caption, value};
    return section;
}

SheetSection ToneSection(const RadioModel& model, const Catalogue& c) {
    const int language = c.CurrentLanguage;
    SheetSection section;
    section.heading = ToneText(12014, language);
    section.table.header = QStringList{ToneText(12014, language), ToneText(29002, language),
                                       ToneText(29003, language), c.Text(TextId::PrintToneSteps)};
    for (int n = 1; n <= kToneCount; ++n) {
        const ToneEntry& t = model.radio.Tones[n];
        QStringList elements;
        for (const ToneElement& e : t.Element)
            if (e.DurCode > 0)
                elements << QStringLiteral("%1 Hz %2 ms").arg(e.FreqCode * 10).arg(e.DurCode * 10);
        section.table.rows << QStringList{QString::number(n), QString::number(t.LoopCount),
                                          QString::number(t.IntervalCode * 10),
                                          elements.join(QStringLiteral(", "))};
    }
    return section;
}

} // namespace

QList<SheetGroup> GroupsWithChannels(const RadioModel& model) {
    QList<SheetGroup> groups;
    for (int bank = 0; bank < kBanks; ++bank)
        for (int group = 1; group <= GroupsInBank(bank); ++group)
            if (model.radio.ChannelCount(bank, group) > 0)
                groups.append({bank, group});
    return groups;
}

QString SheetGroupName(const SheetGroup& group) {
    return (group.bank == 0 ? QStringLiteral("CB ") : QStringLiteral("HF ")) +
           GroupLetter(group.group);
}

std::optional<SheetGroup> SheetGroupOfName(const QString& name) {
    const QString bank = name.section(QLatin1Char(':'), 0, 0).trimmed().toUpper();
    const int group = GroupIndex(name.section(QLatin1Char(':'), 1).trimmed().toUpper());
    const int number = bank == QLatin1String("CB") ? 0 : 1;
    if ((bank != QLatin1String("CB") && bank != QLatin1String("HF")) || group < 1 ||
        group > GroupsInBank(number) || name.count(QLatin1Char(':')) != 1)
        return std::nullopt;
    return SheetGroup{number, group};
}

SheetContent ComposeSheet(const RadioModel& model, const SheetChoice& choice, const Catalogue& c,
                          const QDate& date) {
    SheetContent sheet;
    sheet.title = c.Text(TextId::PrintTitle);
    const QString file =
        model.IsUntitled ? model.CurrentFileName : QFileInfo(model.CurrentFileName).fileName();
    sheet.lines << Pair(c.Text(TextId::FileName), file)
                << Pair(c.Text(TextId::ModelType), model.ModelName + QStringLiteral(" (") +
                                                       TrimText(model.ModelCode) + QLatin1Char(')'))
                << Pair(c.Text(TextId::PrintBand), model.BandText)
                << Pair(c.Text(TextId::BackupsDate), date.toString(Qt::ISODate));
    // Every row and its texts made once for all the groups.
    const CellTexts cells(model, c);
    const QList<ListRow> rows = ChannelListRows(model);
    for (const SheetGroup& group : choice.groups)
        sheet.sections << GroupSection(model, group, rows, cells, c);
    if (choice.options)
        sheet.sections << OptionSection(model, c);
    if (choice.tones)
        sheet.sections << ToneSection(model, c);
    return sheet;
}
