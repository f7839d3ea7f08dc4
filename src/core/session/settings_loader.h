#pragma once

struct AppSettings;
class Catalogue;
class IniFile;
class RadioModel;

// Start-up reading of mysetup.ini: the first start runs in English and clears
// the first-run flag; later starts take the stored language. The port and the
// language in force are written back. Missing or non-numeric values keep the
// start-up values.
void LoadSettings(IniFile& setup, AppSettings& settings, Catalogue& catalogue, RadioModel& model);
