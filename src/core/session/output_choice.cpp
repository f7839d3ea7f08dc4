#include "core/session/output_choice.h"

#include "core/base/file_writer.h"
#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/model/data_file.h"
#include "core/text/catalogue.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString OverwriteQuestion(const QString& path, const Catalogue& catalogue) {
    return QLatin1Char('"') + FileNameOf(path) + QLatin1Char('"') +
           catalogue.Text(TextId::FileOverwrite);
}

bool ConfirmReplace(const QString& chosen, const QString& path, const QStringList& alongside,
                    const Catalogue& catalogue, Prompter& prompter) {
    const bool dialogAsked = chosen == path && QFileInfo::exists(path);
    QStringList files = alongside;
    files << path;
    const bool replaces = std::any_of(files.begin(), files.end(),
                                      [](const QString& f) { return QFileInfo::exists(f); });
    return dialogAsked || !replaces ||
           prompter.ask(OverwriteQuestion(path, catalogue), PromptButtons::OkCancel,
                        PromptIcon::Question) == PromptAnswer::Ok;
}

QString ChooseOutputPath(const QString& chosen, const QString& extension,
                         const QString& openDataFile, const Catalogue& catalogue,
                         Prompter& prompter) {
    if (chosen.isEmpty())
        return {};
    const QString path =
        chosen.endsWith(extension, Qt::CaseInsensitive) ? chosen : chosen + extension;
    if (IsSameFile(path, openDataFile) || IsSameFile(path, CompanionPathOf(openDataFile))) {
        prompter.tell(catalogue.Text(TextId::OutputIsInput).arg(QDir::toNativeSeparators(path)),
                      PromptIcon::Exclamation);
        return {};
    }
    return ConfirmReplace(chosen, path, {}, catalogue, prompter) ? path : QString();
}
