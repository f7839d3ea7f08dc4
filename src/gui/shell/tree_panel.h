#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <utility>

class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The navigation panel on the left of the main window: a caption, a close
// button and the tree of editor windows.
class TreePanel : public QWidget {
    Q_OBJECT
public:
    explicit TreePanel(QWidget* parent = nullptr);

    // The root `rootText` (it opens nothing) over a node for each editor
    // window, (its registered name, its caption); a node reports the name.
    // `closeText` names the button that hides the panel.
    void BuildTree(const QString& rootText, const QString& closeText,
                   const QList<std::pair<QString, QString>>& windows);
    QTreeWidget* tree() const { return tree_; }

signals:
    void nodeClicked(const QString& window);
    void closeRequested();

private:
    QLabel* label_;
    QToolBar* toolbar_;
    QTreeWidget* tree_;
};

// The thin bar at the panel's right edge; dragging it sets the panel width,
// never below the minimum and always leaving room for the windows area.
class PanelSplitter : public QWidget {
    Q_OBJECT
public:
    PanelSplitter(QWidget* panel, QWidget* parent = nullptr);

    void setMinimumPanelWidth(int pixels) { minimumWidth_ = pixels; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* panel_;
    int minimumWidth_ = 20;
    bool dragging_ = false;
    int dragStartX_ = 0;
    int startWidth_ = 0;
};
