#include "core/base/file_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString SystemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A name beside `target` that no other file has: hidden, so that a file
// list does not show it while it is being written.
QString BesideName(const QString& target, const char* kind) {
    const QFileInfo info(target);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1Char('.') +
                               QLatin1String(kind) + QLatin1Char('-') +
                               QString::number(QRandomGenerator::global()->generate(), 36));
}

// Puts `from` over `to` in one step; errno says why not.
bool RenameOver(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(from.utf16()), reinterpret_cast<LPCWSTR>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = EIO;
    return false;
#else
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

// The folder's own entry is synced too, so that a rename survives a power cut.
void SyncFolderOf(const QString& path) {
#ifndef Q_OS_WIN
    const int fd =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)path;
#endif
}

// A second name for the file at `path`, kept until the new content is in
// place, so that it can come back. A hard link costs no space on a full disk;
// where there is none the file itself moves aside for a moment.
QString KeepAside(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    const QString aside = BesideName(path, "old");
#ifndef Q_OS_WIN
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0)
        return aside;
#endif
    return RenameOver(path, aside) ? aside : QString();
}

} // namespace

FileWriter::FileWriter(const QString& path) : target_(path) {
    const QFileInfo info(path);
    if (info.isSymLink())
        target_ = info.symLinkTarget();
}

FileWriter::~FileWriter() {
    Discard();
}

bool FileWriter::Fail(const QString& path, int error) {
    failed_ = true;
    problem_ = WriteProblem(path, SystemText(error));
    Discard();
    return false;
}

bool FileWriter::Start() {
    if (file_.isOpen())
        return true;
    const QFileInfo info(target_);
    if (info.isDir())
        return Fail(target_, EISDIR);
    // A file its owner made read-only is not replaced behind their back.
    if (info.exists() && !info.isWritable())
        return Fail(target_, EACCES);
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary_ = BesideName(target_, "new");
        file_.setFileName(temporary_);
        if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            if (info.exists())
                file_.setPermissions(info.permissions());
            return true;
        }
        if (QFileInfo::exists(temporary_))
            continue;
        const QString why = file_.errorString();
        temporary_.clear();
        failed_ = true;
        problem_ = WriteProblem(target_, why);
        return false;
    }
    temporary_.clear();
    return Fail(target_, EEXIST);
}

bool FileWriter::write(const QByteArray& bytes) {
    if (failed_ || finished_ || !Start())
        return false;
    qint64 offset = 0;
    while (offset < bytes.size()) {
        // A short write is followed by one that says why (disk full, too large).
        const qint64 n = file_.write(bytes.constData() + offset, bytes.size() - offset);
        if (n <= 0) {
            failed_ = true;
            problem_ = WriteProblem(target_, file_.errorString());
            Discard();
            return false;
        }
        offset += n;
    }
    return true;
}

bool FileWriter::finish() {
    if (finished_)
        return true;
    if (failed_ || !Start())
        return false;
#ifndef Q_OS_WIN
    if (::fsync(file_.handle()) != 0)
        return Fail(target_, errno);
#endif
    file_.close();
    if (file_.error() != QFileDevice::NoError) {
        failed_ = true;
        problem_ = WriteProblem(target_, file_.errorString());
        Discard();
        return false;
    }
    finished_ = true;
    return true;
}

bool FileWriter::Place() {
    if (!RenameOver(temporary_, target_))
        return Fail(target_, errno);
    temporary_.clear();
    SyncFolderOf(target_);
    return true;
}

bool FileWriter::commit() {
    return finish() && Place();
}

void FileWriter::Discard() {
    if (file_.isOpen())
        file_.close();
    if (!temporary_.isEmpty())
        QFile::remove(temporary_);
    temporary_.clear();
    finished_ = false;
}

bool IsSameFile(const QString& a, const QString& b) {
#ifndef Q_OS_WIN
    // The file itself, whatever names and links lead to it.
    struct stat first {
    }, second{};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
#else
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath().compare(second.canonicalFilePath(), Qt::CaseInsensitive) == 0;
#endif
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, FileProblem* problem) {
    FileWriter writer(path);
    if (writer.write(bytes) && writer.commit())
        return true;
    if (problem)
        *problem = writer.problem();
    return false;
}

bool ReplaceFilesTogether(const QList<FileWriter*>& writers, FileProblem* problem) {
    const auto failed = [&](const FileWriter& writer) {
        if (problem)
            *problem = writer.problem();
        return false;
    };
    for (FileWriter* writer : writers)
        if (!writer->finish())
            return failed(*writer);
    QStringList asides;
    const auto dropAsides = [&] {
        for (const QString& aside : asides)
            if (!aside.isEmpty())
                QFile::remove(aside);
    };
    for (qsizetype i = 0; i < writers.size(); ++i) {
        asides << KeepAside(writers[i]->target());
        if (writers[i]->Place())
            continue;
        // Back to what was there: the previous content, or no file at all.
        for (qsizetype j = 0; j <= i; ++j) {
            if (!asides[j].isEmpty())
                RenameOver(asides[j], writers[j]->target());
            else if (j < i)
                QFile::remove(writers[j]->target());
        }
        // A link over its own file is not moved, only dropped.
        dropAsides();
        return failed(*writers[i]);
    }
    dropAsides();
    return true;
}

bool WriteFilesTogether(const QList<std::pair<QString, QByteArray>>& files, FileProblem* problem) {
    std::vector<std::unique_ptr<FileWriter>> owned;
    QList<FileWriter*> writers;
    for (const auto& [path, bytes] : files) {
        owned.push_back(std::make_unique<FileWriter>(path));
        if (!owned.back()->write(bytes)) {
            if (problem)
                *problem = owned.back()->problem();
            return false;
        }
        writers << owned.back().get();
    }
    return ReplaceFilesTogether(writers, problem);
}
