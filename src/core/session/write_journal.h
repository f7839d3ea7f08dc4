#pragma once

#include "core/base/file_problem.h"
#include "core/link/link_engine.h"
#include "core/model/radio_image.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Every write that starts sending blocks is recorded before its first block
// and closed when the transfer ends in a way the program handles, so that a
// write cut short by a killed program or a lost computer is known at the
// next start. An entry keeps a copy of the image it sent, so that writing it
// again sends the same bytes whatever became of its file since.
struct JournalEntry {
    QString port;   // as the user named it: "COM1" or a device path
    QString model;  // the model code the write was for
    QString source; // the data file or backup the image came from
    QDateTime started;
    // Set by the journal: the entry's name (the newest sorts last) and its image's copy.
    QString id;
    QString imagePath;
};

class WriteJournal {
public:
    static constexpr int kKept = 20;

    // $XDG_DATA_HOME/zr4400/journal, beside the backups.
    static QString DefaultFolder();

    explicit WriteJournal(QString folder = DefaultFolder()) : folder_(std::move(folder)) {}

    // Records a write about to send `image`; the entry is open until Close.
    // Empty when it could not be recorded (`problem` says why).
    QString Open(const JournalEntry& what, const RadioImage& image, FileProblem* problem = nullptr);
    void Close(const QString& id);
    // The newest entry never closed.
    std::optional<JournalEntry> LastOpen() const;

private:
    // The entries' ids, oldest first.
    QStringList Ids() const;
    void Prune();

    QString folder_;
};

// Keeps the journal of one transfer: each radio's write opens an entry at
// its first block, and the radio's END or the transfer's end closes it. A
// program that ends otherwise (killed, or quit at once) leaves it open.
class JournalRecord : public WriteRecord {
public:
    // A write to `port` for `model`, of the image made from `source`.
    JournalRecord(WriteJournal& journal, const QString& port, const QString& model,
                  const QString& source)
        : journal_(journal), what_{port, model, source, {}, {}, {}} {}

    void Started(const RadioImage& image) override;
    void Finished() override;

private:
    WriteJournal& journal_;
    JournalEntry what_;
    QString open_;
};

class Catalogue;
// "The write of FILE into the radio on COM1, started 2026-12-07 14:25, did
// not finish. The radio may be partly written."
QString UnfinishedWriteText(const JournalEntry& entry, const Catalogue& catalogue);
