#include "core/model/image_file.h"

#include "core/base/file_head.h"
#include "core/base/file_writer.h"

#include <algorithm>

ImageFileStatus ReadImageFile(const QString& path, RadioImage& image, FileProblem* problem,
                              qint64* size) {
    QByteArray bytes;
    qint64 found = 0;
    const FileHeadStatus status = ReadFileHead(path, kImageSize, bytes, &found);
    if (status != FileHeadStatus::Ok) {
        if (problem)
            *problem = ReadProblem(path);
        return status == FileHeadStatus::Unreadable ? ImageFileStatus::Unreadable
                                                    : ImageFileStatus::Missing;
    }
    if (size)
        *size = found;
    if (found != kImageSize || bytes.size() != kImageSize) {
        if (problem)
            *problem = {path, FileCause::NotAnImage, {}};
        return ImageFileStatus::WrongSize;
    }
    std::copy(bytes.begin(), bytes.end(), image.begin());
    return ImageFileStatus::Ok;
}

QByteArray ImageFileBytes(const RadioImage& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize);
}

bool WriteImageFile(const QString& path, const RadioImage& image, FileProblem* problem) {
    return WriteWholeFile(path, ImageFileBytes(image), problem);
}
