#pragma once

#include <QDate>
#include <QString>

class RadioModel;

// Built-in defaults, then the initial data file of the band in force
// (`initFolder`/<band>_PK2323_New.dat), then the snapshot. `today` dates the identity.
void InitialiseData(RadioModel& model, const QString& initFolder,
                    const QDate& today = QDate::currentDate());

// Only the built-in defaults (steps shared by start-up and the initial files).
void SetBuiltInDefaults(RadioModel& model, const QDate& today);

// Loads a data file pair without the version or length test; keeps the
// built-in values when the pair cannot be read. Returns whether it loaded.
bool LoadInitialFile(RadioModel& model, const QString& path);

// Path of an initial data file: "<folder>/<band>_<ModelCode><suffix>".
QString InitialFilePath(const RadioModel& model, const QString& initFolder, const QString& suffix);
