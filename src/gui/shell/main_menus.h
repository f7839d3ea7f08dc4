#pragma once

#include <QMap>
#include <QString>
#include <functional>

class Catalogue;
class QAction;
class QMainWindow;
class QObject;
class QToolBar;

// A command's one action: a direct child of the main window named by the
// command's id ("mnuFileOpen"), shared by its menu item, toolbar button and
// shortcut.
QAction* CommandAction(const QObject* window, const QString& id);

// The menus and items of the menu table, with their shortcuts; each item
// runs the handler registered under its id.
void BuildMenuBar(QMainWindow* window, const QMap<QString, std::function<void()>>& handlers);

// The toolbar of the menu's own actions, but for its New (`newData`): that
// one starts new data without the menu's question.
QToolBar* BuildMainToolbar(QMainWindow* window, std::function<void()> newData);

// Every caption of the menus and the toolbar in the catalogue's language.
void SetMenuCaptions(QMainWindow* window, const Catalogue& catalogue);
