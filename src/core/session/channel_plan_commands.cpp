#include "core/session/channel_plan_commands.h"

#include "core/base/file_head.h"
#include "core/base/prompter.h"
#include "core/editing/channel_plan.h"
#include "core/session/app_context.h"
#include "core/session/radio_host.h"

#include <QSaveFile>

namespace {

constexpr int kMaxListedLines = 50;

QString Filter(const Catalogue& c) {
    return c.Text(TextId::PlanFile) + QStringLiteral(" (*.csv)|*.csv");
}

QString Listed(const QString& title, const QStringList& lines) {
    QStringList shown = lines.mid(0, kMaxListedLines);
    if (lines.size() > kMaxListedLines)
        shown << QStringLiteral("...");
    return title + QStringLiteral("\r\n") + shown.join(QStringLiteral("\r\n"));
}

} // namespace

void ChannelPlanCommands::ExportChannels() {
    AppContext& context = host_.context();
    const Catalogue& c = context.catalogue;
    host_.ValidateOpenEditors();
    QString path = host_.prompter().saveFileName(QStringLiteral("channels.csv"), Filter(c));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    QSaveFile out(path);
    const QByteArray bytes = ChannelPlanCsv(context.model).toUtf8();
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit())
        return;
    host_.prompter().tell(
        WithProblem(c.Text(TextId::FileError), c, WriteProblem(path, out.errorString())),
        PromptIcon::Critical);
}

void ChannelPlanCommands::ImportChannels() {
    AppContext& context = host_.context();
    const Catalogue& c = context.catalogue;
    Prompter& prompter = host_.prompter();
    const QString path = prompter.openFileName(Filter(c));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    qint64 size = 0;
    if (ReadFileHead(path, kMaxPlanBytes + 1, bytes, &size) != FileHeadStatus::Ok ||
        size > kMaxPlanBytes) {
        prompter.tell(WithProblem(c.Text(TextId::FileError), c, ReadProblem(path)),
                      PromptIcon::Critical);
        return;
    }
    // Values still being typed belong to the data the plan goes into.
    host_.ValidateOpenEditors();
    const ChannelPlanImport plan = ReadChannelPlan(context.model, QString::fromUtf8(bytes), c);
    if (!plan.problems.isEmpty()) {
        prompter.tell(Listed(c.Text(TextId::PlanNotImported), plan.problems),
                      PromptIcon::Exclamation);
        return;
    }
    if (plan.summary.isEmpty() ||
        prompter.ask(Listed(c.Text(TextId::PlanImportQuestion), plan.summary),
                     PromptButtons::OkCancel, PromptIcon::Question) != PromptAnswer::Ok)
        return;
    context.model.radio = plan.result.radio;
    context.model.channels = plan.result.channels;
    // One step to undo, shown in every open window.
    host_.DataEdited(nullptr);
}
