#include "programs/zr4400-cli/print_command.h"

#include "core/base/file_writer.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"
#include "report/sheet_content.h"
#include "report/sheet_painter.h"

namespace {

QStringList GroupNames(const QString& groups) {
    return groups.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

QString UsagePrintProblem(const Catalogue& c, const QString& language, const QString& groups,
                          const QString& page) {
    if (!language.isEmpty() && language != QLatin1String("en") && language != QLatin1String("zh"))
        return c.Text(TextId::UsageOneOf).arg(QStringLiteral("--language"), "en, zh", language);
    if (!page.isEmpty() && page != QLatin1String("a4") && page != QLatin1String("letter"))
        return c.Text(TextId::UsageOneOf).arg(QStringLiteral("--page"), "a4, letter", page);
    const QStringList names = GroupNames(groups);
    for (const QString& name : names)
        if (!SheetGroupOfName(name))
            return c.Text(TextId::UsageOneOf)
                .arg(QStringLiteral("--groups"), "CB:A ... HF:J", name);
    if (names.isEmpty() && !groups.isNull())
        return c.Text(TextId::UsageOneOf).arg(QStringLiteral("--groups"), "CB:A ... HF:J", groups);
    return {};
}

int RunPrint(CliSession& s, const QString& inPath, const QString& outPath, const QString& language,
             const QString& groups, const QString& page) {
    if (const int status = CheckOutput(s, outPath, PairFiles(inPath)); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    Catalogue sheetLanguage;
    sheetLanguage.CurrentLanguage =
        language == QLatin1String("zh") ? Catalogue::kChinese : Catalogue::kEnglish;
    SheetChoice choice;
    for (const QString& name : GroupNames(groups))
        choice.groups << *SheetGroupOfName(name);
    if (choice.groups.isEmpty())
        choice.groups = GroupsWithChannels(s.model);
    const QByteArray pdf =
        SheetPdf(ComposeSheet(s.model, choice, sheetLanguage, QDate::currentDate()),
                 page == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4);
    FileProblem problem;
    if (WriteWholeFile(outPath, pdf, &problem))
        return ExitOk;
    PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
    return ExitIoError;
}
