#include "core/editing/tone_edit.h"

#include "core/editing/tone_rules.h"
#include "core/model/radio_data.h"

namespace {

// Applies `change` to a copy of the tone first: it is refused when it would
// undefine the only defined tone.
template <typename Change>
ToneEdit Apply(RadioData& data, ChannelTable& channels, int tone, Change change) {
    ToneTable after = data.Tones;
    change(after[tone]);
    const bool lastDefined =
        CountRogerTones(data.Tones) == 1 && ValidRogerTone(data.Tones, tone) == tone;
    if (lastDefined && ValidRogerTone(after, tone) == 0)
        return ToneEdit::Refused;
    data.Tones = after;
    RevalidateRogerTones(data, channels);
    return ToneEdit::Stored;
}

bool ValidTone(int tone) {
    return tone >= 1 && tone <= kToneCount;
}

} // namespace

ToneEdit ChangeLoopCount(RadioData& data, ChannelTable& channels, int tone, int position) {
    if (!ValidTone(tone) || position < 0 || position == data.Tones[tone].LoopCount)
        return ToneEdit::Unchanged;
    return Apply(data, channels, tone,
                 [&](ToneEntry& entry) { entry.LoopCount = static_cast<int16_t>(position); });
}

ToneEdit ChangeLength(RadioData& data, ChannelTable& channels, int tone, int element,
                      int position) {
    if (!ValidTone(tone) || element < 1 || element > kToneElements || position < 0 ||
        position == data.Tones[tone].Element[element - 1].DurCode)
        return ToneEdit::Unchanged;
    return Apply(data, channels, tone, [&](ToneEntry& entry) {
        entry.Element[element - 1].DurCode = static_cast<int16_t>(position);
    });
}
