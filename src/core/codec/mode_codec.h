#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

struct RadioData;
class ChannelTable;

// Modes by their stored value: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA.
constexpr int kModeCount = 5;
constexpr int kModePA = 4;
using ModeEnableFlags = std::array<int16_t, kModeCount>;

// "FM" 0, "AM" 1, "USB" 2, "LSB" 3, "PA" 4; any other text 0.
int ModeTextToIndex(const QString& text);
// The mode's text; "FM" for any value outside 0..4.
QString ModeIndexToText(int mode);

// `mode` when it is a mode the radio offers, else the first offered mode in
// the order FM, AM, USB, LSB, PA, or 0 when none is offered.
int ValidMode(int mode, const ModeEnableFlags& modeEnable);

// The entries of a mode choice list: the offered modes in order, without "PA"
// for memory channels.
QStringList ModeListEntries(const ModeEnableFlags& modeEnable, bool isMemory);

// Moves every channel in use whose mode is no longer offered to an offered
// one; `movedFrom` (when given) counts the channels moved by the mode they left.
void RevalidateAllModes(RadioData& data, ChannelTable& channels,
                        QMap<int, int>* movedFrom = nullptr);
