#include "core/session/file_commands.h"

#include "core/base/app_paths.h"
#include "core/base/prompter.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/output_choice.h"
#include "core/session/version_launcher.h"

#include <QDir>
#include <QFileInfo>

FileCommands::FileCommands(AppContext& context, Prompter& prompter, DocumentHost& host,
                           VersionLauncher& launcher)
    : context_(context), prompter_(prompter), host_(host), launcher_(launcher) {}

QString FileCommands::DialogFilter() const {
    return context_.catalogue.Text(TextId::DataFile) + QStringLiteral(" (*.dat)|*.dat");
}

void FileCommands::FileNew() {
    if (!MayDiscardChanges())
        return;
    if (prompter_.ask(context_.catalogue.Text(TextId::AllDataCleared), PromptButtons::OkCancel,
                      PromptIcon::Warning) != PromptAnswer::Ok)
        return;
    if (!LoadInitialData(QStringLiteral("_New.dat")))
        return;
    StartUntitled();
}

void FileCommands::NewDocument() {
    if (MayDiscardChanges() && LoadInitialData(QStringLiteral("_New.dat")))
        StartUntitled();
}

void FileCommands::InitialSetting() {
    if (MayDiscardChanges() && LoadInitialData(QStringLiteral(".dat")))
        StartUntitled();
}

bool FileCommands::LoadInitialData(const QString& suffix) {
    DataFilePair pair;
    FileProblem problem;
    if (ReadDataFilePair(InitialFilePath(context_.model, context_.paths.InitFolder(), suffix), pair,
                         &problem) != FileStatus::Ok) {
        const Catalogue& catalogue = context_.catalogue;
        prompter_.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                       PromptIcon::Critical);
        return false;
    }
    // The editors close before the data changes under them.
    host_.UnloadAllChildForms();
    AdoptDataFilePair(context_.model, pair);
    host_.StartShowData();
    return true;
}

void FileCommands::StartUntitled() {
    // A later Save must not put the new data over the file that was open.
    context_.model.IsUntitled = true;
    context_.model.CurrentFileName = QString::fromLatin1(kUntitledName);
    host_.RefreshCaption();
}

void FileCommands::FileOpen() {
    if (MayDiscardChanges())
        OpenWithDialog();
}

bool FileCommands::MayDiscardChanges() {
    host_.ValidateOpenEditors();
    if (!context_.model.IsModified())
        return true;
    switch (prompter_.ask(context_.catalogue.Text(TextId::FileModified), PromptButtons::YesNoCancel,
                          PromptIcon::Warning)) {
    case PromptAnswer::Yes:
        // A failed or cancelled save keeps the unsaved data on screen.
        return SaveBeforeDiscard();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::FileSave() {
    host_.ValidateOpenEditors();
    if (context_.model.IsUntitled) {
        FileSaveAs();
        return;
    }
    if (prompter_.ask(OverwriteQuestion(context_.model.CurrentFileName, context_.catalogue),
                      PromptButtons::OkCancel, PromptIcon::Question) == PromptAnswer::Ok)
        SaveToCurrentFile();
}

bool FileCommands::SaveUnderChosenName() {
    const QString chosen = prompter_.saveFileName(context_.model.CurrentFileName, DialogFilter());
    if (chosen.isEmpty())
        return false;
    if (IsCompanionName(chosen)) {
        prompter_.tell(context_.catalogue.Text(TextId::DataNameIsCompanion),
                       PromptIcon::Exclamation);
        return false;
    }
    const QString path = DataFileNameFor(chosen);
    if (!CompanionIsOwn(path) ||
        !ConfirmReplace(chosen, path, {CompanionPathOf(path)}, context_.catalogue, prompter_))
        return false;
    const QString previous = context_.model.CurrentFileName;
    context_.model.CurrentFileName = path;
    if (SaveToCurrentFile())
        return true;
    // Nothing was written under the new name: the data still belongs to the old one.
    context_.model.CurrentFileName = previous;
    host_.RefreshCaption();
    return false;
}

void FileCommands::FileSaveAs() {
    host_.ValidateOpenEditors();
    SaveUnderChosenName();
}

void FileCommands::OpenWithDialog() {
    const QString path = prompter_.openFileName(DialogFilter());
    if (!path.isEmpty() && OpenPath(path))
        Used(path);
}

void FileCommands::Used(const QString& path) {
    if (fileUsed)
        fileUsed(path);
}

void FileCommands::OpenNamed(const QString& path) {
    if (MayDiscardChanges() && OpenPath(path))
        Used(path);
}

void FileCommands::OpenBackup(const QString& dataPath) {
    if (!MayDiscardChanges() || !OpenPath(dataPath))
        return;
    // Saved as the user's own file: under the backup's name, among their documents.
    context_.model.IsUntitled = true;
    context_.model.CurrentFileName =
        QDir(AppPaths::DocumentsFolder()).filePath(QFileInfo(dataPath).fileName());
}

bool FileCommands::OpenPath(const QString& path) {
    const QString previous = context_.model.CurrentFileName;
    context_.model.CurrentFileName = path;
    host_.UnloadAllChildForms();
    const OpenResult result =
        OpenDataFile(context_.model, context_.versions, context_.catalogue, prompter_,
                     [this](const QString& version) { launcher_.LaunchVersion(version); });
    if (result == OpenResult::Loaded) {
        host_.ShowOpenedData();
        return true;
    }
    // The data on screen still belongs to the previous file: a later Save must
    // not write it over the file that could not be opened.
    context_.model.CurrentFileName = previous;
    return false;
}

bool FileCommands::SaveBeforeDiscard() {
    // Untitled data has only the default name: ask where it goes rather than
    // writing (or overwriting) "new.dat" wherever the program happens to run.
    return context_.model.IsUntitled ? SaveUnderChosenName() : SaveToCurrentFile();
}

bool FileCommands::CompanionIsOwn(const QString& path) {
    const CompanionCheck check = CheckCompanion(path);
    if (check.use == CompanionUse::Own)
        return true;
    prompter_.tell(CompanionCheckText(context_.catalogue, path, check, true),
                   PromptIcon::Exclamation);
    return false;
}

bool FileCommands::SaveToCurrentFile() {
    // The pair can't be stored under this name: another one is asked for.
    if (!CompanionIsOwn(context_.model.CurrentFileName))
        return SaveUnderChosenName();
    const bool saved = SaveDataFile(context_.model, context_.catalogue, prompter_);
    host_.RefreshCaption();
    if (saved)
        Used(context_.model.CurrentFileName);
    return saved;
}
