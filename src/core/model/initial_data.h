#pragma once

#include <QDate>
#include <QString>

class RadioModel;
struct DataFilePair;

// Built-in defaults, then the initial data file of the band in force
// (`initFolder`/<band>_PK2323_New.dat), then the snapshot. `today` dates the identity.
void InitialiseData(RadioModel& model, const QString& initFolder,
                    const QDate& today = QDate::currentDate());

// Only the built-in defaults (steps shared by start-up and the initial files).
void SetBuiltInDefaults(RadioModel& model, const QDate& today);

// The data of an initial data file of bank `band` (0 CB, 1 HF), as the
// program folder's Init/ ships it: the built-in defaults in that bank.
void MakeInitialData(RadioModel& model, int band, const QDate& today);

// Loads a data file pair without the version or length test; keeps the
// built-in values when the pair cannot be read. Returns whether it loaded.
bool LoadInitialFile(RadioModel& model, const QString& path);

// A pair read from a file becomes the snapshot and the working data.
void AdoptDataFilePair(RadioModel& model, const DataFilePair& pair);

// Path of an initial data file of the bank in force:
// "<folder>/<band>_<kProgramModelCode><suffix>".
QString InitialFilePath(const RadioModel& model, const QString& initFolder, const QString& suffix);
