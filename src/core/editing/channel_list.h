#pragma once

#include "core/editing/channel_settings.h"

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;
class RadioModel;
struct ChannelRecord;

// The channel list: every channel record of both banks in one table, each
// cell under the rules of the channel information window.

enum ListColumn {
    kColBank,
    kColGroup,
    kColChannel,
    kColFrequency,
    kColMode,
    kColTsq,
    kColHiCut,
    kColNbAnl,
    kColEcho,
    kColAdd10K,
    kColBusy,
    kColRep,
    kColPublic,
    kColScan,
    kColRoger,
    kListColumnCount,
};

struct ListRow {
    int bank = 0;
    int group = 1;
    int number = 1; // 1..40, 41..46 for M1..M6
    bool operator==(const ListRow&) const = default;
};

// Every row, by bank, group and number: each group's 40 regular numbers (the
// unused ones empty, for a typed frequency to fill), then its memory
// channels: all six in group A, whose memory the channel information window
// edits, and in the other groups the ones stored there.
QList<ListRow> ChannelListRows(const RadioModel& model);

// Whether the list has that row: every regular number, every memory number
// of group A, a memory channel elsewhere only while it is stored.
bool IsListRow(const RadioModel& model, const ListRow& row);
// A number of its own for each row, to tell rows apart.
int RowKey(const ListRow& row);

// The record a row stands for; nullptr for an empty row.
const ChannelRecord* RecordOfRow(const RadioModel& model, const ListRow& row);

// The channel setting a column shows (kSettingMode...); -1 for the first four.
int SettingOfColumn(int column);
// The column's caption in the catalogue's language.
QString ColumnCaption(int column, const Catalogue& catalogue);
// The column's name in copied text and channel plan files: English always.
QString ColumnName(int column);
// Every column's name, in table order.
QStringList ColumnNames();
// The column a name stands for (in any case, blanks around ignored); -1 for none.
int ColumnOfName(const QString& name);
// "CB A 12", "HF B M1": a row as messages name it.
QString RowLabel(const ListRow& row);
// "CB A Channel 12": a row as a screen reader names it, in the catalogue's language.
QString SpokenRow(const ListRow& row, const Catalogue& catalogue);
// "CB A Channel 12, Frequency, 27.1850": a cell as a screen reader reads it;
// an empty cell is read as blank.
QString SpokenCell(const QString& row, const QString& column, const QString& value,
                   const Catalogue& catalogue);

// What a cell shows in the catalogue's language ("" on an empty row); a value
// no entry stands for is shown as stored.
QString CellText(const RadioModel& model, const ListRow& row, int column,
                 const Catalogue& catalogue);
// The texts of many cells at once, with the settings' entries made once (the
// tone list alone has some 200 entries).
class CellTexts {
public:
    CellTexts(const RadioModel& model, const Catalogue& catalogue);
    QString Text(const ListRow& row, int column) const;
    // Every column's text, in table order.
    QStringList Texts(const ListRow& row) const;

private:
    const RadioModel& model_;
    const Catalogue& catalogue_;
    QList<QStringList> entries_; // by setting
};

// The choices a setting cell offers now; empty for the other columns.
QStringList CellChoices(const RadioModel& model, const ListRow& row, int column,
                        const Catalogue& catalogue);
// With the row's Public on, the public channel decides this cell's setting.
bool CellFollowsPublic(const RadioModel& model, const ListRow& row, int column);

// The entry of `choices` a text names (in any case, blanks around ignored); -1
// when none does.
int ChoiceIndex(const QStringList& choices, const QString& text);
// The bank and group a pasted or imported line names ("CB" or "HF", a letter
// the bank has, in any case): "" when they name one (stored in `row`), else
// why not, with `column` the field at fault.
QString ReadBankAndGroup(const QString& bank, const QString& group, ListRow& row, int& column,
                         const Catalogue& catalogue);
// The entry of a setting cell's choices a pasted or imported value names: its
// English text (as copied and exported), the text shown in the catalogue's
// language, or for a tone the tone alone ("88.5", "754N", "D754N"); -1 for none.
int ValueIndex(const RadioModel& model, const ListRow& row, int column, const QString& value,
               const Catalogue& catalogue);
// A typed frequency (decimal point) within the bank's band, shown "#0.0000";
// "" when it is not one.
QString BandFrequency(const QString& text, int bank, const Catalogue& catalogue);
// The same for a pasted or imported value, with `why` saying what is wrong
// with it: not a number, or outside the bank's band.
QString ReadFrequency(const QString& text, int bank, const Catalogue& catalogue, QString& why);
// "\"VALUE\" is not offered here", the value's control characters shown escaped.
QString NotOffered(const QString& text, const Catalogue& catalogue);
// "Frequency is out of range." and the bank's band.
QString OutOfBand(int bank, const Catalogue& catalogue);

// Sets a setting cell to the choice with that text (in any case): "" when it
// was set, else why not (no channel, public settings, not offered).
QString SetCellChoice(RadioModel& model, const ListRow& row, int column, const QString& text,
                      const Catalogue& catalogue);
// Sets a row's frequency, adds its channel, or with "" deletes it, under the
// grid's rules, without questions: "" when done, else why not.
QString SetRowFrequency(RadioModel& model, const ListRow& row, const QString& text,
                        const Catalogue& catalogue);

// The rows that have a channel as tab-separated text: a header line of
// column names, then one line a channel, values in English.
QString CopyRowsText(const RadioModel& model, const QList<ListRow>& rows);

struct PasteOutcome {
    QList<ListRow> pasted;
    QStringList problems; // "line N, column NAME: reason"
    int leftOut = 0;      // lines past the last of `targets`, not pasted
};
// Pastes tab-separated lines: with a header line, its names pick the columns
// (any order, any case); without one the fields fill the columns from
// `firstColumn` on. A line naming its Bank, Group and Channel goes to that
// row, any other to the next of `targets` (the lines beyond the last target are
// counted, not pasted). A line with a bad value changes nothing; the others
// are pasted, with every value the line carries (also the settings a Public
// channel takes from the public channel: they stay the channel's own).
PasteOutcome PasteRowsText(RadioModel& model, const QString& text, const QList<ListRow>& targets,
                           int firstColumn, const Catalogue& catalogue);
