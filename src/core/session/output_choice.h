#pragma once

#include <QString>
#include <QStringList>

class Catalogue;
class Prompter;

// "\"plan.dat\"file will be Overwrite,Continue?": the question before a file is replaced.
QString OverwriteQuestion(const QString& path, const Catalogue& catalogue);

// True when writing `path` may go on. A save dialog asks before replacing
// the file it was given (`chosen`); when the name gained its extension
// afterwards, or a file written beside it (`alongside`, a companion) exists,
// the question is asked here about `path`.
bool ConfirmReplace(const QString& chosen, const QString& path, const QStringList& alongside,
                    const Catalogue& catalogue, Prompter& prompter);

// The file a save dialog's answer stands for once it ends in `extension`
// (".csv"), or empty when nothing is to be written: the open data file
// (`openDataFile`) and its companion are never written over, and a file
// the dialog did not ask about is replaced only after the question.
QString ChooseOutputPath(const QString& chosen, const QString& extension,
                         const QString& openDataFile, const Catalogue& catalogue,
                         Prompter& prompter);
