#include "core/base/file_head.h"

#include <QFile>
#include <QFileInfo>

FileHeadStatus ReadFileHead(const QString& path, qint64 limit, QByteArray& bytes, qint64* size) {
    const QFileInfo info(path);
    if (!info.exists())
        return FileHeadStatus::Missing;
    if (!info.isFile())
        return FileHeadStatus::NotRegular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileHeadStatus::Unreadable;
    QByteArray head = file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return FileHeadStatus::Unreadable;
    if (size)
        *size = file.size();
    bytes = std::move(head);
    return FileHeadStatus::Ok;
}
