#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Rules of the option window's text boxes: which keys they take and how a
// typed text becomes a shown text and a stored value.

enum class TextBoxKind {
    Decimal, // digits and a decimal point ("." or ",")
    Digits,  // digits only
};

// Whether a typed character reaches the box. Copy, paste and cut (codes 3, 22,
// 24) and every code above 127 are dropped; other control codes pass.
bool AcceptOptionKey(char16_t code, TextBoxKind kind);

// A number box: a numeric text is held to low..high and shown with `decimals`
// decimals; any other text becomes `fallback`.
struct NumberRule {
    double low;
    double high;
    const char* fallback;
    int decimals;
};
constexpr NumberRule kBatteryVoltsRule{9.0, 17.0, "9.0", 1};
constexpr NumberRule kSwrLimitRule{1.2, 20.0, "20.0", 1};
constexpr NumberRule kTxOffsetRule{0.0001, 5.0, "5.0000", 4};

QString NormalizeNumberText(const QString& text, const NumberRule& rule);

// The shown number times `scale`, rounded half to even (0 for a non-number).
int StoredFromText(const QString& text, int scale);

// The battery limits after one of the two boxes was edited: the edited text
// is normalised, and the two texts swap when Max is below Min.
struct BatteryTexts {
    QString min;
    QString max;
};
BatteryTexts ApplyBatteryLimits(const QString& minText, const QString& maxText, bool maxEdited);

// S-meter points are shown 1..36 and stored 0..35; points 0..5 and 6..11 each
// rise strictly. Returns the stored value for a text typed into point `i`:
// the typed value when it keeps the order, else the point's old value.
using RssiPoints = std::array<int16_t, 12>;
int CheckRssiPoint(const RssiPoints& points, int i, const QString& text);
