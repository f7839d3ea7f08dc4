#include "gui/widgets/wheel_guard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void WheelGuard::Install(QWidget* root) {
    auto* guard = new WheelGuard(root);
    QList<QWidget*> controls;
    for (QComboBox* list : root->findChildren<QComboBox*>())
        controls << list;
    for (QAbstractSpinBox* box : root->findChildren<QAbstractSpinBox*>())
        controls << box;
    for (QWidget* control : controls) {
        // The wheel alone must not give the focus either.
        control->setFocusPolicy(Qt::StrongFocus);
        control->installEventFilter(guard);
    }
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::Wheel || !control || control->hasFocus())
        return false;
    if (QWidget* under = control->parentWidget())
        QCoreApplication::sendEvent(under, event);
    return true;
}
