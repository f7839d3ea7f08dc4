#pragma once

// Driving lists as a user does, shared by the window tests.

#include <QAbstractItemView>
#include <QComboBox>
#include <QStringList>
#include <QTest>

inline QStringList EntriesOf(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Opens the list's pop-up and picks the entry: a click when it is in sight,
// else the highlight moved onto it and Return. False when there is no such entry.
inline bool Choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    if (index < 0)
        return false;
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    const QRect rect = view->visualRect(item);
    if (view->viewport()->rect().contains(rect)) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    } else {
        view->setCurrentIndex(item);
        QTest::keyClick(view, Qt::Key_Return);
    }
    return true;
}
