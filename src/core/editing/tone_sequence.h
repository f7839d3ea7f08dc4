#pragma once

#include <optional>

struct ToneEntry;

// One step of a roger-beep tone as it sounds: a frequency held for a time;
// 0 Hz is silence.
struct ToneSegment {
    int frequencyHz = 0;
    int durationMs = 0;
    bool operator==(const ToneSegment&) const = default;
};

// Whether playing the tone sounds anything: it loops at least once and its
// elements have some length.
bool ToneSounds(const ToneEntry& entry);

// Walks a tone the way it plays: each pass takes the elements that have a
// length, in order (frequencies below 50 Hz are pauses), followed by the
// interval. The loop count and interval are taken once, at the start; the
// elements are read afresh at every step, so edits made during playback are
// heard. At most 255 passes.
class ToneSequence {
public:
    explicit ToneSequence(const ToneEntry& entry);

    // The next step, or nothing when the tone is over.
    std::optional<ToneSegment> Next(const ToneEntry& entry);

private:
    int loops_;
    int intervalMs_;
    int pass_ = 0;
    int element_ = 0;
};
