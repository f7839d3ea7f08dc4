#include "core/codec/tone_block_codec.h"

#include "core/codec/image_bytes.h"

namespace {

constexpr int kLoopCountByte = 0;
constexpr int kIntervalByte = 1;
constexpr int kFreqCodeBytes = 2;
constexpr int kDurCodeBytes = kFreqCodeBytes + kToneElements;

} // namespace

void DecodeToneBlock(const RadioImage& image, ToneTable& tones) {
    for (int n = 1; n <= kToneCount; ++n) {
        const uint8_t* bytes = image.data() + ToneBlockAddress(n);
        ToneEntry& tone = tones[n];
        tone.LoopCount = bytes[kLoopCountByte];
        tone.IntervalCode = bytes[kIntervalByte];
        for (int k = 0; k < kToneElements; ++k) {
            tone.Element[k].FreqCode = bytes[kFreqCodeBytes + k];
            tone.Element[k].DurCode = bytes[kDurCodeBytes + k];
        }
    }
}

void EncodeToneBlock(const ToneTable& tones, RadioImage& image) {
    for (int n = 1; n <= kToneCount; ++n) {
        uint8_t* bytes = image.data() + ToneBlockAddress(n);
        const ToneEntry& tone = tones[n];
        bytes[kLoopCountByte] = ByteOf(tone.LoopCount);
        bytes[kIntervalByte] = ByteOf(tone.IntervalCode);
        for (int k = 0; k < kToneElements; ++k) {
            bytes[kFreqCodeBytes + k] = ByteOf(tone.Element[k].FreqCode);
            bytes[kDurCodeBytes + k] = ByteOf(tone.Element[k].DurCode);
        }
    }
}
