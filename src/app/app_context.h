#pragma once

#include "app/app_paths.h"
#include "app/app_settings.h"
#include "app/ini_file.h"
#include "app/version_table.h"
#include "data/radio_model.h"
#include "lang/catalogue.h"

// The objects that live for the whole run, created once at start-up and
// handed to every window that needs them.
struct AppContext {
    explicit AppContext(const AppPaths& appPaths) : paths(appPaths), setup(appPaths.SetupIni()) {}

    AppPaths paths;
    IniFile setup;
    AppSettings settings;
    Catalogue catalogue;
    VersionTable versions;
    RadioModel model;
};
