#include "core/model/freq_text.h"

#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/text/catalogue.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace {

const QString kNoFreqDigits = QStringLiteral("FFFFFFFF");

// Beyond this a value is no frequency at all; keeping below it also keeps
// the conversion to whole hertz inside a 64-bit integer.
constexpr double kLargestMHz = 1e9;

bool ToWholeHz(double mhz, long long& hz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestMHz)
        return false;
    hz = RoundHalfEven(mhz * 1e6);
    return true;
}

// The shortest text that reads back as the same number ("28", "25.615").
QString ShortestText(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString FieldText(const QString& text) {
    return TrimText(text).trimmed();
}

} // namespace

bool IsFreqDigits(const QString& digits) {
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

QString FormatFreqMHz(double mhz) {
    long long hz = 0;
    if (!ToWholeHz(mhz, hz))
        return FormatFixed(mhz, 4);
    const long long units = (std::llabs(hz) + 50) / 100; // 100 Hz units, half up
    const QString sign = hz < 0 && units != 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(units / 10000) + QLatin1Char('.') +
           QString::number(units % 10000).rightJustified(4, QLatin1Char('0'));
}

QString FreqDigitsToText(const QString& digits, double bandLowMHz, Prompter* prompter) {
    const QString s = FieldText(digits);
    if (s.isEmpty() || s == kNoFreqDigits)
        return {};
    if (IsFreqDigits(s))
        return FormatFreqMHz(ParseNumber(s.left(2) + QLatin1Char('.') + s.mid(2)));
    if (prompter != nullptr)
        prompter->tell(QStringLiteral("Not IsNumeric"), PromptIcon::None);
    return ShortestText(bandLowMHz);
}

QString FreqTextToDigits(const QString& text, double bandLowMHz) {
    QString s = text.trimmed();
    if (s.isEmpty())
        return {};
    if (!IsNumeric(s))
        s = ShortestText(bandLowMHz);
    qsizetype point = s.indexOf(QLatin1Char('.')) + 1; // counted from 1; 0 = none
    if (point == 0)
        return s;
    for (; point < 3; ++point)
        s.prepend(QLatin1Char('0'));
    return s.left(2) + s.mid(point);
}

QString PadFreqDigits(const QString& digits, int length) {
    const QString s = FieldText(digits);
    if (s.isEmpty() || s == kNoFreqDigits)
        return kNoFreqDigits;
    return s.leftJustified(length, QLatin1Char('0'));
}

double AlignFreqToStep(double mhz, double bandLowMHz) {
    long long f = 0;
    long long low = 0;
    if (!ToWholeHz(mhz, f) || !ToWholeHz(bandLowMHz, low))
        return mhz;
    // Remainder taken towards minus infinity so that the move is always down.
    const long long r = ((f - low) % 10 + 10) % 10;
    return static_cast<double>(f - r) / 1e6;
}

double CheckFreqRange(double f, bool clamp, bool warn, const BandLimits& band,
                      const Catalogue& catalogue, Prompter* prompter) {
    if (f >= band.lowMHz && f <= band.highMHz)
        return AlignFreqToStep(f, band.lowMHz);
    if (warn && prompter != nullptr)
        prompter->tell(catalogue.Text(TextId::FreqOutOfRange), PromptIcon::Exclamation);
    if (!clamp)
        return 0.0;
    return f > band.highMHz ? band.highMHz : band.lowMHz; // NaN counts as below the band
}

double InvalidFreqValue(bool clamp, bool warn, const BandLimits& band, const Catalogue& catalogue,
                        Prompter* prompter) {
    if (warn && prompter != nullptr)
        prompter->tell(catalogue.Text(TextId::FreqOutOfRange), PromptIcon::Exclamation);
    return clamp ? band.lowMHz : 0.0;
}

QString NormalizeFreqInput(const QString& value, bool clamp, bool warn, const BandLimits& band,
                           const Catalogue& catalogue, Prompter* prompter) {
    bool ok = false;
    const double typed = ParseNumber(value, &ok);
    const double f = ok && std::isfinite(typed)
                         ? CheckFreqRange(typed, clamp, warn, band, catalogue, prompter)
                         : InvalidFreqValue(clamp, warn, band, catalogue, prompter);
    return f == 0.0 ? QString() : FormatFreqMHz(f);
}
