#pragma once

#include "core/model/radio_image.h"

#include <QStringList>

class Catalogue;

// A few damaged channel slots are no reason to doubt an image: a data file
// with a frequency no slot can hold leaves one behind each.
constexpr int kDamagedSlotsTolerated = 4;

// Why `image` does not look like this model's memory (more damaged channel
// slots than tolerated, groups past the last, option bytes outside their
// ranges), one reason each in the catalogue's language; empty when it does.
QStringList ForeignImageReasons(const RadioImage& image, const Catalogue& catalogue);

// The reasons under their heading, one a line; "" when there are none.
QString ForeignImageMessage(const RadioImage& image, const Catalogue& catalogue);
