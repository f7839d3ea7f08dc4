#pragma once

#include "app/app_paths.h"
#include "app/app_settings.h"
#include "app/ini_file.h"
#include "app/version_table.h"
#include "cli/cli_prompter.h"
#include "data/radio_model.h"
#include "lang/catalogue.h"

#include <QCoreApplication>

// What the tool shares with the windowed program: the installed tree's
// settings and version table, the model after start-up, the English texts.
struct CliSession {
    explicit CliSession(int retries = 0)
        : paths(AppPaths::FromProgramFolder(QCoreApplication::applicationDirPath())),
          setup(paths.SetupIni()),
          versions(VersionTable::LoadVersionTable(IniFile(paths.VersionIni()))), prompter(retries) {
        settings.Handshaking =
            setup.intValue(QStringLiteral("language"), QStringLiteral("Handshaking"), 0);
        settings.StopBit = setup.intValue(QStringLiteral("language"), QStringLiteral("StopBit"), 1);
        model.InitialiseData(paths.InitFolder());
    }

    AppPaths paths;
    IniFile setup;
    AppSettings settings;
    VersionTable versions;
    Catalogue catalogue;
    CliPrompter prompter;
    RadioModel model;
};

// Opens a data file pair with the Open command's checks; an exit status.
int OpenInput(CliSession& s, const QString& path);
void PrintError(const QString& text);
