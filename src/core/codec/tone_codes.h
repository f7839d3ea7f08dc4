#pragma once

#include "core/model/radio_data.h"

#include <QString>
#include <QStringList>
#include <array>

// A channel tone's ToneIndex is also its position in the tone choice lists.

// The CTCSS tones in tenths of a hertz, ascending.
extern const std::array<int, kCtcssCount> kCtcssTenthsHz;
// The DCS codes (normal polarity), their octal digits read as a decimal number.
extern const std::array<int, kDcsCount> kDcsCodes;

// "Off", "C_001(67.0Hz)" ... "D_104(754N)", by ToneIndex.
QStringList ToneListTexts(const QString& offText);
// "Off", "67.0" ... "D754N", by ToneIndex.
QStringList ShortToneListTexts(const QString& offText);

// Shown tone ("67.0", "D023N" or the off text) to its four-character code
// ("0670", "8023", "0").
QString GetCTCSS_DCSByShow(const QString& shown, const QString& offText);
// Four-character tone code to its shown form.
QString ShowCTCSS_DCS(const QString& code, const QString& offText);
