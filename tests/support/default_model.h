#pragma once

// The built-in defaults, as a start without initial files gives them: every
// group holds the memory channels and channel 1, every group valid.

#include "core/model/initial_data.h"
#include "core/model/radio_model.h"

inline RadioModel DefaultModel() {
    RadioModel m;
    InitialiseData(m, QStringLiteral("/nonexistent/Init"), QDate(2026, 12, 6));
    return m;
}
