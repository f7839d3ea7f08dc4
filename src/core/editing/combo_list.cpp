#include "core/editing/combo_list.h"

namespace {

int IndexToSelect(const QStringList& list, const QString& entry) {
    return entry.isEmpty() ? -1 : static_cast<int>(list.indexOf(entry));
}

} // namespace

QString FindComboText(const QStringList& list, const QString& text) {
    if (list.isEmpty())
        return {};
    return list.contains(text) ? text : list.first();
}

QString ComboTextAt(const QStringList& list, int index) {
    if (list.isEmpty())
        return {};
    return index >= 0 && index < list.size() ? list.at(index) : list.first();
}

int SelectComboText(const QStringList& list, const QString& text) {
    return IndexToSelect(list, FindComboText(list, text));
}

int SelectComboIndex(const QStringList& list, int index) {
    return IndexToSelect(list, ComboTextAt(list, index));
}

ShownChoice ChoiceAt(const QStringList& list, int index, const QString& asStored) {
    if (index >= 0 && index < list.size())
        return {index, {}};
    return {-1, asStored};
}

ShownChoice ChoiceOf(const QStringList& list, const QString& text, const QString& asStored) {
    return ChoiceAt(list, text.isEmpty() ? -1 : static_cast<int>(list.indexOf(text)), asStored);
}

int ClampBinary(int value, int fallback) {
    return value == 0 || value == 1 ? value : fallback;
}
