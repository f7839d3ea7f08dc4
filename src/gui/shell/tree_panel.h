#pragma once

#include <QWidget>

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

    // Root "N0" with `rootText`, children "N1", "N2", "N12" and "N13" (the channel list).
    void BuildTree(const QString& rootText, const QString& channels, const QString& options,
                   const QString& tones, const QString& channelList);
    QTreeWidget* tree() const { return tree_; }

signals:
    void nodeClicked(const QString& key);
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
