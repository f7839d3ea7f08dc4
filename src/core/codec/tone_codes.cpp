#include "core/codec/tone_codes.h"

#include "core/base/text_util.h"

#include <cmath>

// clang-format off
const std::array<int, kCtcssCount> kCtcssTenthsHz = {
    670, 719, 744, 770, 797, 825, 854, 885, 915, 948, 974, 1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567,
    1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

const std::array<int, kDcsCount> kDcsCodes = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,
    114, 115, 116, 122, 125, 131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172,
    174, 205, 212, 223, 225, 226, 243, 244, 245, 246, 251, 252, 255, 261, 263, 265,
    266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365, 371,
    411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503,
    506, 516, 523, 526, 532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664,
    703, 712, 723, 731, 732, 734, 743, 754};
// clang-format on

namespace {

// Shown tones never exceed this in tenths of a hertz; anything larger is no tone.
constexpr double kLargestTenths = 1e6;

QString Digits(int value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

QString TenthsText(int tenths) {
    return FormatFixed(tenths / 10.0, 1);
}

// The number formed by the leading decimal digits of a text (0 without any).
int LeadingNumber(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || value > 99999)
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

QStringList ToneListTexts(const QString& offText) {
    QStringList list{offText};
    for (int n = 1; n <= kCtcssCount; ++n)
        list << QStringLiteral("C_%1(%2Hz)").arg(Digits(n, 3), TenthsText(kCtcssTenthsHz[n - 1]));
    for (int n = 1; n <= kDcsCount; ++n)
        list << QStringLiteral("D_%1(%2N)").arg(Digits(n, 3), Digits(kDcsCodes[n - 1], 3));
    return list;
}

QStringList ShortToneListTexts(const QString& offText) {
    QStringList list{offText};
    for (const int tenths : kCtcssTenthsHz)
        list << TenthsText(tenths);
    for (const int code : kDcsCodes)
        list << QStringLiteral("D%1N").arg(Digits(code, 3));
    return list;
}

QString GetCTCSS_DCSByShow(const QString& shown, const QString& offText) {
    if (shown == offText)
        return QStringLiteral("0");
    if (shown.startsWith(QLatin1Char('D')))
        return QLatin1Char('8') + Digits(LeadingNumber(shown.mid(1, 3)), 3);
    bool ok = false;
    const double tenths = ParseNumber(shown, &ok) * 10.0;
    if (!ok || !(std::fabs(tenths) < kLargestTenths))
        return QStringLiteral("0");
    const auto rounded = static_cast<int>(RoundHalfEven(tenths));
    const QString digits = Digits(std::abs(rounded), 4);
    return rounded < 0 ? QLatin1Char('-') + digits : digits;
}

QString ShowCTCSS_DCS(const QString& code, const QString& offText) {
    const QString s = code.trimmed();
    if (s.size() != 4)
        return offText;
    if (s.startsWith(QLatin1Char('8')))
        return QLatin1Char('D') + Digits(LeadingNumber(s.right(3)), 3) + QLatin1Char('N');
    bool ok = false;
    const double value = ParseNumber(s, &ok);
    return ok ? FormatFixed(value / 10.0, 1) : offText;
}
