#pragma once

#include "core/base/app_paths.h"
#include "core/base/app_settings.h"
#include "core/base/ini_file.h"
#include "core/base/version_table.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "programs/zr4400-cli/cli_prompter.h"

#include <QCoreApplication>

void PrintError(const QString& text);
// One "warning: " line, the text's lines joined.
void PrintWarning(const QString& text);

// What the tool shares with the windowed program: the installed tree's
// settings and version table, the model after start-up, the English texts.
struct CliSession {
    explicit CliSession(int retries = 0)
        : paths(AppPaths::FromProgramFolder(QCoreApplication::applicationDirPath())),
          setup(paths.Setup()),
          versions(VersionTable::LoadVersionTable(IniFile(paths.VersionIni()), &versionFile)),
          prompter(retries) {
        LoadPortAndLanguage(setup, settings);
        LoadLineSettings(setup, settings);
        for (const QString& notice : {VersionFileNotice(catalogue, versionFile, versions),
                                      SettingsNotice(catalogue, settings)})
            if (!notice.isEmpty())
                PrintWarning(notice);
        InitialiseData(model, paths.InitFolder());
    }

    AppPaths paths;
    IniFile setup;
    AppSettings settings;
    // Declared before the table, which sets it.
    VersionFileState versionFile = VersionFileState::Ok;
    VersionTable versions;
    Catalogue catalogue;
    CliPrompter prompter;
    RadioModel model;
};

// Opens a data file pair with the Open command's checks; an exit status.
int OpenInput(CliSession& s, const QString& path);
// A data file and its companion.
QStringList PairFiles(const QString& dataPath);
// Whether an output file (and, for a data file, its companion) may be
// written, checked before any work is done: ExitOk; ExitUsage when it is one
// of `inputs` or its companion belongs to another data file too;
// ExitCannotCreate when it can't be created. The user is told why.
int CheckOutput(const CliSession& s, const QString& path, const QStringList& inputs = {});
// A raw memory image into the model's image: ExitOk, or the status after
// saying why (66 missing or not a regular file, 65 not 16384 bytes, 74).
int ReadImageFile(CliSession& s, const QString& path);
// The model's image as a raw image file: ExitOk or 74 after saying why.
int WriteImageFile(const CliSession& s, const QString& path);
