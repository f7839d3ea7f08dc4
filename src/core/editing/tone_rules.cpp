#include "core/editing/tone_rules.h"

#include "core/model/channels_in_use.h"
#include "core/model/radio_data.h"

#include <algorithm>

int ValidRogerTone(const ToneTable& tones, int n) {
    if (n < 1 || n > kToneCount || tones[n].LoopCount < 1)
        return 0;
    const auto& elements = tones[n].Element;
    const bool sounds = std::any_of(elements.begin(), elements.end(),
                                    [](const ToneElement& e) { return e.DurCode > 0; });
    return sounds ? n : 0;
}

bool ToneSetByWrite(int n) {
    constexpr int kFirstToneKeptByRadio = 7;
    return n >= 1 && n < kFirstToneKeptByRadio;
}

int CountRogerTones(const ToneTable& tones) {
    int count = 0;
    for (int n = 1; n <= kToneCount; ++n)
        count += ValidRogerTone(tones, n) != 0 ? 1 : 0;
    return count;
}

void RevalidateRogerTones(RadioData& data, ChannelTable& channels) {
    const ToneTable& tones = data.Tones;
    ForEachChannelInUse(data, channels, [&](ChannelRecord& record, int, int) {
        record.Roger = static_cast<int16_t>(ValidRogerTone(tones, record.Roger));
    });
    data.Options.PublicRoger =
        static_cast<int16_t>(ValidRogerTone(tones, data.Options.PublicRoger));
}
