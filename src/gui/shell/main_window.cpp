#include "gui/shell/main_window.h"

#include "core/base/prompter.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/editor_hooks.h"
#include "core/session/startup.h"
#include "core/text/tone_text.h"
#include "gui/files/backup_commands.h"
#include "gui/files/print_commands.h"
#include "gui/link/radio_commands.h"
#include "gui/shell/about_window.h"
#include "gui/shell/editor_registry.h"
#include "gui/shell/help_window.h"
#include "gui/shell/language_window.h"
#include "gui/shell/main_menu_table.h"
#include "gui/shell/qt_translations.h"
#include "gui/shell/tree_panel.h"
#include "gui/widgets/twips.h"
#include "gui/widgets/user_settings.h"
#include "gui/widgets/wheel_guard.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kMinimumPanelTwips = 300;
constexpr int kRenewDelayMs = 200;

struct ToolButton {
    const char* action; // the command's action; nullptr for a separator
    QStyle::StandardPixmap icon;
};

// The toolbar's New is a command of its own: it starts new data without
// the menu's "All data will be cleared." question. The other buttons are
// the menu's own actions.
constexpr const char* kToolbarNew = "tbFileNew";
constexpr ToolButton kToolButtons[] = {
    {kToolbarNew, QStyle::SP_FileIcon},
    {"mnuFileOpen", QStyle::SP_DialogOpenButton},
    {"mnuFileSave", QStyle::SP_DialogSaveButton},
    {nullptr, QStyle::SP_CustomBase},
    {"mnuFilePrint", QStyle::SP_FileDialogDetailedView},
    {nullptr, QStyle::SP_CustomBase},
    {"mnuReadFromRadio", QStyle::SP_ArrowDown},
    {"mnuWriteToRadio", QStyle::SP_ArrowUp},
    {nullptr, QStyle::SP_CustomBase},
    {"mnuComm", QStyle::SP_ComputerIcon},
    {"mnuMWriteToRadio", QStyle::SP_ArrowRight},
    {nullptr, QStyle::SP_CustomBase},
    {"mnuChannelList", QStyle::SP_FileDialogListView},
    {nullptr, QStyle::SP_CustomBase},
    {"mnuHelpAbout", QStyle::SP_MessageBoxInformation},
};

} // namespace

MainWindow::MainWindow(AppContext& context, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), context_(context), prompter_(prompter),
      launcher_(context.versions, context.paths.BaseFolder,
                QFileInfo(QCoreApplication::applicationFilePath()).fileName(), context.catalogue,
                prompter),
      files_(context, prompter, *this, launcher_) {
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    launcher_.mayEnd = [this] { return files_.MayDiscardChanges(); };
    launcher_.beforeLaunch = [this] { Run(commands_.closeLinkPort); };
    // The other version takes over: this one ends without further questions.
    launcher_.endProgram = [] { QCoreApplication::exit(0); };

    auto* central = new QWidget(this);
    treePanel_ = new TreePanel(central);
    splitter_ = new PanelSplitter(treePanel_, central);
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(treePanel_);
    layout->addWidget(splitter_);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);
    treePanel_->setFixedWidth(TwipsToPixels(this, 2800));
    splitter_->setMinimumPanelWidth(TwipsToPixels(this, kMinimumPanelTwips));
    connect(treePanel_, &TreePanel::nodeClicked, this, &MainWindow::ShowChildForm);
    connect(treePanel_, &TreePanel::closeRequested, this, [this] {
        treePanel_->hide();
        splitter_->hide();
        Action(QStringLiteral("mnuTreeView"))->setChecked(false);
    });

    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(this);
        statusPanels_[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        statusBar()->addWidget(statusPanels_[i], i == 0 ? 1 : 0);
    }
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusPanels_[1]->hide();

    renewTimer_ = new QTimer(this);
    renewTimer_->setObjectName(QStringLiteral("TimerReNew"));
    renewTimer_->setSingleShot(true);
    renewTimer_->setInterval(kRenewDelayMs);
    connect(renewTimer_, &QTimer::timeout, this, &MainWindow::LoadNewDoc);

    BuildMenus();
    BuildToolbar();
    const auto editors = EditorWindowFactories(*this);
    for (auto it = editors.begin(); it != editors.end(); ++it)
        RegisterChildForm(it.key(), it.value());
    (new RadioCommands(*this, this))->Install(commands_);

    // The window's load: position, captions, tree, then the initial data.
    RestoreGeometry();
    SetCaptions();
    BuildTree();
    LoadBKPic();
    LoadNewDoc();
}

MainWindow::~MainWindow() {
    // The editors go first: one taking a value as it loses the focus still
    // finds the whole main window to report the change to.
    UnloadAllChildForms();
}

QAction* MainWindow::Action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void MainWindow::Run(const std::function<void()>& command) {
    if (command)
        command();
}

void MainWindow::BuildMenus() {
    const QMap<QString, std::function<void()>> handlers{
        {"mnuFileNew", [this] { files_.FileNew(); }},
        {"mnuFileOpen", [this] { files_.FileOpen(); }},
        {"mnuFileOpenBackup", [this] { OpenBackupList(*this, files_, commands_, this); }},
        {"mnuFileCompare", [this] { CompareWithFile(*this, this); }},
        {"mnuFilePrint", [this] { PrintSheet(*this, PrintWay::Print, this); }},
        {"mnuFilePrintPreview", [this] { PrintSheet(*this, PrintWay::Preview, this); }},
        {"mnuFileExportPdf", [this] { PrintSheet(*this, PrintWay::Pdf, this); }},
        {"mnuFileImportChannels", [this] { plans_.ImportChannels(); }},
        {"mnuFileExportChannels", [this] { plans_.ExportChannels(); }},
        {"mnuFileSave", [this] { files_.FileSave(); }},
        {"mnuFileSaveAs", [this] { files_.FileSaveAs(); }},
        {"mnuFileExit", [this] { close(); }},
        {"mnuChannelInfo", [this] { ShowChildForm(kChannelInfoForm); }},
        {"mnuChannelList", [this] { ShowChildForm(kChannelListForm); }},
        {"mnuUndo", [this] { Undo(); }},
        {"mnuRedo", [this] { Redo(); }},
        {"mnuOptFeature", [this] { ShowChildForm(kOptionsForm); }},
        {"mnuToneTips", [this] { ShowChildForm(kToneForm); }},
        {"mnuEMG", [this] { ReadRMGDataFromRadio(); }},
        {"mnuReadFromRadio", [this] { Run(commands_.readFromRadio); }},
        {"mnuWriteToRadio", [this] { Run(commands_.writeToRadio); }},
        {"mnuMWriteToRadio", [this] { Run(commands_.groupWrite); }},
        {"mnuRadioInfo", [this] { Run(commands_.radioInfo); }},
        {"mnuComm", [this] { Run(commands_.commSet); }},
        {"mnuLanguage", [this] { ShowLanguageWindow(); }},
        {"mnuCompareRadio", [this] { Run(commands_.compareWithRadio); }},
        {"MnuInitial", [this] { files_.InitialSetting(); }},
        {"mnuWindowCascade", [this] { mdi_->cascadeSubWindows(); }},
        {"mnuWindowTileHorizontal", [this] { mdi_->tileSubWindows(); }},
        {"mnuWindowTileVertical", [this] { mdi_->tileSubWindows(); }},
        {"mnuWindowArrangeIcons", [this] { mdi_->tileSubWindows(); }},
        {"mnuCloseAll", [this] { UnloadAllChildForms(); }},
        {"mnuHelpAbout", [this] { ShowAbout(); }},
        {"mnuHelpTopic",
         [this] { HelpWindow::Open(context_.catalogue.CurrentLanguage, {}, this); }},
    };

    int count = 0;
    const MenuEntry* entries = MainMenuEntries(&count);
    QMenu* menu = nullptr;
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        const QString name = QString::fromLatin1(e.name);
        QAction* action = nullptr;
        if (e.kind == MenuKind::Menu) {
            menu = menuBar()->addMenu(QString());
            menu->setObjectName(name);
            action = menu->menuAction();
        } else if (e.kind == MenuKind::Separator) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(QString());
            action->setCheckable(e.kind == MenuKind::Check);
            action->setChecked(e.kind == MenuKind::Check);
            if (const auto handler = handlers.value(name))
                connect(action, &QAction::triggered, this, handler);
        }
        action->setObjectName(name);
        action->setParent(this);
        action->setVisible(!e.hidden);
    }

    connect(Action("mnuTreeView"), &QAction::triggered, this, [this](bool checked) {
        treePanel_->setVisible(checked);
        splitter_->setVisible(checked);
    });
    SetShortcuts();
    BuildRecentMenu();
    Action("mnuMWriteToRadio")->setVisible(context_.dealerMode);
    QAction* verify = Action("mnuVerifyWrite");
    verify->setChecked(UserSettings().verifyAfterWrite());
    connect(verify, &QAction::triggered, this,
            [](bool checked) { UserSettings().setVerifyAfterWrite(checked); });
    connect(Action("mnuViewToolbar"), &QAction::triggered, this,
            [this](bool checked) { toolbar_->setVisible(checked); });
    connect(Action("mnuViewStatusBar"), &QAction::triggered, this,
            [this](bool checked) { statusBar()->setVisible(checked); });
}

namespace {
constexpr int kRecentFiles = 8;
} // namespace

void MainWindow::BuildRecentMenu() {
    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    recent_ = new QMenu(this);
    recent_->setObjectName(QStringLiteral("mnuFileRecent"));
    file->insertMenu(Action(QStringLiteral("mnuFileBar0")), recent_);
    connect(recent_, &QMenu::aboutToShow, this, &MainWindow::ShowRecentFiles);
    files_.fileUsed = [this](const QString& path) { RememberFile(path); };
}

void MainWindow::ShowRecentFiles() {
    recent_->clear();
    int n = 0;
    for (const QString& path : UserSettings().recentFiles()) {
        if (!QFileInfo::exists(path))
            continue; // gone since: not offered
        QAction* item =
            recent_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(path).fileName()));
        item->setToolTip(path);
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { files_.OpenNamed(path); });
    }
    if (n == 0)
        recent_->addAction(QStringLiteral("-"))->setEnabled(false);
}

void MainWindow::RememberFile(const QString& path) {
    UserSettings store;
    QStringList list = store.recentFiles();
    const QString full = QFileInfo(path).absoluteFilePath();
    list.removeAll(full);
    list.prepend(full);
    store.setRecentFiles(list.mid(0, kRecentFiles));
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() &&
        urls.first().toLocalFile().endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // Opened once the drop is over: the save question must not run inside it.
    QTimer::singleShot(0, this, [this, path] { files_.OpenNamed(path); });
}

void MainWindow::SetShortcuts() {
    const struct {
        const char* action;
        QList<QKeySequence> keys;
    } shortcuts[] = {
        {"mnuFileNew", {QKeySequence::New}},
        {"mnuFileOpen", {QKeySequence::Open}},
        {"mnuFileSave", {QKeySequence::Save}},
        {"mnuFileSaveAs", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"mnuFilePrint", {QKeySequence::Print}},
        {"mnuHelpTopic", {QKeySequence::HelpContents}},
        {"mnuUndo", {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {"mnuRedo",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
    };
    for (const auto& s : shortcuts)
        Action(QLatin1String(s.action))->setShortcuts(s.keys);
    UpdateUndoActions();
}

void MainWindow::BuildToolbar() {
    toolbar_ = addToolBar(QString());
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    auto* toolbarNew = new QAction(this);
    toolbarNew->setObjectName(QLatin1String(kToolbarNew));
    connect(toolbarNew, &QAction::triggered, this, [this] { files_.NewDocument(); });
    for (const ToolButton& entry : kToolButtons) {
        if (!entry.action) {
            toolbar_->addSeparator();
            continue;
        }
        // One action per command: the menu item and its button are one, so
        // they are enabled, shown (the group write for dealers) and run alike.
        QAction* action = Action(QLatin1String(entry.action));
        action->setIcon(style()->standardIcon(entry.icon));
        action->setIconVisibleInMenu(false);
        toolbar_->addAction(action);
    }
}

void MainWindow::SetCaptions() {
    const Catalogue& cat = context_.catalogue;
    int count = 0;
    const MenuEntry* entries = MainMenuEntries(&count);
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        QAction* action = Action(QString::fromLatin1(e.name));
        switch (e.captionKind) {
        case MenuCaption::Catalogue:
            action->setText(cat.Text(e.text));
            break;
        case MenuCaption::ToneEditor:
            action->setText(ToneText(10221, cat.CurrentLanguage));
            break;
        case MenuCaption::Fixed:
            action->setText(QString::fromLatin1(e.fixedText));
            break;
        case MenuCaption::None:
            break;
        }
    }
    Action(QLatin1String(kToolbarNew))->setText(cat.Text(TextId::MnuFileNew));
    // A button's tip is its caption without the keyboard mark.
    for (const ToolButton& entry : kToolButtons)
        if (entry.action) {
            QAction* action = Action(QLatin1String(entry.action));
            action->setToolTip(PlainCaption(action->text()));
        }
    recent_->setTitle(cat.Text(TextId::MnuRecentFiles));
    statusPanels_[2]->setText(cat.Text(TextId::ComLabel) +
                              QString::number(context_.settings.comPort));
    RefreshCaption();
}

void MainWindow::BuildTree() {
    const Catalogue& cat = context_.catalogue;
    // Node texts are the menu captions without their keyboard markers.
    treePanel_->BuildTree(cat.Text(TextId::ModelInformation),
                          {{kChannelInfoForm, PlainCaption(cat.Text(TextId::MnuChannelInfo))},
                           {kOptionsForm, PlainCaption(cat.Text(TextId::MnuOptFeature))},
                           {kToneForm, ToneText(12014, cat.CurrentLanguage)},
                           {kChannelListForm, PlainCaption(cat.Text(TextId::MnuChannelList))}});
}

void MainWindow::Change_Language() {
    SetCaptions();
    BuildTree();
}

void MainWindow::RefreshCaption() {
    // A "[*]" of the caption's own (a file name holding one) is doubled to
    // show as written; the last one marks unsaved changes.
    QString caption = WindowCaption(context_.model, context_.catalogue);
    setWindowTitle(caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) +
                   QStringLiteral("[*]"));
    setWindowModified(context_.model.IsModified());
}

void MainWindow::LoadBKPic() {
    const QString path = context_.paths.PictureFolder() + QStringLiteral("/BK_") +
                         QString::number(context_.catalogue.CurrentLanguage) +
                         QStringLiteral(".jpg");
    const QPixmap tile(path);
    // Without its picture the area keeps the plain background of the style.
    mdi_->setBackground(tile.isNull() ? palette().brush(QPalette::Dark) : QBrush(tile));
}

void MainWindow::RegisterChildForm(const QString& name, ChildFactory factory) {
    factories_.insert(name, std::move(factory));
}

QWidget* MainWindow::FindChildForm(const QString& name) const {
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name)
            return sub->widget();
    return nullptr;
}

QList<QWidget*> MainWindow::ChildForms() const {
    QList<QWidget*> forms;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (sub->widget())
            forms << sub->widget();
    return forms;
}

QWidget* MainWindow::ShowChildForm(const QString& name) {
    if (QWidget* open = FindChildForm(name)) {
        auto* sub = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        mdi_->setActiveSubWindow(sub);
        open->setFocus();
        return open;
    }
    const ChildFactory factory = factories_.value(name);
    if (!factory)
        return nullptr;
    QWidget* form = factory();
    form->setObjectName(name);
    WheelGuard::Install(form);
    form->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    // A window that knows its place takes it; the others are cascaded.
    if (auto* placed = dynamic_cast<PlacedWindow*>(form))
        placed->PlaceWindow();
    else
        mdi_->cascadeSubWindows();
    return form;
}

void MainWindow::ValidateOpenEditors() {
    for (QWidget* form : ChildForms())
        if (auto* owner = dynamic_cast<PendingEditOwner*>(form))
            owner->CommitPendingEdit();
}

void MainWindow::RefreshRogerLists() {
    for (QWidget* form : ChildForms())
        if (auto* owner = dynamic_cast<RogerListOwner*>(form))
            owner->ShowRB();
}

void MainWindow::RefreshModeLists() {
    for (QWidget* form : ChildForms())
        if (auto* owner = dynamic_cast<ModeListOwner*>(form))
            owner->RefreshModeList();
}

void MainWindow::DataEdited(QObject* source, const QString& mergeKey) {
    if (history_.Record(context_.model, mergeKey))
        ShowChangedData(source);
}

void MainWindow::Undo() {
    // A value still being typed is a step of its own, undone first.
    ValidateOpenEditors();
    history_.Record(context_.model);
    if (history_.Undo(context_.model))
        ShowChangedData(nullptr);
}

void MainWindow::Redo() {
    ValidateOpenEditors();
    history_.Record(context_.model);
    if (history_.Redo(context_.model))
        ShowChangedData(nullptr);
}

void MainWindow::ShowChangedData(const QObject* source) {
    UpdateUndoActions();
    // The bank in force names the band in the caption.
    RefreshCaption();
    for (QWidget* form : ChildForms())
        if (auto* shower = dynamic_cast<DataShower*>(form); shower && form != source)
            shower->ShowCurrentData();
}

void MainWindow::StartHistory() {
    history_.Reset(context_.model);
    UpdateUndoActions();
}

void MainWindow::UpdateUndoActions() {
    Action(QStringLiteral("mnuUndo"))->setEnabled(history_.CanUndo());
    Action(QStringLiteral("mnuRedo"))->setEnabled(history_.CanRedo());
}

void MainWindow::UnloadAllChildForms() {
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        sub->close();
        // Closed children are gone at once, so nothing still shows old data.
        delete sub;
    }
}

void MainWindow::OpenChannelEditorAndCascade() {
    ShowChildForm(kChannelInfoForm);
    mdi_->cascadeSubWindows();
}

void MainWindow::LoadNewDoc() {
    // The editors close before the data changes under them.
    UnloadAllChildForms();
    LoadInitialFile(context_.model, InitialFilePath(context_.model, context_.paths.InitFolder(),
                                                    QStringLiteral("_New.dat")));
    StartShowData();
}

void MainWindow::LoadNewDoc_() {
    renewTimer_->start();
}

void MainWindow::StartShowData() {
    UnloadAllChildForms();
    StartHistory();
    SetCaptions(); // the caption of the data too
    OpenChannelEditorAndCascade();
}

void MainWindow::ShowOpenedData() {
    StartHistory();
    ShowChildForm(kChannelInfoForm);
    Change_Language(); // every caption, the window's included
    mdi_->cascadeSubWindows();
}

void MainWindow::ReadRMGDataFromRadio() {
    Run(commands_.readRmgData);
}

void MainWindow::ShowAbout() {
    AboutWindow::ShowFor(context_.catalogue.CurrentLanguage, prompter_, this);
}

void MainWindow::ShowLanguageWindow() {
    LanguageWindow window(context_, prompter_, this);
    window.exec();
    ApplyLanguageChange();
}

void MainWindow::ApplyLanguageChange() {
    AppSettings& settings = context_.settings;
    if (settings.PreviousLanguage == context_.catalogue.CurrentLanguage)
        return;
    settings.PreviousLanguage = context_.catalogue.CurrentLanguage;
    InstallQtTranslations(context_.catalogue.CurrentLanguage);
    Change_Language();
    LoadBKPic();
    UnloadAllChildForms();
    OpenChannelEditorAndCascade();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        ApplyLanguageChange();
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (startupNoticeShown_)
        return;
    startupNoticeShown_ = true;
    // Said once, over the window, after it has appeared.
    const QStringList notices = StartupNotices(context_);
    QTimer::singleShot(0, this, [this, notices] {
        for (const QString& notice : notices)
            prompter_.tell(notice, PromptIcon::Exclamation);
        Run(commands_.offerUnfinishedWrite);
    });
}

void MainWindow::RestoreGeometry() {
    const UserSettings::Place place = UserSettings().mainWindow();
    move(TwipsToPixels(this, place.left.value_or(100)),
         TwipsToPixels(this, place.top.value_or(100)));
    resize(TwipsToPixels(this, place.width.value_or(14500)),
           TwipsToPixels(this, place.height.value_or(10500)));
    // A position stored while another monitor was attached may lie off every
    // screen now: the window then comes back onto the primary screen.
    const QRect titleBar(pos(), QSize(width(), TwipsToPixels(this, 300)));
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool visible = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(titleBar);
    });
    if (const QScreen* primary = QGuiApplication::primaryScreen(); !visible && primary)
        move(primary->availableGeometry().topLeft() +
             QPoint(TwipsToPixels(this, 100), TwipsToPixels(this, 100)));
}

void MainWindow::SaveGeometry() {
    if (isMinimized())
        return;
    const QRect frame = frameGeometry();
    UserSettings().setMainWindow(PixelsToTwips(this, frame.x()), PixelsToTwips(this, frame.y()),
                                 PixelsToTwips(this, width()), PixelsToTwips(this, height()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!files_.MayDiscardChanges()) {
        event->ignore();
        return;
    }
    SaveGeometry();
    UnloadAllChildForms();
    event->accept();
}
