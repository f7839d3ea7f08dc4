#pragma once

#include <QString>

struct AppContext;

// The start-up steps before any window: the version table (and whether
// Version.ini was sound), the settings.
void LoadStartupData(AppContext& context);

// The splash picture of a language: StartE.jpg (English) or StartC.jpg.
QString SplashPicturePath(const AppContext& context);
