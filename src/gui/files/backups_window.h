#pragma once

#include "core/session/backups.h"

#include <QDialog>
#include <QList>

class Catalogue;
class QPushButton;
class QTreeWidget;

// File > Open Backup...: the stored reads, newest first, by date and model.
// A backup is opened like a data file, written back into a radio, or
// compared with the data on screen.
class BackupsWindow : public QDialog {
    Q_OBJECT
public:
    enum class Choice { None, Open, Restore, Compare };

    BackupsWindow(const Catalogue& catalogue, QList<BackupEntry> backups,
                  QWidget* parent = nullptr);

    // What the user chose, and for which backup (after the window closed accepted).
    Choice choice() const { return choice_; }
    const BackupEntry& chosen() const { return backups_.at(row_); }

private:
    void Choose(Choice choice);
    void EnableButtons();

    QList<BackupEntry> backups_;
    QTreeWidget* list_;
    QPushButton* open_;
    QPushButton* restore_;
    QPushButton* compare_;
    Choice choice_ = Choice::None;
    int row_ = -1;
};
