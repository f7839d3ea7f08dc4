#pragma once

#include "core/base/ini_file.h"

#include <QString>

// Where the program's files live: the program folder holds the programs,
// Init/ and PIC/; its parent, the base folder, holds Version.ini and
// language/mysetup.ini.
struct AppPaths {
    QString ProgramFolder;
    QString BaseFolder;

    static AppPaths FromProgramFolder(const QString& programFolder);

    QString VersionIni() const { return BaseFolder + QStringLiteral("/Version.ini"); }
    // The mark the install step leaves in an installed tree; a tree built
    // or unpacked anywhere else has none.
    QString InstalledMark() const { return BaseFolder + QStringLiteral("/INSTALLED"); }
    QString SetupIni() const { return BaseFolder + QStringLiteral("/language/mysetup.ini"); }
    QString InitFolder() const { return ProgramFolder + QStringLiteral("/Init"); }
    QString PictureFolder() const { return ProgramFolder + QStringLiteral("/PIC"); }

    // The user's own copy of the settings file, for a program whose tree
    // cannot be written (an installed one): ~/.config/ZR-4400/ZR-4400/mysetup.ini.
    static QString UserSetupIni();
    // Where the user's files go unless they chose a folder: the documents
    // folder, or the home folder when there is none.
    static QString DocumentsFolder();
    // The settings file in force: the user's copy once there is one, else the
    // tree's. The first write the tree's file can't take, and in an installed
    // tree every first write (even by root), copies it to the user's place.
    IniFile Setup() const;
};
