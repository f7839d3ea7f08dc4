#pragma once

#include <QString>

struct CliSession;

// print IN.dat OUT.pdf: the programming sheet of a data file pair as a PDF,
// in `language` ("en" or "zh"), of the `groups` named ("CB:A,HF:B"; every
// group with channels when empty), on `page` ("a4" or "letter"). The values
// were checked by UsagePrintProblem. Returns the tool's exit status.
int RunPrint(CliSession& session, const QString& inPath, const QString& outPath,
             const QString& language, const QString& groups, const QString& page);

class Catalogue;
// What is wrong with print's option values, in one line; "" when nothing is.
QString UsagePrintProblem(const Catalogue& catalogue, const QString& language,
                          const QString& groups, const QString& page);
