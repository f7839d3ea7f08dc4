#pragma once

// Drives the option and roger-beep windows as a user would: lists are chosen
// from their pop-ups, texts typed into focused boxes, focus moved on with Tab.

#include "gui_fixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The program started with its main window shown and active.
struct ShownProgram {
    explicit ShownProgram(const Installation& install) : run(install) {
        run.window->show();
        QApplication::setActiveWindow(run.window.get());
        (void)QTest::qWaitForWindowActive(run.window.get());
    }
    RadioData& data() { return run.context.model.radio; }
    ChannelTable& channels() { return run.context.model.channels; }
    QWidget* open(const QString& name) { return run.window->ShowChildForm(name); }

    Started run;
};

template <typename T = QWidget> T* Child(QWidget* form, const QString& name) {
    T* child = form->findChild<T*>(name);
    Q_ASSERT_X(child, "Child", qPrintable(name));
    return child;
}

inline QStringList EntriesOf(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

// Opens the list's pop-up and picks the entry: a click when it is in sight,
// else the highlight moved onto it and Return.
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

// Focuses the box, types over its text and leaves it with Tab.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}
