#pragma once

#include <vector>

struct ToneEntry;

// The bar picture of a tone: one box per element with a length, side by side
// on a base line, its width the element's share of the tone's length and its
// height its frequency code against 256. Pauses are gaps of no height.
struct ToneBar {
    int x = 0;
    int width = 0;
    int height = 0;
    bool oddElement = false; // elements 1, 3, 5... draw in red, the others in blue
    bool operator==(const ToneBar&) const = default;
};

// Boxes for a picture of `width` x `height` with `margin` kept clear on every
// side; the base line lies `margin` above the bottom edge. No boxes when no
// element has a length.
std::vector<ToneBar> ToneBars(const ToneEntry& entry, int width, int height, int margin);
