#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// The start-up steps before any window: the version table (and whether
// Version.ini was sound), the settings.
void LoadStartupData(AppContext& context);

// What the user is told once the window has appeared: a damaged or missing
// Version.ini, a damaged settings file; one message each, none when all is well.
QStringList StartupNotices(const AppContext& context);

// The splash picture of a language: StartE.jpg (English) or StartC.jpg.
QString SplashPicturePath(const AppContext& context);
