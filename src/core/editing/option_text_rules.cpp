#include "core/editing/option_text_rules.h"

#include "core/base/text_util.h"

#include <algorithm>

bool AcceptOptionKey(char16_t code, TextBoxKind kind) {
    if (code == 3 || code == 22 || code == 24 || code > 127)
        return false;
    if (code < 32 || code == 127)
        return true;
    if (code >= u'0' && code <= u'9')
        return true;
    return IsDecimalPoint(QChar(code)) && kind == TextBoxKind::Decimal;
}

QString NormalizeNumberText(const QString& text, const NumberRule& rule) {
    bool ok = false;
    const double value = ParseNumber(text, &ok);
    if (!ok)
        return QString::fromLatin1(rule.fallback);
    return FormatFixed(RoundDecimalHalfEven(std::clamp(value, rule.low, rule.high), rule.decimals),
                       rule.decimals);
}

int StoredFromText(const QString& text, int scale) {
    return static_cast<int>(RoundHalfEven(ParseNumber(text) * scale));
}

BatteryTexts ApplyBatteryLimits(const QString& minText, const QString& maxText, bool maxEdited) {
    BatteryTexts texts{minText, maxText};
    QString& edited = maxEdited ? texts.max : texts.min;
    edited = NormalizeNumberText(edited, kBatteryVoltsRule);
    if (ParseNumber(texts.max) < ParseNumber(texts.min))
        std::swap(texts.min, texts.max);
    return texts;
}

int CheckRssiPoint(const RssiPoints& points, int i, const QString& text) {
    if (i < 0 || i >= static_cast<int>(points.size()))
        return 0;
    bool ok = false;
    const double typed = ParseNumber(text, &ok);
    if (!ok)
        return points[i];
    const int v = static_cast<int>(std::clamp(typed - 1, 0.0, 35.0));
    const bool first = i == 0 || i == 6;
    const bool last = i == 5 || i == 11;
    const bool aboveLower = first || v > points[i - 1];
    const bool belowUpper = last || v < points[i + 1];
    return aboveLower && belowUpper ? v : points[i];
}
