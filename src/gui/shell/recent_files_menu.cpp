#include "gui/shell/recent_files_menu.h"

#include "gui/widgets/user_settings.h"

#include <QFileInfo>

namespace {
constexpr int kRecentFiles = 8;
} // namespace

RecentFilesMenu::RecentFilesMenu(std::function<void(const QString&)> open, QWidget* parent)
    : QMenu(parent), open_(std::move(open)) {
    setObjectName(QStringLiteral("mnuFileRecent"));
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Fill);
}

void RecentFilesMenu::Fill() {
    clear();
    int n = 0;
    for (const QString& path : UserSettings().recentFiles()) {
        if (!QFileInfo::exists(path))
            continue; // gone since: not offered
        QAction* item =
            addAction(QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(path).fileName()));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { open_(path); });
    }
    if (n == 0)
        addAction(QStringLiteral("-"))->setEnabled(false);
}

void RecentFilesMenu::Remember(const QString& path) {
    UserSettings store;
    QStringList list = store.recentFiles();
    const QString full = QFileInfo(path).absoluteFilePath();
    list.removeAll(full);
    list.prepend(full);
    store.setRecentFiles(list.mid(0, kRecentFiles));
}
