#include "gui/channels/freq_cell_editor.h"

#include "core/base/text_util.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

constexpr int kMaxTypedLength = 16;
// Control codes of Ctrl+C, Ctrl+V and Ctrl+X.
constexpr char16_t kCopyCode = 3;
constexpr char16_t kPasteCode = 22;
constexpr char16_t kCutCode = 24;

bool CharacterAllowed(QChar c) {
    const char16_t code = c.unicode();
    if (code > 127 || code == kCopyCode || code == kPasteCode || code == kCutCode)
        return false;
    const bool printable = code >= 32 && code <= 126;
    return !printable || (code >= u'0' && code <= u'9') || IsDecimalPoint(c);
}

} // namespace

FreqCellEditor::FreqCellEditor(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("Text1"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setMaxLength(kMaxTypedLength);
    setAlignment(Qt::AlignCenter);
    // Whatever way text might arrive, it holds digits and decimal points only.
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,]*")), this));
}

bool FreqCellEditor::Accepts(const QKeyEvent& event) {
    if (event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Paste) ||
        event.matches(QKeySequence::Cut))
        return false;
    const QString text = event.text();
    return std::all_of(text.begin(), text.end(), CharacterAllowed);
}

void FreqCellEditor::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Handled here: passed on, the grid would move without the box.
        emit stepPressed(event->key());
        return;
    default:
        break;
    }
    if (!Accepts(*event))
        return;
    QLineEdit::keyPressEvent(event);
}

bool FreqCellEditor::focusNextPrevChild(bool next) {
    emit tabbed(next);
    return true;
}

void FreqCellEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason)
        emit focusLeft();
}

void FreqCellEditor::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button would paste the selection of another program.
    if (event->button() == Qt::MiddleButton)
        return;
    QLineEdit::mouseReleaseEvent(event);
}
