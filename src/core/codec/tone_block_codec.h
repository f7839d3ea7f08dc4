#pragma once

#include "core/model/radio_data.h"
#include "core/model/radio_image.h"

// The roger-beep tones in the image: tone n (1..8) is 30 bytes at
// ToneBlockAddress(n), two tones to a 64-byte block whose last four bytes
// belong to no tone. Bytes: loop count, interval, 14 frequency codes, 14
// duration codes.
constexpr int kToneBlockBase = 0x3E00;
constexpr int kToneBlockBytes = 30;

constexpr int ToneBlockAddress(int tone) {
    return kToneBlockBase + (tone - 1) / 2 * 64 + (tone - 1) % 2 * kToneBlockBytes;
}

void DecodeToneBlock(const RadioImage& image, ToneTable& tones);
// Writes the eight tones; the unused bytes of each block are left as they are.
void EncodeToneBlock(const ToneTable& tones, RadioImage& image);
