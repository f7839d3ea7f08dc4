#pragma once

#include <array>
#include <cstdint>

// Mirror of the radio's 16 KiB configuration memory, radio addresses 0x0000-0x3FFF.
constexpr int kImageSize = 0x4000;
using RadioImage = std::array<uint8_t, kImageSize>;

constexpr int kBankImageSize = 7680;     // 10 groups x 48 radio slots x 16 bytes
constexpr int kScanMapBase = 0x3C80;     // bank 0; bank 1 at +0x40
constexpr int kPresenceMapBase = 0x3D80; // bank 0; bank 1 at +0x40
constexpr int kBitMapBankStride = 0x40;
constexpr int kEndMarkerStart = 0x3FF8;

// 0xFF everywhere, both bit-map areas cleared: the state every encode starts from.
void PrepareImage(RadioImage& image);
