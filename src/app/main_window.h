#pragma once

#include "app/file_commands.h"
#include "app/version_launcher.h"

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
class QToolBar;
class TreePanel;

// Window names of the editor windows the main window opens.
inline const QString kChannelInfoForm = QStringLiteral("frmCommChInfo");
inline const QString kOptionsForm = QStringLiteral("FrmOptFeatures");
inline const QString kToneForm = QStringLiteral("FrmToneTips");

// Commands whose windows live elsewhere; each is plugged in once and run by
// its menu item, toolbar button and tree node alike.
struct MainCommands {
    std::function<void()> commSet;
    std::function<void()> readFromRadio;
    std::function<void()> writeToRadio;
    std::function<void()> groupWrite;
    std::function<void()> radioInfo;
    std::function<void()> readRmgData;
    std::function<void()> stopLinkTimers;
    std::function<void()> closeLinkPort;
};

// The program's one top-level window: menus, toolbar, the tree panel, the
// status bar and the area holding the editor windows.
class MainWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    using ChildFactory = std::function<QWidget*()>;

    MainWindow(AppContext& context, Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return context_; }
    Prompter& prompter() { return prompter_; }
    FileCommands& files() { return files_; }
    VersionLauncher& launcher() { return launcher_; }
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
    // Open editors rebuild their roger-beep lists (the tone table changed).
    void RefreshRogerLists();
    // Open editors rebuild their mode lists (the mode-enable flags changed).
    void RefreshModeLists();

    // DocumentHost
    void LoadNewDoc() override;
    void UnloadAllChildForms() override;
    void ShowOpenedData() override;
    void RefreshCaption() override;

    void LoadNewDoc_();
    void StartShowData();
    void InitialSetting();
    void Change_Language();
    void LoadBKPic();
    void ReadRMGDataFromRadio();
    void ShowAbout();
    void ShowLanguageWindow();
    // Applies a language chosen elsewhere: texts, children reopened.
    void ApplyLanguageChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void BuildToolbar();
    void SetCaptions();
    void BuildTree();
    void RestoreGeometry();
    void SaveGeometry();
    void ReloadInitialFile(const QString& suffix);
    void OpenChannelEditorAndCascade();
    void RouteTreeNode(const QString& key);
    void RouteToolbarKey(const QString& key);
    void Run(const std::function<void()>& command);
    QAction* Action(const QString& name) const;

    AppContext& context_;
    Prompter& prompter_;
    VersionLauncher launcher_;
    FileCommands files_;
    MainCommands commands_;
    QMap<QString, ChildFactory> factories_;

    QMdiArea* mdi_ = nullptr;
    TreePanel* treePanel_ = nullptr;
    PanelSplitter* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* statusPanels_[3] = {};
    class QTimer* renewTimer_ = nullptr;
};
