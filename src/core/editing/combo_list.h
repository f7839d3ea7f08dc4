#pragma once

#include <QString>
#include <QStringList>

// Choice-list routines over the entries of a list. A value a list cannot show
// falls back to the list's first entry; an empty list gives "".

// The entry equal to `text`, else the first entry.
QString FindComboText(const QStringList& list, const QString& text);
// Entry `index`, else the first entry.
QString ComboTextAt(const QStringList& list, int index);

// The index to select for `text` (FindComboText), -1 to clear the selection.
int SelectComboText(const QStringList& list, const QString& text);
// The index to select for `index` (ComboTextAt), -1 to clear the selection.
int SelectComboIndex(const QStringList& list, int index);

// How a list shows a stored value: the entry that stands for it, or, when no
// entry does (`index` -1), the value as stored, for an extra entry at the end.
struct ShownChoice {
    int index = -1;
    QString asStored;
};
// Entry `index` when the list has it.
ShownChoice ChoiceAt(const QStringList& list, int index, const QString& asStored);
// The entry equal to `text` when the list has it.
ShownChoice ChoiceOf(const QStringList& list, const QString& text, const QString& asStored);

// `value` when it is 0 or 1, else `fallback`.
int ClampBinary(int value, int fallback);
