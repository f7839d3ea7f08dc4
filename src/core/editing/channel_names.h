#pragma once

#include <QString>

// Channel numbers 1..40 are the regular channels of a group; 41..46 are the
// memory channels, named "M1".."M6".
constexpr int kRegularChannelCount = 40;
constexpr int kMemoryChannelCount = 6;
constexpr int kFirstMemoryChannel = kRegularChannelCount + 1;
constexpr int kLastMemoryChannel = kRegularChannelCount + kMemoryChannelCount;

constexpr bool IsRegularChannel(int number) {
    return number >= 1 && number <= kRegularChannelCount;
}
constexpr bool IsMemoryChannel(int number) {
    return number >= kFirstMemoryChannel && number <= kLastMemoryChannel;
}

// A channel's number from its name: "M" + n gives 40 + n, a whole number its
// value, anything else 0.
int GetCHID(const QString& name);

// The channel a typed or pasted name stands for: exactly "1".."40" or
// "M1".."M6", in any case, blanks around ignored; 0 for anything else.
int ChannelOfName(const QString& name);

// A channel's name: "M" + (number - 40) above 40, else the number itself.
QString GetCHName(int number);
