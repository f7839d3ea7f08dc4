#include "core/editing/tone_lists.h"

#include "core/editing/combo_list.h"
#include "core/text/tone_text.h"

namespace {

constexpr int kOffText = 29200;
constexpr int kNoneText = 29201;

QStringList Tens(int first, int last) {
    QStringList entries;
    for (int n = first; n <= last; n += 10)
        entries << QString::number(n);
    return entries;
}

} // namespace

QStringList LoopCountEntries(int language) {
    QStringList entries{ToneText(kOffText, language)};
    for (int n = 1; n <= 10; ++n)
        entries << QString::number(n);
    return entries;
}

QStringList IntervalEntries() {
    return Tens(0, 2550);
}

QStringList FrequencyEntries(int language) {
    return QStringList{ToneText(kNoneText, language)} + Tens(400, 2550);
}

QStringList LengthEntries() {
    return Tens(0, 2550);
}

QStringList FrequencyCodeEntries(int language) {
    return QStringList{ToneText(kNoneText, language)} + Tens(10, 2550);
}

int FrequencyCodeOf(const QString& text, int language) {
    const QStringList codes = FrequencyCodeEntries(language);
    return static_cast<int>(codes.indexOf(FindComboText(codes, text)));
}

QString FrequencyTextOf(int code, int language) {
    const QString text = ComboTextAt(FrequencyCodeEntries(language), code);
    return FindComboText(FrequencyEntries(language), text);
}
