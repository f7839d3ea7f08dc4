#include "gui/files/backup_commands.h"

#include "core/base/prompter.h"
#include "core/session/app_context.h"
#include "core/session/backups.h"
#include "core/session/config_compare.h"
#include "core/session/main_commands.h"
#include "core/session/radio_host.h"
#include "gui/files/backups_window.h"
#include "gui/files/compare_window.h"

void OpenBackupList(RadioHost& host, FileCommands& files, const MainCommands& commands,
                    QWidget* parent) {
    BackupsWindow window(host.context().catalogue, ListBackups(), parent);
    window.onRestore = commands.restoreBackup;
    window.onCompare = [&host, &window](const BackupEntry& backup) {
        ShowComparison(host, backup.dataPath(), &window);
    };
    if (window.exec() == QDialog::Accepted)
        files.OpenBackup(window.chosen().dataPath());
}

void CompareWithFile(RadioHost& host, QWidget* parent) {
    const Catalogue& c = host.context().catalogue;
    const QString path =
        host.prompter().openFileName(c.Text(TextId::DataFile) + QStringLiteral(" (*.dat)|*.dat|") +
                                     c.Text(TextId::ImageFile) + QStringLiteral(" (*.bin)|*.bin"));
    if (!path.isEmpty())
        ShowComparison(host, path, parent);
}

void ShowComparison(RadioHost& host, const QString& path, QWidget* parent) {
    AppContext& context = host.context();
    // Values still being typed belong to the data on screen.
    host.ValidateOpenEditors();
    RadioModel other = context.model;
    FileProblem problem;
    if (!LoadComparedFile(path, other, &problem)) {
        host.prompter().tell(
            WithProblem(context.catalogue.Text(TextId::FileError), context.catalogue, problem),
            PromptIcon::Critical);
        return;
    }
    CompareWindow window(context.catalogue, path,
                         CompareConfigs(context.model, other, context.catalogue), parent);
    window.exec();
}
