#include "programs/zr4400-cli/plan_commands.h"

#include "core/base/file_head.h"
#include "core/editing/channel_plan.h"
#include "core/model/data_file.h"
#include "core/session/channel_plan_commands.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"

#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int kMaxPrintedLines = 50;

} // namespace

int ExportPlan(CliSession& s, const QString& inPath, const QString& csvPath) {
    if (const int status = CheckOutput(s, csvPath); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    QSaveFile out(csvPath);
    const QByteArray bytes = ChannelPlanCsv(s.model).toUtf8();
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
        return ExitOk;
    PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue,
                           WriteProblem(csvPath, out.errorString())));
    return ExitIoError;
}

int ImportPlan(CliSession& s, const QString& inPath, const QString& csvPath,
               const QString& outPath) {
    if (const int status = CheckOutput(s, outPath); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    QByteArray bytes;
    qint64 size = 0;
    const FileHeadStatus read =
        ReadFileHead(csvPath, ChannelPlanCommands::kMaxPlanBytes + 1, bytes, &size);
    if (read != FileHeadStatus::Ok) {
        PrintError(
            WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, ReadProblem(csvPath)));
        return read == FileHeadStatus::Unreadable ? ExitIoError : ExitNoInput;
    }
    if (size > ChannelPlanCommands::kMaxPlanBytes) {
        PrintError(QStringLiteral("%1: a channel plan is at most %2 bytes.")
                       .arg(csvPath)
                       .arg(ChannelPlanCommands::kMaxPlanBytes));
        return ExitBadData;
    }
    const ChannelPlanImport plan = ReadChannelPlan(s.model, QString::fromUtf8(bytes), s.catalogue);
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
