#pragma once

#include <QString>

#include <functional>

struct AppContext;
class Prompter;
class VersionLauncher;

// What the file commands need from the main window.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    // Closes the children and loads the initial data file of the bank in force.
    virtual void LoadNewDoc() = 0;
    virtual void UnloadAllChildForms() = 0;
    // After new data replaced the old: captions, then the channel editor.
    virtual void StartShowData() = 0;
    // After a file was opened: channel editor, captions in the language in force, cascade.
    virtual void ShowOpenedData() = 0;
    virtual void RefreshCaption() = 0;
    // Values still being typed in the editors are taken into the data.
    virtual void ValidateOpenEditors() = 0;
};

// New, Open, Save and Save As with their questions and messages.
class FileCommands {
public:
    FileCommands(AppContext& context, Prompter& prompter, DocumentHost& host,
                 VersionLauncher& launcher);

    // New from the menu asks before it clears; the toolbar's New does not.
    void FileNew();
    void NewDocument();
    // The radio's factory data of the bank in force replaces the data, as
    // untitled data: a later Save asks for a name rather than putting the
    // factory data over the file that was open.
    void InitialSetting();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void OpenWithDialog();
    // A file named on the command line or dropped on the window: as File >
    // Open with that file chosen (the save question first).
    void OpenNamed(const QString& path);
    // A backup opens like a data file, but a Save asks for a name: the
    // backup itself stays as the radio gave it.
    void OpenBackup(const QString& dataPath);
    bool SaveToCurrentFile();
    // The "save it now?" question when the data has changed (values still in
    // edit count): true when the data may be dropped, because it was saved or
    // the user chose not to; false on Cancel or a failed or cancelled save.
    bool MayDiscardChanges();

    // Runs with the path of every data file opened or saved by name (for the
    // recent files); backups are left out.
    std::function<void(const QString&)> fileUsed;

private:
    QString DialogFilter() const;
    bool OpenPath(const QString& path);
    void Used(const QString& path);
    // The initial data file of the bank in force replaces the data; when it
    // can't be read the user is told and nothing changes.
    bool LoadInitialData(const QString& suffix);
    void StartUntitled();
    // Saves to the current file, or through the Save As dialog while the data
    // has no file yet. False when nothing was saved.
    bool SaveBeforeDiscard();
    // The Save As dialog, then the save under the chosen name; false when
    // cancelled or failed, and then the data keeps the name it had.
    bool SaveUnderChosenName();
    // Whether `path`'s companion is its own; the user is told why not.
    bool CompanionIsOwn(const QString& path);

    AppContext& context_;
    Prompter& prompter_;
    DocumentHost& host_;
    VersionLauncher& launcher_;
};
