#include "gui/shell/editor_area.h"

#include "core/session/editor_hooks.h"
#include "gui/widgets/accessible_names.h"
#include "gui/widgets/wheel_guard.h"

#include <QMdiSubWindow>

EditorArea::EditorArea(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("mdiArea"));
    // A window larger than the area (a large scale on a small screen) is
    // reached by scrolling, never cut off.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void EditorArea::Register(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

QWidget* EditorArea::Find(const QString& name) const {
    for (QMdiSubWindow* sub : subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name)
            return sub->widget();
    return nullptr;
}

QList<QWidget*> EditorArea::Forms() const {
    QList<QWidget*> forms;
    for (QMdiSubWindow* sub : subWindowList())
        if (sub->widget())
            forms << sub->widget();
    return forms;
}

QWidget* EditorArea::Show(const QString& name) {
    if (QWidget* open = Find(name)) {
        setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
        open->setFocus();
        return open;
    }
    const Factory factory = factories_.value(name);
    if (!factory)
        return nullptr;
    QWidget* form = factory();
    form->setObjectName(name);
    WheelGuard::Install(form);
    form->setAttribute(Qt::WA_DeleteOnClose);
    // Its keyboard marks before its size is taken: a mark may widen a caption.
    GiveKeyboardMarks(form);
    QMdiSubWindow* sub = addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    // A window that knows its place takes it; the others are cascaded.
    if (auto* placed = dynamic_cast<PlacedWindow*>(form))
        placed->PlaceWindow();
    else
        cascadeSubWindows();
    return form;
}

void EditorArea::CloseAll() {
    for (QMdiSubWindow* sub : subWindowList()) {
        sub->close();
        // Closed windows are gone at once, so nothing still shows old data.
        delete sub;
    }
}

void EditorArea::CommitPendingEdits() {
    for (QWidget* form : Forms())
        if (auto* owner = dynamic_cast<PendingEditOwner*>(form))
            owner->CommitPendingEdit();
}
