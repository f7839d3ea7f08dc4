#include "core/base/app_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppPaths AppPaths::FromProgramFolder(const QString& programFolder) {
    QString folder = programFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    const qsizetype cut = folder.lastIndexOf(QLatin1Char('/'));
    // A path whose only separator is the leading one has no parent to go to.
    return {folder, cut > 0 ? folder.left(cut) : folder};
}

QString AppPaths::UserSetupIni() {
    // Both programs share it, whatever each one's application name.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ZR-4400/ZR-4400/mysetup.ini");
}

QString AppPaths::DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

IniFile AppPaths::Setup() const {
    const QString user = UserSetupIni();
    if (QFileInfo::exists(user))
        return IniFile(user, user);
    // An installed tree's file is the template of every user's copy.
    return IniFile(SetupIni(), user, QFileInfo::exists(InstalledMark()));
}
