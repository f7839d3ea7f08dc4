#pragma once

#include "core/editing/combo_list.h"

#include <QComboBox>
#include <QString>
#include <QStringList>

// Filling and selecting in a QComboBox from code. None of these raises the
// box's `activated` signal, the one a user's choice raises, so nothing that
// stores on a choice runs.

// Replaces the entries; the selection is cleared when there are none.
void FillComboBox(QComboBox* box, const QStringList& entries);
// Selects `text`, or the first entry when the box has no such entry.
void SelectComboBoxText(QComboBox* box, const QString& text);
// Selects entry `index`, or the first entry when there is no such entry.
void SelectComboBoxIndex(QComboBox* box, int index);

// Shows a stored value: its entry, or an extra entry at the end holding the
// value as stored (an earlier extra entry goes first).
void ShowChoice(QComboBox* box, const ShownChoice& choice);
// Entry `index`, else `asStored` as the extra entry.
void ShowStoredIndex(QComboBox* box, int index, const QString& asStored);
// The entry `text`, else `asStored` (or `text` itself) as the extra entry.
void ShowStoredText(QComboBox* box, const QString& text, const QString& asStored = {});
// Whether entry `index` is the extra entry showing a stored value.
bool IsStoredEntry(const QComboBox* box, int index);
void RemoveStoredEntry(QComboBox* box);

// Runs `chosen(index)` on a user's choice in the list. Choosing the extra
// entry keeps the stored value, so it runs nothing; choosing another entry
// replaces the value, so the extra entry goes.
template <typename Chosen> void OnChosen(QComboBox* box, QObject* receiver, Chosen chosen) {
    QObject::connect(box, &QComboBox::activated, receiver, [box, chosen](int index) {
        if (IsStoredEntry(box, index))
            return;
        RemoveStoredEntry(box);
        chosen(index);
    });
}
