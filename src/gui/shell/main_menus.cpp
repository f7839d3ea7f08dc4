#include "gui/shell/main_menus.h"

#include "core/text/catalogue.h"
#include "core/text/tone_text.h"
#include "gui/shell/main_menu_table.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

struct ToolButton {
    const char* action; // the command's action; nullptr for a separator
    QStyle::StandardPixmap icon;
};

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

void SetShortcuts(const QObject* window) {
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
        CommandAction(window, QLatin1String(s.action))->setShortcuts(s.keys);
}

} // namespace

QAction* CommandAction(const QObject* window, const QString& id) {
    return window->findChild<QAction*>(id, Qt::FindDirectChildrenOnly);
}

void BuildMenuBar(QMainWindow* window, const QMap<QString, std::function<void()>>& handlers) {
    int count = 0;
    const MenuEntry* entries = MainMenuEntries(&count);
    QMenu* menu = nullptr;
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        const QString name = QString::fromLatin1(e.name);
        QAction* action = nullptr;
        if (e.kind == MenuKind::Menu) {
            menu = window->menuBar()->addMenu(QString());
            menu->setObjectName(name);
            action = menu->menuAction();
        } else if (e.kind == MenuKind::Separator) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(QString());
            action->setCheckable(e.kind == MenuKind::Check);
            action->setChecked(e.kind == MenuKind::Check);
            if (const auto handler = handlers.value(name))
                QObject::connect(action, &QAction::triggered, window, handler);
        }
        action->setObjectName(name);
        action->setParent(window);
        action->setVisible(!e.hidden);
    }
    SetShortcuts(window);
}

QToolBar* BuildMainToolbar(QMainWindow* window, std::function<void()> newData) {
    QToolBar* toolbar = window->addToolBar(QString());
    toolbar->setObjectName(QStringLiteral("tbToolBar"));
    toolbar->setMovable(false);
    auto* toolbarNew = new QAction(window);
    toolbarNew->setObjectName(QLatin1String(kToolbarNew));
    QObject::connect(toolbarNew, &QAction::triggered, window, std::move(newData));
    for (const ToolButton& entry : kToolButtons) {
        if (!entry.action) {
            toolbar->addSeparator();
            continue;
        }
        // One action per command: the menu item and its button are one, so
        // they are enabled, shown (the group write for dealers) and run alike.
        QAction* action = CommandAction(window, QLatin1String(entry.action));
        action->setIcon(window->style()->standardIcon(entry.icon));
        action->setIconVisibleInMenu(false);
        toolbar->addAction(action);
    }
    return toolbar;
}

void SetMenuCaptions(QMainWindow* window, const Catalogue& catalogue) {
    int count = 0;
    const MenuEntry* entries = MainMenuEntries(&count);
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        QAction* action = CommandAction(window, QString::fromLatin1(e.name));
        switch (e.captionKind) {
        case MenuCaption::Catalogue:
            action->setText(catalogue.Text(e.text));
            break;
        case MenuCaption::ToneEditor:
            action->setText(ToneText(10221, catalogue.CurrentLanguage));
            break;
        case MenuCaption::Fixed:
            action->setText(QString::fromLatin1(e.fixedText));
            break;
        case MenuCaption::None:
            break;
        }
    }
    CommandAction(window, QLatin1String(kToolbarNew))->setText(catalogue.Text(TextId::MnuFileNew));
    // A button's tip is its caption without the keyboard mark.
    for (const ToolButton& entry : kToolButtons)
        if (entry.action) {
            QAction* action = CommandAction(window, QLatin1String(entry.action));
            action->setToolTip(PlainCaption(action->text()));
        }
}
