#pragma once

// Drives the option and roger-beep windows as a user would: lists are chosen
// from their pop-ups, texts typed into focused boxes, focus moved on with Tab.

#include "support/gui_fixture.h"
#include "support/widget_driving.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

template <typename T = QWidget> T* Child(QWidget* form, const QString& name) {
    T* child = form ? form->findChild<T*>(name) : nullptr;
    Q_ASSERT_X(child, "Child", qPrintable(name));
    return child;
}

// Focuses the box, types over its text and leaves it with Tab.
inline void TypeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}
