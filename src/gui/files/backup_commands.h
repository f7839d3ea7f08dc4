#pragma once

#include <QString>

class FileCommands;
class QWidget;
class RadioHost;
struct MainCommands;

// File > Open Backup...: the list of stored reads, then what the user chose
// there (open, write back into the radio, compare).
void OpenBackupList(RadioHost& host, FileCommands& files, const MainCommands& commands,
                    QWidget* parent);

// File > Compare With...: a data file or memory image chosen in the dialog,
// against the data on screen.
void CompareWithFile(RadioHost& host, QWidget* parent);

// The differences between the data on screen and the configuration at `path`;
// a file that can't be read is reported and nothing is shown.
void ShowComparison(RadioHost& host, const QString& path, QWidget* parent);
