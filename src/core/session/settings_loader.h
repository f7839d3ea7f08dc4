#pragma once

#include <QString>

struct AppContext;
struct AppSettings;
class Prompter;
class Catalogue;
class IniFile;
class RadioModel;

// Start-up reading of mysetup.ini: the first start runs in English and clears
// the first-run flag; later starts take the stored language. The port and the
// language in force are written back. Missing values keep the start-up
// values quietly; unusable ones keep them too and are noted for the user
// (SettingsNotice).
void LoadSettings(IniFile& setup, AppSettings& settings, Catalogue& catalogue, RadioModel& model);

// A setting the user changed ([language] `key`), saved; when it can be saved
// nowhere the user is told once a run (it holds until the program ends).
void StoreSetting(AppContext& context, Prompter& prompter, const QString& key,
                  const QString& value);
