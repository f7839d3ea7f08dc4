#pragma once

#include "core/base/text_util.h"

#include <QByteArray>
#include <QString>
#include <array>

// A fixed-width single-byte text field as the data file stores it: padded on
// the right with blanks, cut to the width when longer. Bytes are kept exactly
// (one character per byte, Latin-1), so a file round trip never alters them.
template <int N> struct FixedText {
    std::array<char, N> bytes;

    FixedText() { bytes.fill(' '); }
    FixedText(const QString& text) { set(text); } // NOLINT: assignment from text is natural

    void set(const QString& text) {
        const QByteArray raw = text.toLatin1();
        bytes.fill(' ');
        for (int i = 0; i < N && i < raw.size(); ++i)
            bytes[i] = raw[i];
    }
    // The whole field, padding included.
    QString raw() const { return QString::fromLatin1(bytes.data(), N); }
    // The meaningful text: cut at the first NUL, trailing blanks removed.
    QString text() const { return TrimText(raw()); }

    bool operator==(const FixedText&) const = default;
};
