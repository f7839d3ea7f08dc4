#pragma once

#include <QString>

class Catalogue;
class IniFile;
class RadioModel;

// The user settings of language/mysetup.ini, section "language", as the
// running program holds them.
struct AppSettings {
    int comPort = 1;
    int Handshaking = 0;
    int StopBit = 1;
    int PreviousLanguage = 1;
    // Only English is offered in the language window while this is set.
    int SingleLanguageList = 1;
};

// Start-up reading of mysetup.ini: the first start runs in English and clears
// the first-run flag; later starts take the stored language. The port and the
// language in force are written back. Missing or non-numeric values keep the
// start-up values.
void LoadSettings(IniFile& setup, AppSettings& settings, Catalogue& catalogue, RadioModel& model);

// "0" is false, any other number true; the words True and False are accepted.
// Anything else counts as false.
bool ParseTruth(const QString& text);
