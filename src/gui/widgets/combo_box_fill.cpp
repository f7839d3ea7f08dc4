#include "gui/widgets/combo_box_fill.h"

#include "core/editing/combo_list.h"
#include "gui/widgets/form_helpers.h"

#include <QComboBox>

namespace {

// Marks the extra entry among a list's own entries.
constexpr int kStoredValueRole = Qt::UserRole + 1;

} // namespace

void FillComboBox(QComboBox* box, const QStringList& entries) {
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

void SelectComboBoxText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(SelectComboText(ListEntries(box), text));
}

void SelectComboBoxIndex(QComboBox* box, int index) {
    box->setCurrentIndex(SelectComboIndex(ListEntries(box), index));
}

void ShowChoice(QComboBox* box, const ShownChoice& choice) {
    RemoveStoredEntry(box);
    if (choice.index >= 0 && choice.index < box->count()) {
        box->setCurrentIndex(choice.index);
        return;
    }
    box->addItem(choice.asStored);
    box->setItemData(box->count() - 1, true, kStoredValueRole);
    box->setCurrentIndex(box->count() - 1);
}

void ShowStoredIndex(QComboBox* box, int index, const QString& asStored) {
    RemoveStoredEntry(box);
    ShowChoice(box, ChoiceAt(ListEntries(box), index, asStored));
}

void ShowStoredText(QComboBox* box, const QString& text, const QString& asStored) {
    RemoveStoredEntry(box);
    ShowChoice(box, ChoiceOf(ListEntries(box), text, asStored.isEmpty() ? text : asStored));
}

bool IsStoredEntry(const QComboBox* box, int index) {
    return index >= 0 && box->itemData(index, kStoredValueRole).toBool();
}

void RemoveStoredEntry(QComboBox* box) {
    for (int i = box->count() - 1; i >= 0; --i)
        if (IsStoredEntry(box, i))
            box->removeItem(i);
}
