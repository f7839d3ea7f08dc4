#include "core/base/file_problem.h"

#include "core/text/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>

namespace {

TextId CauseText(FileCause cause) {
    switch (cause) {
    case FileCause::NotFound:
        return TextId::CauseNotFound;
    case FileCause::PermissionDenied:
        return TextId::CausePermissionDenied;
    case FileCause::IsFolder:
        return TextId::CauseIsFolder;
    case FileCause::NotRegular:
        return TextId::CauseNotRegular;
    case FileCause::DiskFull:
        return TextId::CauseDiskFull;
    case FileCause::ReadOnlyFileSystem:
        return TextId::CauseReadOnlyFileSystem;
    case FileCause::TooShort:
        return TextId::CauseTooShort;
    case FileCause::CompanionTooShort:
        return TextId::CauseCompanionTooShort;
    case FileCause::NotAnImage:
        return TextId::CauseNotAnImage;
    default:
        return TextId::CauseCountsOutOfRange;
    }
}

} // namespace

QString FileProblemLine(const Catalogue& catalogue, const FileProblem& problem) {
    if (!problem.known())
        return {};
    const QString cause = problem.cause == FileCause::Other
                              ? problem.systemText
                              : catalogue.Text(CauseText(problem.cause));
    return QDir::toNativeSeparators(problem.path) + QStringLiteral(": ") + cause;
}

QString WithProblem(const QString& message, const Catalogue& catalogue,
                    const FileProblem& problem) {
    const QString line = FileProblemLine(catalogue, problem);
    return line.isEmpty() ? message : message + QStringLiteral("\r\n") + line;
}

FileCause CauseOfSystemText(const QString& systemText) {
    const struct {
        int code;
        FileCause cause;
    } known[] = {{ENOENT, FileCause::NotFound},         {EACCES, FileCause::PermissionDenied},
                 {EPERM, FileCause::PermissionDenied},  {EISDIR, FileCause::IsFolder},
                 {ENOSPC, FileCause::DiskFull},         {EDQUOT, FileCause::DiskFull},
                 {EROFS, FileCause::ReadOnlyFileSystem}};
    for (const auto& k : known)
        if (systemText.compare(QString::fromLocal8Bit(std::strerror(k.code)),
                               Qt::CaseInsensitive) == 0)
            return k.cause;
    return FileCause::Other;
}

FileProblem ReadProblem(const QString& path, const QString& systemText) {
    const QFileInfo info(path);
    if (!info.exists())
        return {path, FileCause::NotFound, {}};
    if (info.isDir())
        return {path, FileCause::IsFolder, {}};
    if (!info.isFile())
        return {path, FileCause::NotRegular, {}};
    if (!info.isReadable())
        return {path, FileCause::PermissionDenied, {}};
    const FileCause cause = CauseOfSystemText(systemText);
    return {path, systemText.isEmpty() ? FileCause::None : cause, systemText};
}

FileProblem WriteProblem(const QString& path, const QString& systemText) {
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return {folder.filePath(), FileCause::NotFound, {}};
    if (!folder.isDir())
        return {folder.filePath(), FileCause::NotRegular, {}};
    if (info.isDir())
        return {path, FileCause::IsFolder, {}};
    if (QStorageInfo(folder.filePath()).isReadOnly())
        return {path, FileCause::ReadOnlyFileSystem, {}};
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return {path, FileCause::PermissionDenied, {}};
    const FileCause cause = CauseOfSystemText(systemText);
    return {path, systemText.isEmpty() ? FileCause::None : cause, systemText};
}
