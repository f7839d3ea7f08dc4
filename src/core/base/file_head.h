#pragma once

#include <QByteArray>
#include <QString>

enum class FileHeadStatus { Ok, Missing, NotRegular, Unreadable };

// Reads at most `limit` bytes from the start of a regular file; `size` gets
// the file's size as the file system gives it. Anything but a regular file
// (a folder, a pipe, a device) is refused before it is opened: a pipe would
// wait for a writer and a device may never end.
FileHeadStatus ReadFileHead(const QString& path, qint64 limit, QByteArray& bytes,
                            qint64* size = nullptr);
