#include "core/model/band.h"

#include "core/base/text_util.h"

QString BandTextOf(int flag) {
    return flag == 0 ? kBandTextCB : kBandTextHF;
}

int BandFlagOf(const QString& text) {
    return text == kBandTextCB ? 0 : 1;
}

BandLimits ParseBandLimits(const QString& bandText) {
    BandLimits limits;
    const qsizetype dash = bandText.indexOf(QLatin1String(" - "));
    if (dash < 0)
        return limits;
    bool ok = false;
    const double low = ParseNumber(bandText.left(dash), &ok);
    if (ok)
        limits.lowMHz = low;
    QString rest = bandText.mid(dash + 3);
    const qsizetype unit = rest.indexOf(QLatin1String(" MHz"));
    if (unit >= 0)
        rest.truncate(unit);
    const double high = ParseNumber(rest, &ok);
    if (ok)
        limits.highMHz = high;
    return limits;
}
