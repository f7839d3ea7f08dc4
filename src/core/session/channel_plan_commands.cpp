#include "core/session/channel_plan_commands.h"

#include "core/base/prompter.h"
#include "core/editing/channel_plan.h"
#include "core/session/app_context.h"
#include "core/session/output_choice.h"
#include "core/session/radio_host.h"

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
    const QString path = ChooseOutputPath(
        host_.prompter().saveFileName(QStringLiteral("channels.csv"), Filter(c)),
        QStringLiteral(".csv"), context.model.CurrentFileName, c, host_.prompter());
    if (path.isEmpty())
        return;
    FileProblem problem;
    if (!WritePlanFile(path, context.model, &problem))
        host_.prompter().tell(WithProblem(c.Text(TextId::FileError), c, problem),
                              PromptIcon::Critical);
}

void ChannelPlanCommands::ImportChannels() {
    AppContext& context = host_.context();
    const Catalogue& c = context.catalogue;
    Prompter& prompter = host_.prompter();
    const QString path = prompter.openFileName(Filter(c));
    if (path.isEmpty())
        return;
    QString text;
    FileProblem problem;
    if (const PlanFileStatus read = ReadPlanFile(path, text, &problem);
        read != PlanFileStatus::Ok) {
        // A file in another encoding is the user's to convert, not a fault of the disk.
        if (read == PlanFileStatus::NotUtf8)
            prompter.tell(FileProblemLine(c, problem), PromptIcon::Exclamation);
        else
            prompter.tell(WithProblem(c.Text(TextId::FileError), c, problem), PromptIcon::Critical);
        return;
    }
    // Values still being typed belong to the data the plan goes into.
    host_.ValidateOpenEditors();
    const ChannelPlanImport plan = ReadChannelPlan(context.model, text, c);
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
