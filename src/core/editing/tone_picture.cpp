#include "core/editing/tone_picture.h"

#include "core/base/text_util.h"
#include "core/model/radio_data.h"

#include <algorithm>

std::vector<ToneBar> ToneBars(const ToneEntry& entry, int width, int height, int margin) {
    const double w = std::max(0, width - 2 * margin);
    const int h = std::max(0, height - 2 * margin);
    int total = 0;
    for (const ToneElement& e : entry.Element)
        total += std::max(0, static_cast<int>(e.DurCode));
    std::vector<ToneBar> bars;
    if (total < 1)
        return bars;
    int x = margin;
    for (int k = 1; k <= kToneElements; ++k) {
        const ToneElement& e = entry.Element[k - 1];
        if (e.DurCode <= 0)
            continue;
        const int barWidth = static_cast<int>(RoundHalfEven(e.DurCode * w / total));
        const int barHeight = static_cast<int>(RoundHalfEven(e.FreqCode * double(h) / 256));
        bars.push_back({x, barWidth, std::clamp(barHeight, 0, h), k % 2 == 1});
        x += barWidth;
    }
    return bars;
}
