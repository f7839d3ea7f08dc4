#pragma once

#include "core/base/file_problem.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <utility>

// Every file the programs write goes through here, so that a file is either
// replaced whole or left exactly as it was. The new content goes into a
// temporary file beside the target; every write, the sync to disk and the
// close are checked, and only then does one rename put it over the target.
// On any failure the temporary file is removed and the target is untouched.
class FileWriter {
public:
    // A target that is a symbolic link is written through the link.
    explicit FileWriter(const QString& path);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // The file that will be replaced.
    const QString& target() const { return target_; }

    // Appends every byte or fails; after a failure nothing more is written.
    bool write(const QByteArray& bytes);
    // Syncs and closes the complete new content; the target is not yet replaced.
    bool finish();
    // finish(), then the new content replaces the target.
    bool commit();
    // Why the last step failed.
    const FileProblem& problem() const { return problem_; }

private:
    friend bool ReplaceFilesTogether(const QList<FileWriter*>& writers, FileProblem* problem);

    bool Start();
    bool Fail(const QString& path, int error);
    bool Place();
    void Discard();

    QString target_;
    QString temporary_;
    QFile file_;
    bool failed_ = false;
    bool finished_ = false;
    FileProblem problem_;
};

// True when both name one existing file (through links of either kind):
// writing one replaces the other.
bool IsSameFile(const QString& a, const QString& b);

// One file written whole: `bytes` replace what `path` held, or nothing changes.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, FileProblem* problem = nullptr);

// Files that belong together (a data file and its companion) are replaced as
// one: all are written whole first, then put in place in order; should one
// fail to go in place, those before it get back what they held (or go again
// when they are new), so the set is never half old and half new.
bool ReplaceFilesTogether(const QList<FileWriter*>& writers, FileProblem* problem = nullptr);
bool WriteFilesTogether(const QList<std::pair<QString, QByteArray>>& files,
                        FileProblem* problem = nullptr);
