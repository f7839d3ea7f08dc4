#pragma once

#include "core/base/file_problem.h"

#include <QDateTime>
#include <QList>
#include <QString>

class RadioModel;

// Every completed read is kept: the raw memory image and the decoded data file
// pair, in a per-user folder both programs share. The newest kMaxBackups are kept.
constexpr int kMaxBackups = 100;

// $XDG_DATA_HOME/zr4400/backups, by default ~/.local/share/zr4400/backups.
QString BackupFolder();

struct BackupResult {
    QString imagePath; // ".../2026-12-07_142501_PK2323.bin"; empty on failure
    FileProblem problem;
};

// Stores the model's image and its decoded data as
// "YYYY-MM-DD_HHMMSS_MODEL.bin/.dat/.fre" (the model code reduced to letters
// and digits, "_2", "_3"... when the name is taken), then prunes the folder.
BackupResult StoreBackup(const RadioModel& model, const QDateTime& when,
                         const QString& folder = BackupFolder());

// One backup: the files that share a name, whichever of them are there.
struct BackupEntry {
    QString stem;   // the folder and the name without its extension
    QDateTime when; // invalid when the name's date is not one
    QString model;  // as the name gives it: letters and digits only
    int number = 1; // 2, 3...: a later backup of the same second
    bool hasImage = false;
    bool hasData = false;

    QString imagePath() const { return stem + QStringLiteral(".bin"); }
    QString dataPath() const { return stem + QStringLiteral(".dat"); }
};

// The backups in `folder`, newest first; files not named like a backup are not listed.
QList<BackupEntry> ListBackups(const QString& folder = BackupFolder());

// Deletes all but the newest `keep` backups; files not named like a backup stay.
void PruneBackups(const QString& folder, int keep = kMaxBackups);
