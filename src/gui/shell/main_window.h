#pragma once

#include "core/session/channel_plan_commands.h"
#include "core/session/file_commands.h"
#include "core/session/main_commands.h"
#include "core/session/radio_host.h"
#include "core/session/version_launcher.h"
#include "gui/shell/editor_area.h"

#include <QMainWindow>
#include <functional>
#include <memory>

struct AppContext;
class EditSteps;
class PanelSplitter;
class RecentFilesMenu;
class Prompter;
class QLabel;
class QToolBar;
class TreePanel;

// The program's one top-level window, `frmMain`: menus and toolbar of the
// commands' actions, the tree panel, the status bar and the area holding
// the editor windows.
class MainWindow : public QMainWindow, public RadioHost {
    Q_OBJECT
public:
    MainWindow(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // EditorHost, RadioHost
    AppContext& context() override { return context_; }
    Prompter& prompter() override { return prompter_; }
    VersionLauncher& launcher() override { return launcher_; }
    bool MayDiscardChanges() override { return files_.MayDiscardChanges(); }
    void DataEdited(QObject* source, const QString& mergeKey = {}) override;
    void EndEditStep() override;
    void Change_Language() override;

    FileCommands& files() { return files_; }
    MainCommands& commands() { return commands_; }
    EditorArea& editors() const { return *editors_; }
    // Every open editor commits the value it is still editing (before a
    // write, a save, or the question whether to save).
    void ValidateOpenEditors() override;

    // DocumentHost
    void LoadNewDoc() override;
    void UnloadAllChildForms() override;
    void ShowOpenedData() override;
    void RefreshCaption() override;
    void StartShowData() override;

    void LoadNewDoc_();
    void LoadBKPic();
    void ShowLanguageWindow();
    // Applies a language chosen elsewhere: texts, children reopened.
    void ApplyLanguageChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A data file dropped on the window opens as File > Open would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildRecentMenu();
    void SetCaptions();
    void BuildTree();
    void RestoreGeometry();
    void SaveGeometry();
    void OpenChannelEditorAndCascade();
    void Run(const std::function<void()>& command);
    QAction* Action(const QString& name) const;

    AppContext& context_;
    Prompter& prompter_;
    VersionLauncher launcher_;
    FileCommands files_;
    MainCommands commands_;
    ChannelPlanCommands plans_{*this};

    EditorArea* editors_ = nullptr;
    EditSteps* steps_ = nullptr;
    TreePanel* treePanel_ = nullptr;
    PanelSplitter* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    RecentFilesMenu* recent_ = nullptr;
    QLabel* statusPanels_[3] = {};
    class QTimer* renewTimer_ = nullptr;
    bool startupNoticeShown_ = false;
};
