#include "core/editing/tone_sequence.h"

#include "core/model/radio_data.h"

#include <algorithm>

namespace {

constexpr int kMaxPasses = 255;
constexpr int kShortestMs = 5;
constexpr int kLowestHz = 50;

} // namespace

bool ToneSounds(const ToneEntry& entry) {
    int totalMs = 0;
    for (const ToneElement& e : entry.Element)
        totalMs += std::max(0, static_cast<int>(e.DurCode)) * 10;
    return entry.LoopCount >= 1 && totalMs >= kShortestMs;
}

ToneSequence::ToneSequence(const ToneEntry& entry)
    : loops_(std::clamp(static_cast<int>(entry.LoopCount), 0, kMaxPasses)),
      intervalMs_(std::max(0, static_cast<int>(entry.IntervalCode)) * 10) {}

std::optional<ToneSegment> ToneSequence::Next(const ToneEntry& entry) {
    while (pass_ < loops_) {
        while (element_ < kToneElements) {
            const ToneElement& e = entry.Element[element_++];
            const int ms = e.DurCode * 10;
            if (ms > kShortestMs) {
                const int hz = e.FreqCode * 10;
                return ToneSegment{hz < kLowestHz ? 0 : hz, ms};
            }
        }
        element_ = 0;
        ++pass_;
        if (intervalMs_ > 0)
            return ToneSegment{0, intervalMs_};
    }
    return std::nullopt;
}
