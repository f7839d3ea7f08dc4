#include "gui/channels/channel_list_table.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

ChannelListTable::ChannelListTable(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
}

void ChannelListTable::MoveDown() {
    const QModelIndex next = moveCursor(QAbstractItemView::MoveDown, Qt::NoModifier);
    if (next.isValid() && next != currentIndex())
        selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
}

void ChannelListTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Enter in an editor: committed, and on to the row below.
    const bool enter = hint == QAbstractItemDelegate::SubmitModelCache;
    QTableView::closeEditor(editor, enter ? QAbstractItemDelegate::NoHint : hint);
    if (enter)
        MoveDown();
}

void ChannelListTable::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState &&
        event->modifiers() == Qt::NoModifier) {
        MoveDown();
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelListTable::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    // Some systems send the second click of a double click as a press first.
    if (index != clickedIndex_)
        clickedSelection_ = {};
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier &&
        index.isValid() && selectionModel()->isRowSelected(index.row(), {}) &&
        selectionModel()->selectedRows().size() > 1) {
        clickedSelection_ = selectionModel()->selection();
        clickedIndex_ = index;
        sinceClick_.start();
    }
    QTableView::mousePressEvent(event);
}

void ChannelListTable::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool soon =
        sinceClick_.isValid() && sinceClick_.elapsed() <= QApplication::doubleClickInterval();
    if (!clickedSelection_.isEmpty() && soon && index.isValid() && index == clickedIndex_) {
        // The first click of the double click took the selection away.
        selectionModel()->select(clickedSelection_, QItemSelectionModel::ClearAndSelect);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        clickedSelection_ = {};
        edit(index, QAbstractItemView::DoubleClicked, event);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

bool ChannelListTable::focusNextPrevChild(bool next) {
    const QModelIndex current = currentIndex();
    const int rows = model() ? model()->rowCount() : 0;
    const int columns = model() ? model()->columnCount() : 0;
    const bool atEdge =
        !current.isValid() || (next ? current.row() == rows - 1 && current.column() == columns - 1
                                    : current.row() == 0 && current.column() == 0);
    if (atEdge && state() != EditingState)
        return QWidget::focusNextPrevChild(next);
    return QTableView::focusNextPrevChild(next);
}
