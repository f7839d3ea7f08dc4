#pragma once

#include "core/session/channel_plan_commands.h"
#include "core/session/edit_history.h"
#include "core/session/file_commands.h"
#include "core/session/main_commands.h"
#include "core/session/radio_host.h"
#include "core/session/version_launcher.h"

#include <QMainWindow>
#include <QMap>
#include <functional>
#include <memory>

struct AppContext;
class PanelSplitter;
class Prompter;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class TreePanel;

// The program's one top-level window, `frmMain`: menus, toolbar, the tree
// panel, the status bar and the area holding the editor windows.
class MainWindow : public QMainWindow, public RadioHost {
    Q_OBJECT
public:
    using ChildFactory = std::function<QWidget*()>;

    MainWindow(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // EditorHost, RadioHost
    AppContext& context() override { return context_; }
    Prompter& prompter() override { return prompter_; }
    VersionLauncher& launcher() override { return launcher_; }
    bool MayDiscardChanges() override { return files_.MayDiscardChanges(); }
    void RefreshRogerLists() override;
    void RefreshModeLists() override;
    void DataEdited(QObject* source, const QString& mergeKey = {}) override;
    void EndEditStep() override { history_.EndStep(); }
    void Change_Language() override;

    FileCommands& files() { return files_; }
    MainCommands& commands() { return commands_; }
    QMdiArea* mdiArea() const { return mdi_; }

    void RegisterChildForm(const QString& name, ChildFactory factory);
    // Focuses the open window of that name, or opens it and cascades.
    QWidget* ShowChildForm(const QString& name);
    QWidget* FindChildForm(const QString& name) const;
    QList<QWidget*> ChildForms() const;
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
    void ReadRMGDataFromRadio();
    void ShowAbout();
    void ShowLanguageWindow();
    // Edit > Undo and Redo: the data one step back or forward, in every open window.
    void Undo();
    void Redo();
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
    void SetShortcuts();
    // A new history starts with the data now on show.
    void StartHistory();
    // After the data changed: the undo items, the caption and every open
    // window but `source` (the one the change was made in) show it.
    void ShowChangedData(const QObject* source);
    void UpdateUndoActions();
    // File > Recent Files: the last files opened or saved that still exist.
    void BuildRecentMenu();
    void ShowRecentFiles();
    void RememberFile(const QString& path);
    void BuildToolbar();
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
    EditHistory history_;
    ChannelPlanCommands plans_{*this};
    QMap<QString, ChildFactory> factories_;

    QMdiArea* mdi_ = nullptr;
    TreePanel* treePanel_ = nullptr;
    PanelSplitter* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QMenu* recent_ = nullptr;
    QLabel* statusPanels_[3] = {};
    class QTimer* renewTimer_ = nullptr;
    bool startupNoticeShown_ = false;
};
