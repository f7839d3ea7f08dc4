#pragma once

#include "core/base/file_problem.h"

#include <QString>

// The user settings of language/mysetup.ini, section "language", as the
// running program holds them.
struct AppSettings {
    int comPort = 1;
    int Handshaking = 0; // 0 none, 1 XON/XOFF, 2 RTS/CTS
    int StopBit = 1;     // 1 or 2
    // A stored line setting outside those lists, as written ("StopBit=1.5"):
    // the port is not opened with something else in its place.
    QString InvalidLineSetting;
    int PreviousLanguage = 1;
    // Only English is offered in the language window while this is set.
    int SingleLanguageList = 1;
};

class Catalogue;
class IniFile;

// Handshaking and StopBit from the settings file; a missing or empty value
// keeps the default, one outside its list is kept in InvalidLineSetting.
void LoadLineSettings(const IniFile& setup, AppSettings& settings);

// Why the port is not opened with the stored line settings: the settings
// file and the setting as written; nothing when they are sound.
FileProblem LineSettingProblem(const AppSettings& settings, const Catalogue& catalogue,
                               const QString& settingsPath);

// "0" is false, any other number true; the words True and False are accepted.
// Anything else counts as false.
bool ParseTruth(const QString& text);
