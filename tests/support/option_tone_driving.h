#pragma once

// Drives the option and roger-beep windows as a user would: lists are chosen
// from their pop-ups, texts typed into focused boxes, focus moved on with Tab.

#include "support/gui_fixture.h"
#include "support/widget_driving.h"

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

// Focuses the box, types over its text and leaves it with Tab.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}
