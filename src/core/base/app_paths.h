#pragma once

#include <QString>

// Where the program's files live: the program folder holds the programs,
// Init/ and PIC/; its parent, the base folder, holds Version.ini and
// language/mysetup.ini.
struct AppPaths {
    QString ProgramFolder;
    QString BaseFolder;

    static AppPaths FromProgramFolder(const QString& programFolder);

    QString VersionIni() const { return BaseFolder + QStringLiteral("/Version.ini"); }
    QString SetupIni() const { return BaseFolder + QStringLiteral("/language/mysetup.ini"); }
    QString InitFolder() const { return ProgramFolder + QStringLiteral("/Init"); }
    QString PictureFolder() const { return ProgramFolder + QStringLiteral("/PIC"); }
};
