#include "gui/widgets/accessible_names.h"

#include "core/text/catalogue.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSet>
#include <QToolButton>

#include <algorithm>

namespace {

// Marks a name given here, so that it follows the label when shown again.
constexpr char kDerivedName[] = "zrDerivedName";

// A list read by its name, with the entry chosen as its value (Qt's own
// reads a list by its current entry as its name).
class AccessibleList : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> children = Children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString& name) override {
        if (name == showMenuAction() || name == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
    // The typing box of an editable list, then the entries.
    QList<QObject*> Children() const {
        QList<QObject*> children;
        if (list()->lineEdit())
            children << list()->lineEdit();
        children << list()->view();
        return children;
    }
};

QAccessibleInterface* ListInterface(const QString& className, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    return list && className == QLatin1String("QComboBox") ? new AccessibleList(list) : nullptr;
}

QLabel* AsLabel(QLayoutItem* item) {
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

QString Caption(const QLabel* label) {
    return label ? PlainCaption(label->text()) : QString();
}

// The label that leads to a control: its own, the one before it, which from
// now on leads the keyboard there too.
QString Leading(QLabel* label, QWidget* control) {
    if (!label->buddy())
        label->setBuddy(control);
    return Caption(label);
}

// In a grid: the label to the left in the row, or else the column's heading
// above it; a control of a table of controls (a label, a control, then this
// one) is named by its row's label and its column's heading.
QString NameInGrid(QGridLayout* grid, int index, QWidget* control) {
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(index, &row, &column, &rows, &columns);
    QLabel* rowLabel = nullptr;
    bool between = false;
    for (int c = column - 1; c >= 0 && !rowLabel; --c) {
        QLayoutItem* item = grid->itemAtPosition(row, c);
        rowLabel = AsLabel(item);
        between = between || (!rowLabel && item && item->widget());
    }
    if (rowLabel && !between)
        return Leading(rowLabel, control);
    QLabel* heading = nullptr;
    for (int r = row - 1; r >= 0 && !heading; --r)
        heading = AsLabel(grid->itemAtPosition(r, column));
    if (rowLabel && heading)
        return Caption(rowLabel) + QStringLiteral(", ") + Caption(heading);
    return heading ? Leading(heading, control) : Caption(rowLabel);
}

// The name the layout holding `control` gives it: the label before it.
QString NameInLayout(QLayout* layout, QWidget* control) {
    const int index = layout->indexOf(control);
    if (index < 0) {
        for (int i = 0; i < layout->count(); ++i)
            if (QLayout* inner = layout->itemAt(i)->layout())
                if (QString name = NameInLayout(inner, control); !name.isEmpty())
                    return name;
        return {};
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
        return NameInGrid(grid, index, control);
    QLabel* label = nullptr;
    if (auto* form = qobject_cast<QFormLayout*>(layout))
        label = qobject_cast<QLabel*>(form->labelForField(control));
    else if (index > 0)
        label = AsLabel(layout->itemAt(index - 1));
    return label ? Leading(label, control) : QString();
}

// The labels of a window by the controls they lead to.
using Buddies = QHash<const QWidget*, const QLabel*>;

QString LabelName(const Buddies& buddies, QWidget* control) {
    if (const QLabel* label = buddies.value(control))
        return Caption(label);
    QWidget* parent = control->parentWidget();
    return parent && parent->layout() ? NameInLayout(parent->layout(), control) : QString();
}

// The controls a user reaches: not the parts of lists and spin boxes, whose
// own names stand for them, nor scroll bars.
bool IsNamedControl(const QWidget* widget) {
    // A label is read by its text, even one whose text can be selected.
    if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<const QLabel*>(widget) ||
        qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QMdiSubWindow*>(widget))
        return false;
    const QWidget* parent = widget->parentWidget();
    return !(parent && (qobject_cast<const QComboBox*>(parent) ||
                        qobject_cast<const QAbstractSpinBox*>(parent) ||
                        qobject_cast<const QAbstractItemView*>(parent)));
}

QString DerivedName(const Buddies& buddies, QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty())
        return {}; // read by its caption
    auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
    if (const QString name = LabelName(buddies, control); !name.isEmpty()) {
        // A label of numbers alone ("1", "+30") says what it means with its frame's title.
        const bool plain =
            std::none_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
        return plain && frame ? PlainCaption(frame->title()) + QLatin1Char(' ') + name : name;
    }
    if (frame) {
        const auto controls = frame->findChildren<QWidget*>();
        if (std::count_if(controls.begin(), controls.end(), IsNamedControl) == 1)
            return PlainCaption(frame->title());
    }
    if (!control->toolTip().isEmpty())
        return control->toolTip();
    // A table or tree alone in its window is read by the window's title.
    for (QWidget* w = control; w; w = w->parentWidget())
        if (!w->windowTitle().isEmpty() &&
            (w->isWindow() || qobject_cast<QMdiSubWindow*>(w->parentWidget())))
            return PlainCaption(w->windowTitle()).remove(QStringLiteral("[*]"));
    return {};
}

QChar MarkOf(const QString& caption) {
    const QString keys = QKeySequence::mnemonic(caption).toString();
    return keys.isEmpty() ? QChar() : keys.back().toLower();
}

} // namespace

// The first letter of a button's caption that no other button or label of
// the window has taken, or "(&X)" after a caption without a free Latin letter.
void GiveKeyboardMarks(QWidget* root) {
    QSet<QChar> taken;
    QList<QAbstractButton*> unmarked;
    for (QLabel* label : root->findChildren<QLabel*>())
        if (label->buddy() && !MarkOf(label->text()).isNull())
            taken << MarkOf(label->text());
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QToolButton*>(button) || button->text().isEmpty())
            continue;
        if (const QChar mark = MarkOf(button->text()); mark.isNull())
            unmarked << button;
        else
            taken << mark;
    }
    for (QAbstractButton* button : unmarked) {
        QString text = button->text();
        const auto free = [&taken](QChar c) {
            return c.isLetter() && c.toLatin1() != 0 && !taken.contains(c.toLower());
        };
        if (const auto at = std::find_if(text.begin(), text.end(), free); at != text.end()) {
            taken << at->toLower();
            text.insert(at - text.begin(), QLatin1Char('&'));
        } else {
            QChar letter = QLatin1Char('A');
            while (letter <= QLatin1Char('Z') && taken.contains(letter.toLower()))
                letter = QChar(letter.unicode() + 1);
            if (letter > QLatin1Char('Z'))
                continue; // every letter taken: the button stays as it is
            taken << letter.toLower();
            text += QStringLiteral("(&%1)").arg(letter);
        }
        button->setText(text);
    }
}

void ReadListsByName() {
    // Once for the run, however often asked.
    QAccessible::removeFactory(ListInterface);
    QAccessible::installFactory(ListInterface);
}

void NameControls(QWidget* root) {
    Buddies buddies;
    for (const QLabel* label : root->findChildren<QLabel*>())
        if (label->buddy())
            buddies.insert(label->buddy(), label);
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (!IsNamedControl(control) ||
            (!control->accessibleName().isEmpty() && !control->property(kDerivedName).toBool()))
            continue;
        const QString name = DerivedName(buddies, control);
        if (name.isEmpty())
            continue;
        control->setAccessibleName(name);
        control->setProperty(kDerivedName, true);
    }
}
