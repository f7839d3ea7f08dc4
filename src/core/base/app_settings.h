#pragma once

#include "core/base/file_problem.h"
#include "core/text/text_id.h"

#include <QList>
#include <QString>

// The highest port number the settings can name ("COM" and three digits).
constexpr int kHighestPortNumber = 999;

// What could not be used of the settings file: its default stood in.
struct SettingsFault {
    TextId cause;   // the cause's text, which takes `detail` as %1
    QString detail; // the setting as written ("comPort=-3") or a line number
};

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
    // The settings file as read at start-up and what could not be used of it.
    QString ReadFrom;
    QList<SettingsFault> Faults;
};

class Catalogue;
class IniFile;

// Handshaking and StopBit from the settings file; a missing or empty value
// keeps the default, one outside its list is kept in InvalidLineSetting.
void LoadLineSettings(const IniFile& setup, AppSettings& settings);

// The port number from the settings file, and the stored language it returns
// (English unless Chinese is stored), without writing. A file too large to
// read, a garbled line and a value that is no port number or no language are
// noted in Faults; a missing or empty value keeps its default quietly.
int LoadPortAndLanguage(const IniFile& setup, AppSettings& settings);

// What could not be used of the settings file, and where, for the user at
// start-up; empty when everything could.
QString SettingsNotice(const Catalogue& catalogue, const AppSettings& settings);

// Why the port is not opened with the stored line settings: the settings
// file and the setting as written; nothing when they are sound.
FileProblem LineSettingProblem(const AppSettings& settings, const Catalogue& catalogue,
                               const QString& settingsPath);

// "0" is false, any other number true; the words True and False are accepted.
// Anything else counts as false.
bool ParseTruth(const QString& text);
