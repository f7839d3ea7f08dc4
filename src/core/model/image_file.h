#pragma once

#include "core/base/file_problem.h"
#include "core/model/radio_image.h"

#include <QByteArray>
#include <QString>

// A raw memory image as a file: exactly the radio's 16384 bytes, nothing else.
enum class ImageFileStatus { Ok, Missing, Unreadable, WrongSize };

// Reads the image at `path` into `image`; anything but a regular file of
// exactly kImageSize bytes is refused without being read whole, and `image`
// is then left as it was. `size` gets the file's size when it is known.
ImageFileStatus ReadImageFile(const QString& path, RadioImage& image,
                              FileProblem* problem = nullptr, qint64* size = nullptr);

// The file's bytes: the image as it is, nothing around it.
QByteArray ImageFileBytes(const RadioImage& image);
// Writes the image in one piece: a failed write leaves no partial file.
bool WriteImageFile(const QString& path, const RadioImage& image, FileProblem* problem = nullptr);
