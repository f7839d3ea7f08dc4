#pragma once

// Change codes of the option window's controls: a list of the first row sends
// its index, a check box 100 + its index, a public-channel list 200 + its index.
namespace OptionCode {
constexpr int Indic = 2;
constexpr int Mic = 3;
constexpr int Nog = 8;
constexpr int Tot = 9;
constexpr int Scm = 10;
constexpr int Fin = 11;
constexpr int Color = 17;
constexpr int PublicMode = 18;
constexpr int WorkBand = 19;
constexpr int MenuPage = 21;
constexpr int ChannelMode = 22;
constexpr int FreqCh = 23;
constexpr int AsqLevel = 24;

constexpr int VoxFunction = 100;
constexpr int KeyBeep = 102;
constexpr int SwrProtect = 103;
constexpr int BatteryProtect = 104;
constexpr int FmEnable = 105; // FM, AM, USB, LSB, PA follow in mode order
constexpr int LsbEnable = 108;
constexpr int PaEnable = 109;
constexpr int MemMenu = 110;

constexpr int PublicHiCut = 200; // NB/ANL, ECHO, +10KHz, BUSY follow
constexpr int PublicNbAnl = 201;
constexpr int PublicBusy = 204;
constexpr int PublicRoger = 205;

constexpr bool IsModeEnable(int code) {
    return code >= FmEnable && code <= PaEnable;
}
} // namespace OptionCode
