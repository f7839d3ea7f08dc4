#pragma once

#include <QString>

class Catalogue;

// Why a file (or a port) could not be used, for the line under a message.
enum class FileCause {
    None,
    NotFound,
    PermissionDenied,
    IsFolder,
    NotRegular,
    DiskFull,
    ReadOnlyFileSystem,
    TooShort,          // shorter than a data file's record
    CompanionTooShort, // fewer channel records than the data file counts
    CountsOutOfRange,  // a group counts more channels than it can hold
    NotAnImage,        // not the 16384 bytes of a memory image
    NotAFolder,        // a regular file where a folder of the path should be
    NotDataVersion,    // does not start with a data version
    ImpossibleRecord,  // a companion record no channel can have (`record`)
    NoCompanionName,   // the name leaves no place for a companion beside it
    NotASerialPort,    // a device or file that has no serial line settings
    NotUtf8Text,       // text in another encoding than UTF-8
    Other,             // `systemText` says why
};

struct FileProblem {
    QString path;
    FileCause cause = FileCause::None;
    QString systemText;
    int record = 0; // ImpossibleRecord: which record, from 1

    bool known() const { return cause != FileCause::None; }
};

// "<path>: <cause>" in the language in force; the system's own text for
// causes without a text of ours. Empty when nothing is known.
QString FileProblemLine(const Catalogue& catalogue, const FileProblem& problem);
// The message, and under it the cause line when one is known.
QString WithProblem(const QString& message, const Catalogue& catalogue, const FileProblem& problem);

// The common causes among the system's error texts (as Qt reports them).
FileCause CauseOfSystemText(const QString& systemText);
// Why `path` could not be read, from what the file system says of it.
FileProblem ReadProblem(const QString& path, const QString& systemText = {});
// Why `path` could not be written: a missing or read-only folder, a folder in
// its place, or the system's text (disk full...).
FileProblem WriteProblem(const QString& path, const QString& systemText);
