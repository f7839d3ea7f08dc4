#pragma once

#include <QObject>

class QWidget;

// Screen readers read a control by its accessible name. Every control of a
// window that has no name of its own is named, as the window is shown, by
// the label that leads to it: the label whose buddy it is, the label before
// it in its layout, the title of a frame holding it alone, or its tip. Lists
// are read by that name too, with their current entry as their value.
// Buttons without a keyboard mark are given one then, unique in the window.
class AccessibleNames : public QObject {
public:
    // Names the controls of every window shown while `owner` lives, and
    // reads lists by their names.
    static void Install(QObject* owner);
    // Names the controls under `root` that have none of their own (again
    // after a window's texts changed).
    static void NameControls(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
