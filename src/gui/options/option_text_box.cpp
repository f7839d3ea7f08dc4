#include "gui/options/option_text_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

OptionTextBox::OptionTextBox(TextBoxKind kind, const QString& name, QWidget* parent)
    : QLineEdit(parent), kind_(kind) {
    setObjectName(name);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::returnPressed, this, &OptionTextBox::committed);
}

void OptionTextBox::keyPressEvent(QKeyEvent* event) {
    const bool clipboard = event->matches(QKeySequence::Copy) ||
                           event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste);
    bool accepted = !clipboard;
    for (QChar c : event->text())
        accepted = accepted && AcceptOptionKey(c.unicode(), kind_);
    if (accepted)
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

void OptionTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click places the cursor after the focus arrived: select again then.
    selectOnPress_ = event->reason() == Qt::MouseFocusReason;
}

void OptionTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit committed();
}

void OptionTextBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnPress_) {
        selectOnPress_ = false;
        selectAll();
    }
}

void OptionTextBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button would paste the selection clipboard.
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}
