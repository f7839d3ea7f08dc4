#pragma once

#include "core/base/file_problem.h"
#include "core/model/radio_model.h"

#include <QString>
#include <QStringList>

class Catalogue;

// Channel plans as CSV files: one header line of English column names, one
// line per channel record with English values, in the channel list's order.

// Every record the channel list shows, comma-separated, lines ended by CRLF.
QString ChannelPlanCsv(const RadioModel& model);

struct ChannelPlanImport {
    QStringList problems; // "line N, column NAME: reason", in file order
    QStringList summary;  // "CB A: 2 added, 1 changed, 0 removed", a line per group named
    RadioModel result;    // the data with the plan taken in (when there are no problems)
};

// Reads a plan over `model`: the header names the columns (any order, any
// case; unknown ones are ignored; Bank, Group, Channel and Frequency are
// required), the delimiter is the header's (comma, semicolon or tab; with the
// last two a decimal comma is taken). Every group the file names gets exactly
// its channels, in the file's order; a channel that existed keeps what the
// file does not carry. Any bad line leaves `result` as `model` was.
ChannelPlanImport ReadChannelPlan(const RadioModel& model, const QString& text,
                                  const Catalogue& catalogue);

// The largest plan file read: far more than the 874 lines of a full radio.
constexpr qint64 kMaxPlanBytes = 16 * 1024 * 1024;

enum class PlanFileStatus { Ok, Missing, Unreadable, TooLarge, NotUtf8 };
// A plan file as text (UTF-8): anything but a regular file of at most
// kMaxPlanBytes is refused before it is read whole, and text in another
// encoding (UTF-16 included) is refused with `problem` saying so.
PlanFileStatus ReadPlanFile(const QString& path, QString& text, FileProblem* problem);
// The model's plan written in one piece: a failed write leaves no partial file.
bool WritePlanFile(const QString& path, const RadioModel& model, FileProblem* problem);
