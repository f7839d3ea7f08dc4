#pragma once

#include <QMap>
#include <QString>
#include <functional>

class EditorHost;
class QWidget;

// The editor windows by their names, each made for `host`, so that the main
// window's menus, toolbar and tree can open them.
QMap<QString, std::function<QWidget*()>> EditorWindowFactories(EditorHost& host);
