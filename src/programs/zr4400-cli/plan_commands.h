#pragma once

#include <QString>

struct CliSession;

// export-csv IN.dat OUT.csv: the channel plan of a data file pair.
int ExportPlan(CliSession& session, const QString& inPath, const QString& csvPath);
// import-csv IN.dat CHANNELS.csv OUT.dat: the plan taken into the data, saved
// as a new pair. Bad lines are printed (50 at most) and nothing is written.
int ImportPlan(CliSession& session, const QString& inPath, const QString& csvPath,
               const QString& outPath);
