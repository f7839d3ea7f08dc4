#pragma once

// Several values as one text, so that one comparison checks a whole worked
// example and a failure shows every value at once: Values(5, "AB", true) is
// "5 AB true".

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <type_traits>

template <typename T> QString ValueText(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
        return value ? QStringLiteral("true") : QStringLiteral("false");
    else if constexpr (std::is_arithmetic_v<T> || std::is_enum_v<T>)
        return QString::number(
            static_cast<std::conditional_t<std::is_floating_point_v<T>, double, long long>>(value));
    else
        return QString(value);
}

template <typename... T> QString Values(const T&... values) {
    return QStringList{ValueText(values)...}.join(QLatin1Char(' '));
}

// `count` bytes from `from` on, as hex digits ("a0ff"): a stretch of a byte
// layout in one comparison.
template <typename Bytes> QByteArray HexAt(const Bytes& bytes, int from, int count) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()) + from, count).toHex();
}
