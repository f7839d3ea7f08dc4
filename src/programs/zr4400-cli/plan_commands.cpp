#include "programs/zr4400-cli/plan_commands.h"

#include "core/editing/channel_plan.h"
#include "core/model/data_file.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"

#include <cstdio>

namespace {

constexpr int kMaxPrintedLines = 50;

} // namespace

int ExportPlan(CliSession& s, const QString& inPath, const QString& csvPath) {
    if (const int status = CheckOutput(s, csvPath, PairFiles(inPath)); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    FileProblem problem;
    if (WritePlanFile(csvPath, s.model, &problem))
        return ExitOk;
    PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
    return ExitIoError;
}

int ImportPlan(CliSession& s, const QString& inPath, const QString& csvPath,
               const QString& outPath) {
    if (const int status = CheckOutput(s, outPath, PairFiles(inPath) << csvPath); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    QString text;
    FileProblem problem;
    switch (ReadPlanFile(csvPath, text, &problem)) {
    case PlanFileStatus::Ok:
        break;
    case PlanFileStatus::TooLarge:
        PrintError(QStringLiteral("%1: a channel plan is at most %2 bytes.")
                       .arg(csvPath)
                       .arg(kMaxPlanBytes));
        return ExitBadData;
    case PlanFileStatus::Unreadable:
        PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
        return ExitIoError;
    case PlanFileStatus::NotUtf8:
        PrintError(FileProblemLine(s.catalogue, problem));
        return ExitBadData;
    default:
        PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
        return ExitNoInput;
    }
    const ChannelPlanImport plan = ReadChannelPlan(s.model, text, s.catalogue);
    if (!plan.problems.isEmpty()) {
        for (const QString& line : plan.problems.mid(0, kMaxPrintedLines))
            PrintError(line);
        if (plan.problems.size() > kMaxPrintedLines)
            PrintError(QStringLiteral("... %1 more").arg(plan.problems.size() - kMaxPrintedLines));
        return ExitBadData;
    }
    for (const QString& line : plan.summary)
        std::printf("%s\n", qPrintable(line));
    s.model.radio = plan.result.radio;
    s.model.channels = plan.result.channels;
    s.model.CurrentFileName = outPath;
    return SaveDataFile(s.model, s.catalogue, s.prompter) ? ExitOk : ExitIoError;
}
