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
    case FileCause::NotAFolder:
        return TextId::CauseNotAFolder;
    case FileCause::NotDataVersion:
        return TextId::CauseNotDataVersion;
    case FileCause::ImpossibleRecord:
        return TextId::CauseImpossibleRecord;
    case FileCause::NoCompanionName:
        return TextId::CauseNoCompanionName;
    case FileCause::NotASerialPort:
        return TextId::CauseNotASerialPort;
    case FileCause::NotUtf8Text:
        return TextId::CauseNotUtf8Text;
    default:
        return TextId::CauseCountsOutOfRange;
    }
}

// The nearest folder of `path` that exists, when it is a file instead: the
// path can't be made whatever its last part is.
QString FileInPlaceOfFolder(const QString& path) {
    QFileInfo parent(QFileInfo(path).absolutePath());
    while (!parent.exists() && !parent.isRoot() &&
           parent.absolutePath() != parent.absoluteFilePath())
        parent = QFileInfo(parent.absolutePath());
    return parent.exists() && !parent.isDir() ? parent.filePath() : QString();
}

} // namespace

QString FileProblemLine(const Catalogue& catalogue, const FileProblem& problem) {
    if (!problem.known())
        return {};
    QString cause = problem.cause == FileCause::Other ? problem.systemText
                                                      : catalogue.Text(CauseText(problem.cause));
    if (problem.cause == FileCause::ImpossibleRecord)
        cause = cause.arg(problem.record);
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
    } known[] = {{ENOENT, FileCause::NotFound},          {EACCES, FileCause::PermissionDenied},
                 {EPERM, FileCause::PermissionDenied},   {EISDIR, FileCause::IsFolder},
                 {ENOSPC, FileCause::DiskFull},          {EDQUOT, FileCause::DiskFull},
                 {EROFS, FileCause::ReadOnlyFileSystem}, {ENOTTY, FileCause::NotASerialPort}};
    for (const auto& k : known)
        if (systemText.compare(QString::fromLocal8Bit(std::strerror(k.code)),
                               Qt::CaseInsensitive) == 0)
            return k.cause;
    return FileCause::Other;
}

FileProblem ReadProblem(const QString& path, const QString& systemText) {
    const QFileInfo info(path);
    if (const QString file = FileInPlaceOfFolder(path); !file.isEmpty())
        return {file, FileCause::NotAFolder, {}};
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
    if (const QString file = FileInPlaceOfFolder(path); !file.isEmpty())
        return {file, FileCause::NotAFolder, {}};
    if (!folder.exists())
        return {folder.filePath(), FileCause::NotFound, {}};
    if (info.isDir())
        return {path, FileCause::IsFolder, {}};
    if (QStorageInfo(folder.filePath()).isReadOnly())
        return {path, FileCause::ReadOnlyFileSystem, {}};
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return {path, FileCause::PermissionDenied, {}};
    const FileCause cause = CauseOfSystemText(systemText);
    return {path, systemText.isEmpty() ? FileCause::None : cause, systemText};
}
