#pragma once

#include "core/editing/option_codes.h"
#include "core/text/text_id.h"

#include <QStringList>

struct RadioData;
struct ToneTable;

// The entries of the option window's lists, in the language given (1 English,
// 2 Chinese), by change code (option_codes.h). A code without a list gives no
// entries.
QStringList OptionListEntries(int code, int language, const RadioData& data);

// "OFF" followed by the number of every defined roger-beep tone, ascending.
QStringList RogerListEntries(const ToneTable& tones, int language);

// A control of the option window: its change code and caption.
struct OptionRow {
    int code;
    TextId caption;
};

// The lists of the left column, top to bottom.
inline constexpr OptionRow kOptionLists[] = {
    {OptionCode::Tot, TextId::OptTot},       {OptionCode::Indic, TextId::OptIndic},
    {OptionCode::Mic, TextId::OptMic},       {OptionCode::AsqLevel, TextId::OptAsqLevel},
    {OptionCode::Nog, TextId::OptNog},       {OptionCode::Color, TextId::OptColor},
    {OptionCode::Scm, TextId::OptScm},       {OptionCode::Fin, TextId::OptFin},
    {OptionCode::FreqCh, TextId::OptFreqCh},
};

// The public channel's lists, top to bottom.
inline constexpr OptionRow kPublicLists[] = {
    {OptionCode::PublicHiCut, TextId::SwHiCut},    {OptionCode::PublicNbAnl, TextId::SwNbAnl},
    {OptionCode::PublicHiCut + 2, TextId::SwEcho}, {OptionCode::PublicHiCut + 3, TextId::SwAdd10K},
    {OptionCode::PublicRoger, TextId::SwRoger},    {OptionCode::PublicMode, TextId::SwMode},
};

// The mode-enable boxes.
inline constexpr OptionRow kModeEnables[] = {
    {OptionCode::FmEnable, TextId::OptFmEnable},
    {OptionCode::FmEnable + 1, TextId::OptAmEnable},
    {OptionCode::FmEnable + 2, TextId::OptUsbEnable},
    {OptionCode::LsbEnable, TextId::OptLsbEnable},
    {OptionCode::PaEnable, TextId::OptPaEnable},
};

// The captions of the six RSSI points of each frame (FM/AM, then USB/LSB).
inline constexpr const char* kRssiCaptions[] = {"1", "3", "5", "7", "9", "+30"};
inline constexpr int kRssiPerFrame = 6;
