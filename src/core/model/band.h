#pragma once

#include <QString>

inline const QString kBandTextHF = QStringLiteral("28.0000 - 29.6990 MHz");
inline const QString kBandTextCB = QStringLiteral("25.6150 - 30.1050 MHz");

// The band range text of a bank: CB for 0, HF for anything else.
QString BandTextOf(int flag);

// 0 for the CB text, 1 for the HF text and for anything else.
int BandFlagOf(const QString& text);

struct BandLimits {
    double lowMHz = 100.0;
    double highMHz = 500.0;
};

// Limits from a "low - high MHz" text; 100 and 500 where a part is not a number.
BandLimits ParseBandLimits(const QString& bandText);
