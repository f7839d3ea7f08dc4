#include "core/model/radio_image.h"

#include <algorithm>

void PrepareImage(RadioImage& image) {
    image.fill(0xFF);
    std::fill(image.begin() + 0x3C80, image.begin() + 0x3D00, uint8_t{0x00});
    std::fill(image.begin() + 0x3D80, image.begin() + 0x3E00, uint8_t{0x00});
}
