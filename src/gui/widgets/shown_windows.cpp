#include "gui/widgets/shown_windows.h"

#include "gui/widgets/accessible_names.h"

#include <QApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

void ShownWindows::Install(QObject* owner) {
    ReadListsByName();
    qApp->installEventFilter(new ShownWindows(owner));
}

bool ShownWindows::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = event->type() == QEvent::Show ? qobject_cast<QWidget*>(watched) : nullptr;
    if (widget && (widget->isWindow() || qobject_cast<QMdiSubWindow*>(widget))) {
        NameControls(widget);
        GiveKeyboardMarks(widget);
        // Menus and tips place themselves.
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && type != Qt::Popup && type != Qt::ToolTip) {
            FitOnScreen(widget);
            // Again once the window has its frame, which counts too.
            QTimer::singleShot(0, widget, [widget] { FitOnScreen(widget); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FitOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    const QRect area = screen->availableGeometry();
    // The frame's edges and title bar beside the window itself.
    const QMargins frame(window->geometry().left() - window->frameGeometry().left(),
                         window->geometry().top() - window->frameGeometry().top(),
                         window->frameGeometry().right() - window->geometry().right(),
                         window->frameGeometry().bottom() - window->geometry().bottom());
    const QSize room = area.size().shrunkBy(frame);
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room));
    QRect outer = window->frameGeometry();
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    window->move(outer.topLeft());
}
