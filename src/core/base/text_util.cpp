#include "core/base/text_util.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

QString TrimText(const QString& text) {
    QString s = text;
    const qsizetype nul = s.indexOf(QChar(0));
    if (nul >= 0)
        s.truncate(nul);
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1) == QLatin1Char(' '))
        --end;
    s.truncate(end);
    return s;
}

QString FileNameOf(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString GroupLetter(int group) {
    if (group == 11)
        return QStringLiteral("MEM");
    if (group >= 2 && group <= 10)
        return QString(QChar('A' + group - 1));
    return QStringLiteral("A");
}

int GroupIndex(const QString& text) {
    if (text == QLatin1String("MEM"))
        return 11;
    if (text.size() == 1 && text.at(0) >= QLatin1Char('A') && text.at(0) <= QLatin1Char('J'))
        return text.at(0).unicode() - 'A' + 1;
    return 0;
}

QString CountOf(long long count, const QString& noun) {
    return QString::number(count) + QLatin1Char(' ') + noun +
           (count == 1 ? QString() : QStringLiteral("s"));
}

bool IsNumeric(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return number.match(text).hasMatch();
}

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

double RoundDecimalHalfEven(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    const double below = std::floor(scaled);
    // A binary value this close to the half stands for a typed decimal half.
    const bool half = std::abs(scaled - below - 0.5) < 1e-9 * std::max(1.0, std::abs(scaled));
    const double whole =
        half ? (std::fmod(below, 2.0) == 0.0 ? below : below + 1.0) : std::nearbyint(scaled);
    return whole / scale;
}

QString FormatFixed(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    // "-0.0000" is shown as "0.0000", as a plain "#0.0000" format does.
    if (s.startsWith(QLatin1Char('-')) && s.count(QLatin1Char('0')) + 2 == s.size())
        s.remove(0, 1);
    return s;
}

bool IsDecimalPoint(QChar c) {
    return c == QLatin1Char('.') || c == QLatin1Char(',');
}

double ParseNumber(const QString& text, bool* ok) {
    // Many users write the decimal point as a comma: "0,5" is a half, never
    // five. With both marks ("1,234.5") the text is refused, not guessed at.
    QString number = text;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!IsNumeric(number)) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    return QLocale::c().toDouble(number.trimmed(), ok);
}

QString EscapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 || code == 0x7f || (code >= 0x80 && code < 0xa0) || code == u'\\')
            out += QStringLiteral("\\x") +
                   QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
