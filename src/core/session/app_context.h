#pragma once

#include "core/base/app_paths.h"
#include "core/base/app_settings.h"
#include "core/base/ini_file.h"
#include "core/base/version_table.h"
#include "core/model/radio_model.h"
#include "core/session/data_notifier.h"
#include "core/text/catalogue.h"

// The objects that live for the whole run, created once at start-up and
// handed to every window that needs them.
struct AppContext {
    explicit AppContext(const AppPaths& appPaths) : paths(appPaths), setup(appPaths.Setup()) {}

    AppPaths paths;
    IniFile setup;
    AppSettings settings;
    Catalogue catalogue;
    VersionTable versions;
    VersionFileState versionFile = VersionFileState::Ok;
    RadioModel model;
    // Told of every change to `model`, which the windows follow.
    DataNotifier changes;
    // Started with --dealer: the group write is offered in the menu and toolbar.
    bool dealerMode = false;
    // A settings change that could be saved nowhere has been told of (once a run).
    bool settingsProblemTold = false;
};
