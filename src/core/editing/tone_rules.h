#pragma once

struct RadioData;
struct ToneTable;
class ChannelTable;

// A roger-beep tone n (1..8) is defined when it loops at least once and at
// least one of its elements has a length. Returns n when defined, else 0.
int ValidRogerTone(const ToneTable& tones, int n);

// Whether a write sets tone n. The radio keeps tones 7 and 8: a write skips
// their memory, so they are what the last read or the opened file held.
bool ToneSetByWrite(int n);

// How many of the eight tones are defined.
int CountRogerTones(const ToneTable& tones);

// Switches off the roger beep of every channel in use, and of the public
// channel, whose tone is no longer defined. The open windows rebuild their
// roger lists themselves.
void RevalidateRogerTones(RadioData& data, ChannelTable& channels);
