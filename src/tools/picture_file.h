#pragma once

// The tools' pictures are written like every other file of the programs:
// whole or not at all, so a full disk never leaves one cut short.

#include "core/base/file_writer.h"

#include <QBuffer>
#include <QImage>

inline bool SavePicture(const QImage& image, const QString& path, const char* format,
                        int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format, quality) &&
           WriteWholeFile(path, bytes);
}
