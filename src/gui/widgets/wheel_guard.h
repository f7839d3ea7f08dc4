#pragma once

#include <QObject>

class QWidget;

// Lists and spin boxes change their value by the mouse wheel only for a user
// who is working in them: without keyboard focus the wheel passes on to what
// lies under them, so scrolling over a form never stores anything (over
// "Select CB/HF" it would switch the bank written to the radio).
class WheelGuard : public QObject {
public:
    // Guards every list and spin box under `root`; the guard lives as long as `root`.
    static void Install(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
