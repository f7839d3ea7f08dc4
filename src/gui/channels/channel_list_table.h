#pragma once

#include <QElapsedTimer>
#include <QItemSelection>
#include <QPersistentModelIndex>
#include <QTableView>

// The channel list's table, used like a spreadsheet: Enter commits an edit
// and moves down (also without an edit open), Tab moves right, typing starts
// an edit, and a double click on a row of a selection of several rows edits
// the cell for the whole selection, as F2 does. Tab past the last cell and
// Shift+Tab before the first leave the table, so the keyboard never gets stuck.
class ChannelListTable : public QTableView {
    Q_OBJECT
public:
    explicit ChannelListTable(QWidget* parent = nullptr);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void MoveDown();

    // The selection a plain click on one of its rows replaced: a double click
    // there brings it back.
    QItemSelection clickedSelection_;
    QPersistentModelIndex clickedIndex_;
    QElapsedTimer sinceClick_;
};
