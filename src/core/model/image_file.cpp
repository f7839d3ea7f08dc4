#include "core/model/image_file.h"

#include "core/base/file_head.h"

#include <QSaveFile>

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

bool WriteImageFile(const QString& path, const RadioImage& image, FileProblem* problem) {
    QSaveFile out(path);
    if (out.open(QIODevice::WriteOnly) &&
        out.write(reinterpret_cast<const char*>(image.data()), kImageSize) == kImageSize &&
        out.commit())
        return true;
    if (problem)
        *problem = WriteProblem(path, out.errorString());
    return false;
}
