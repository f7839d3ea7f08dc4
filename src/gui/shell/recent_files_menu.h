#pragma once

#include <QMenu>
#include <functional>

// File > Recent Files: the last files opened or saved that still exist.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    // `open` opens a chosen file.
    RecentFilesMenu(std::function<void(const QString&)> open, QWidget* parent);

    // The file goes to the top of the user's list.
    static void Remember(const QString& path);

private:
    void Fill();

    std::function<void(const QString&)> open_;
};
