#pragma once

#include <QString>

// How a stored value looks when no list entry stands for it: the editors then
// show it as an extra entry, so the user sees what the data holds rather than
// some other entry. Language 1 English, 2 Chinese.

class Catalogue;

// "OFF" and "ON" for 0 and 1, else the number.
QString StoredSwitchText(int value, const Catalogue& catalogue);
// "FM".."PA" for the modes, else "Mode 7".
QString StoredModeText(int mode, int language);
// "1".."40", "M1".."M6" for channels 1..46, else the number.
QString StoredChannelText(int number);
// "A".."J" for groups 1..10, "MEM" for the memory view (11), else the number.
QString StoredGroupText(int group);
// A roger-beep frequency code counts 10 Hz: 30 is "300 Hz".
QString StoredToneFrequencyText(int code);
// A code counting 10 ms, shown as the lists show milliseconds: 300 is "3000".
QString StoredTenMsText(int code);
