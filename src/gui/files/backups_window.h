#pragma once

#include "core/session/backups.h"

#include <QDialog>
#include <QList>

#include <functional>

class Catalogue;
class QPushButton;
class QTreeWidget;

// File > Open Backup...: the stored reads, newest first, by date and model.
// A backup is opened like a data file (the list closes), or written back
// into a radio or compared with the data on screen (the list stays, for the
// next one).
class BackupsWindow : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Open, Restore, Compare };

    BackupsWindow(const Catalogue& catalogue, QList<BackupEntry> backups,
                  QWidget* parent = nullptr);

    // What Restore and Compare do with the backup selected.
    std::function<void(const BackupEntry&)> onRestore;
    std::function<void(const BackupEntry&)> onCompare;

    // The backup to open, after the window closed accepted.
    const BackupEntry& chosen() const { return backups_.at(row_); }

private:
    void Choose(Choice choice);
    void EnableButtons();

    QList<BackupEntry> backups_;
    QTreeWidget* list_;
    QPushButton* open_;
    QPushButton* restore_;
    QPushButton* compare_;
    int row_ = -1;
};
