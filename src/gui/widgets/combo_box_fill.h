#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// Filling and selecting in a QComboBox from code. None of these raises the
// box's `activated` signal, the one a user's choice raises, so nothing that
// stores on a choice runs.

// Replaces the entries; the selection is cleared when there are none.
void FillComboBox(QComboBox* box, const QStringList& entries);
// Selects `text`, or the first entry when the box has no such entry.
void SelectComboBoxText(QComboBox* box, const QString& text);
// Selects entry `index`, or the first entry when there is no such entry.
void SelectComboBoxIndex(QComboBox* box, int index);
