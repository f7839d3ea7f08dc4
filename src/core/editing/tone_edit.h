#pragma once

struct RadioData;
class ChannelTable;

// Changes of a tone's loop count and element lengths, which can leave a tone
// undefined. The last defined tone is kept defined: a change that would
// undefine it is refused. A stored change switches off the roger beep of
// every channel, and of the public channel, whose tone is no longer defined;
// the caller then refreshes the open roger lists.
enum class ToneEdit { Unchanged, Refused, Stored };

// `position` is the chosen loop count (0 = off).
ToneEdit ChangeLoopCount(RadioData& data, ChannelTable& channels, int tone, int position);
// `element` 1..14; `position` is the chosen length code.
ToneEdit ChangeLength(RadioData& data, ChannelTable& channels, int tone, int element, int position);
