#include "gui/shell/main_window.h"

#include "core/base/prompter.h"
#include "core/model/data_file.h"
#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "core/text/tone_text.h"
#include "gui/files/backup_commands.h"
#include "gui/files/print_commands.h"
#include "gui/link/radio_commands.h"
#include "gui/shell/about_window.h"
#include "gui/shell/edit_steps.h"
#include "gui/shell/editor_area.h"
#include "gui/shell/editor_registry.h"
#include "gui/shell/help_window.h"
#include "gui/shell/language_window.h"
#include "gui/shell/main_menus.h"
#include "gui/shell/qt_translations.h"
#include "gui/shell/recent_files_menu.h"
#include "gui/shell/tree_panel.h"
#include "gui/widgets/scaled_picture.h"
#include "gui/widgets/shown_windows.h"
#include "gui/widgets/twips.h"
#include "gui/widgets/user_settings.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kMinimumPanelTwips = 300;
constexpr int kRenewDelayMs = 200;

} // namespace

MainWindow::MainWindow(AppContext& context, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), context_(context), prompter_(prompter),
      launcher_(context.versions, context.paths.BaseFolder,
                QFileInfo(QCoreApplication::applicationFilePath()).fileName(), context.catalogue,
                prompter),
      files_(context, prompter, *this, launcher_) {
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    ShownWindows::Install(this);
    launcher_.mayEnd = [this] { return files_.MayDiscardChanges(); };
    launcher_.beforeLaunch = [this] { Run(commands_.closeLinkPort); };
    // The other version takes over: this one ends without further questions.
    launcher_.endProgram = [] { QCoreApplication::exit(0); };

    auto* central = new QWidget(this);
    treePanel_ = new TreePanel(central);
    splitter_ = new PanelSplitter(treePanel_, central);
    editors_ = new EditorArea(central);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(treePanel_);
    layout->addWidget(splitter_);
    layout->addWidget(editors_, 1);
    setCentralWidget(central);
    treePanel_->setFixedWidth(TwipsToPixels(this, 2800));
    splitter_->setMinimumPanelWidth(TwipsToPixels(this, kMinimumPanelTwips));
    connect(treePanel_, &TreePanel::nodeClicked, editors_, &EditorArea::Show);
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
    toolbar_ = BuildMainToolbar(this, [this] { files_.NewDocument(); });
    steps_ = new EditSteps(
        context_.model, context_.changes, Action("mnuUndo"), Action("mnuRedo"),
        [this] { ValidateOpenEditors(); }, this);
    // The changed mark and the band in force are in the caption.
    connect(&context_.changes, &DataNotifier::changed, this, &MainWindow::RefreshCaption);
    const auto editors = EditorWindowFactories(*this);
    for (auto it = editors.begin(); it != editors.end(); ++it)
        editors_->Register(it.key(), it.value());
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
    return CommandAction(this, name);
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
        {"mnuChannelInfo", [this] { editors_->Show(kChannelInfoForm); }},
        {"mnuChannelList", [this] { editors_->Show(kChannelListForm); }},
        {"mnuOptFeature", [this] { editors_->Show(kOptionsForm); }},
        {"mnuToneTips", [this] { editors_->Show(kToneForm); }},
        {"mnuEMG", [this] { Run(commands_.readRmgData); }},
        {"mnuReadFromRadio", [this] { Run(commands_.readFromRadio); }},
        {"mnuWriteToRadio", [this] { Run(commands_.writeToRadio); }},
        {"mnuMWriteToRadio", [this] { Run(commands_.groupWrite); }},
        {"mnuRadioInfo", [this] { Run(commands_.radioInfo); }},
        {"mnuComm", [this] { Run(commands_.commSet); }},
        {"mnuLanguage", [this] { ShowLanguageWindow(); }},
        {"mnuCompareRadio", [this] { Run(commands_.compareWithRadio); }},
        {"MnuInitial", [this] { files_.InitialSetting(); }},
        {"mnuWindowCascade", [this] { editors_->cascadeSubWindows(); }},
        {"mnuWindowTileHorizontal", [this] { editors_->tileSubWindows(); }},
        {"mnuWindowTileVertical", [this] { editors_->tileSubWindows(); }},
        {"mnuWindowArrangeIcons", [this] { editors_->tileSubWindows(); }},
        {"mnuCloseAll", [this] { UnloadAllChildForms(); }},
        {"mnuHelpAbout",
         [this] { AboutWindow::ShowFor(context_.catalogue.CurrentLanguage, prompter_, this); }},
        {"mnuHelpTopic",
         [this] { HelpWindow::Open(context_.catalogue.CurrentLanguage, {}, this); }},
    };

    BuildMenuBar(this, handlers);

    connect(Action("mnuTreeView"), &QAction::triggered, this, [this](bool checked) {
        treePanel_->setVisible(checked);
        splitter_->setVisible(checked);
    });
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

void MainWindow::BuildRecentMenu() {
    auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    recent_ = new RecentFilesMenu([this](const QString& path) { files_.OpenNamed(path); }, this);
    file->insertMenu(Action(QStringLiteral("mnuFileBar0")), recent_);
    files_.fileUsed = &RecentFilesMenu::Remember;
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

void MainWindow::SetCaptions() {
    const Catalogue& cat = context_.catalogue;
    SetMenuCaptions(this, cat);
    recent_->setTitle(cat.Text(TextId::MnuRecentFiles));
    statusPanels_[2]->setText(cat.Text(TextId::ComLabel) +
                              QString::number(context_.settings.comPort));
    RefreshCaption();
}

void MainWindow::BuildTree() {
    const Catalogue& cat = context_.catalogue;
    // Node texts are the menu captions without their keyboard markers.
    treePanel_->BuildTree(cat.Text(TextId::ModelInformation),
                          PlainCaption(cat.Text(TextId::CommandClose)),
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
    const QPixmap tile = LoadPicture(path, devicePixelRatioF());
    // Without its picture the area keeps the plain background of the style.
    editors_->setBackground(tile.isNull() ? palette().brush(QPalette::Dark) : QBrush(tile));
}

void MainWindow::ValidateOpenEditors() {
    editors_->CommitPendingEdits();
}

void MainWindow::DataEdited(QObject* source, const QString& mergeKey) {
    steps_->Edited(source, mergeKey);
}

void MainWindow::EndEditStep() {
    steps_->EndStep();
}

void MainWindow::UnloadAllChildForms() {
    editors_->CloseAll();
}

void MainWindow::OpenChannelEditorAndCascade() {
    editors_->Show(kChannelInfoForm);
    editors_->cascadeSubWindows();
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
    steps_->Restart();
    SetCaptions(); // the caption of the data too
    OpenChannelEditorAndCascade();
}

void MainWindow::ShowOpenedData() {
    steps_->Restart();
    editors_->Show(kChannelInfoForm);
    Change_Language(); // every caption, the window's included
    editors_->cascadeSubWindows();
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
