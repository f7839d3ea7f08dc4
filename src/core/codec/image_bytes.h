#pragma once

#include "core/model/radio_image.h"

#include <cstdint>

// Small helpers for writing model values into image bytes. A model value may
// come from a damaged file, so every write keeps to its own byte or bits.

// The low eight bits of a value, wrapping as the radio's byte fields do.
constexpr uint8_t ByteOf(int value) {
    return static_cast<uint8_t>(value);
}

// A switch or enable flag is on when it is greater than 0.
constexpr int FlagBit(int value) {
    return value > 0 ? 1 : 0;
}

inline bool TestImageBit(const RadioImage& image, int address, int bit) {
    return ((image[address] >> bit) & 1) != 0;
}

inline void SetImageBit(RadioImage& image, int address, int bit) {
    image[address] = ByteOf(image[address] | (1 << bit));
}

inline void SetImageBitIf(RadioImage& image, int address, int bit, bool on) {
    if (on)
        SetImageBit(image, address, bit);
}
