#pragma once

#include <QSizePolicy>
#include <QWidget>

// The widget keeps its room in the layout while hidden, so hiding it does not
// move the other controls.
inline void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
