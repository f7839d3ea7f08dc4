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

// `value` when it is 0 or 1, else `fallback`.
int ClampBinary(int value, int fallback);
