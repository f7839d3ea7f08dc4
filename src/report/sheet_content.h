#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Catalogue;
class RadioModel;

// What a radio's programming sheet shows, as texts in the catalogue's
// language: the sheet's head, then the chosen channel groups, the option
// features and the roger-beep tones, each a heading, a few lines and a table.

struct SheetGroup {
    int bank = 0;  // 0 CB, 1 HF
    int group = 1; // 1 for A ...
    bool operator==(const SheetGroup&) const = default;
};

// What goes on the sheet.
struct SheetChoice {
    QList<SheetGroup> groups; // in this order
    bool options = true;
    bool tones = true;
};

// A table's header is repeated on every page it runs over; a row is never split.
struct SheetTable {
    QStringList header;
    QList<QStringList> rows;
};

struct SheetSection {
    QString heading;
    QStringList lines;
    SheetTable table; // no header: none
};

struct SheetContent {
    QString title;
    QStringList lines; // file name, model, band, date
    QList<SheetSection> sections;
};

// Every group of both banks that holds channels, bank by bank: what a sheet
// shows unless told otherwise.
QList<SheetGroup> GroupsWithChannels(const RadioModel& model);
// "CB A", "HF B".
QString SheetGroupName(const SheetGroup& group);
// "CB:A" or "hf:b" as a group; nothing for any other text.
std::optional<SheetGroup> SheetGroupOfName(const QString& name);

SheetContent ComposeSheet(const RadioModel& model, const SheetChoice& choice,
                          const Catalogue& catalogue, const QDate& date);
