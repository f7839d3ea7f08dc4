#pragma once

#include <QObject>

class QWidget;

// What every window gets as it is shown, whoever opens it: names for screen
// readers, keyboard marks, and a place on the screen that holds it whole.
class ShownWindows : public QObject {
public:
    // For every window shown while `owner` lives.
    static void Install(QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

// Shrinks and moves a top-level window so that it lies within the available
// area of its screen (a large scale on a small screen), frame included.
void FitOnScreen(QWidget* window);
