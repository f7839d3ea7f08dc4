#pragma once

#include "core/base/file_problem.h"
#include "core/model/radio_data.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <utility>

class Catalogue;
class Prompter;
class RadioModel;
class VersionTable;

// A saved configuration: the data file (one RadioData record of 1070 bytes)
// and its companion holding the used channel records, bank 0 then 1, group
// 1..10, slot 1..count, 48 bytes each.
struct DataFilePair {
    RadioData radio;
    ChannelTable channels;
};

enum class FileStatus { Ok, Missing, IoError, ShortCompanion, BadCounts, BadRecord };

// The companion's path: the data file's path with its last three characters
// replaced by "fre".
QString CompanionPathOf(const QString& dataPath);

// A newly chosen data file name ends in ".dat" (in any case), so that its
// companion is the same name ending in ".fre": ".dat" is added otherwise.
QString DataFileNameFor(const QString& chosenPath);
// True for a name ending in ".fre" (in any case): the name of a companion,
// never of a new data file.
bool IsCompanionName(const QString& path);

// The companion's records for the counts of `radio`.
QByteArray CompanionBytes(const RadioData& radio, const ChannelTable& channels);

// Whether a data file's companion is its own. The naming rule gives
// "plan.dat" and "plan.DAT" (or "plan.old") the same companion, and a name
// too short for it ("q/ab") one outside its folder: such a companion is never
// written, and a pair opened through it may show another file's channels.
enum class CompanionUse { Own, OutsideFolder, Shared };
struct CompanionCheck {
    CompanionUse use = CompanionUse::Own;
    QString companion;
    QString other; // Shared: the other data file in the folder
};
CompanionCheck CheckCompanion(const QString& dataPath);
// Why `dataPath` is not written (`writing`) or is opened untitled; empty for
// a companion of its own.
QString CompanionCheckText(const Catalogue& catalogue, const QString& dataPath,
                           const CompanionCheck& check, bool writing);

// Reads both files without a version or length test; `pair` changes only on Ok.
FileStatus ReadDataFilePair(const QString& dataPath, DataFilePair& pair,
                            FileProblem* problem = nullptr);
// The two files of a pair as they are written, in the order they go in place.
QList<std::pair<QString, QByteArray>>
DataFilePairContents(const QString& dataPath, const RadioData& radio, const ChannelTable& channels);
// Writes both files so that a failure leaves the previous pair as it was.
FileStatus WriteDataFilePair(const QString& dataPath, const RadioData& radio,
                             const ChannelTable& channels, FileProblem* problem = nullptr);

// Stores the working data in the current file pair and makes it the snapshot;
// on failure shows "file error." (or why the companion is not the file's own)
// and leaves the snapshot, and with it the changed mark, as it was.
bool SaveDataFile(RadioModel& model, const Catalogue& catalogue, Prompter& prompter);

enum class OpenResult { Loaded, UnknownVersion, IncompatibleVersion, WrongLength, FileError };

// Opens the current file pair into the working data after the version form
// test, the version gate and the length test, each with its message. Nothing
// changes unless the whole pair was read; a pair whose companion another data
// file shares is opened untitled, after saying so. `launchVersion` runs when the user
// asks to start the program version that handles the file.
OpenResult OpenDataFile(RadioModel& model, const VersionTable& versions, const Catalogue& catalogue,
                        Prompter& prompter,
                        const std::function<void(const QString&)>& launchVersion = {});

// The main window's caption: model, band and file name.
QString WindowCaption(const RadioModel& model, const Catalogue& catalogue);
