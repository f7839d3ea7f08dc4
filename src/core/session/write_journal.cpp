#include "core/session/write_journal.h"

#include "core/base/file_head.h"
#include "core/base/file_writer.h"
#include "core/model/image_file.h"
#include "core/session/backups.h"
#include "core/text/catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

// An entry is three files: ID.json (what was written where), ID.bin (the
// image) and, while the write is not known to have ended, ID.open.
constexpr qint64 kMaxEntryBytes = 64 * 1024;

QString PathOf(const QString& folder, const QString& id, const char* extension) {
    return folder + QLatin1Char('/') + id + QLatin1String(extension);
}

} // namespace

QString WriteJournal::DefaultFolder() {
    return QFileInfo(BackupFolder()).path() + QStringLiteral("/journal");
}

QString WriteJournal::Open(const JournalEntry& what, const RadioImage& image,
                           FileProblem* problem) {
    if (!QDir().mkpath(folder_)) {
        if (problem)
            *problem = WriteProblem(folder_ + QStringLiteral("/x"), {});
        return {};
    }
    const QString base = what.started.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString id = base;
    for (int n = 2; QFileInfo::exists(PathOf(folder_, id, ".json")); ++n)
        id = base + QStringLiteral("_%1").arg(n, 4, 10, QLatin1Char('0'));
    const QJsonObject record{{QStringLiteral("port"), what.port},
                             {QStringLiteral("model"), what.model},
                             {QStringLiteral("source"), what.source},
                             {QStringLiteral("started"), what.started.toString(Qt::ISODate)}};
    // The image and its description first: an open mark never names a missing entry.
    if (!WriteWholeFile(PathOf(folder_, id, ".bin"), ImageFileBytes(image), problem) ||
        !WriteWholeFile(PathOf(folder_, id, ".json"), QJsonDocument(record).toJson(), problem) ||
        !WriteWholeFile(PathOf(folder_, id, ".open"), {}, problem)) {
        for (const char* extension : {".bin", ".json"})
            QFile::remove(PathOf(folder_, id, extension));
        return {};
    }
    Prune();
    return id;
}

void WriteJournal::Close(const QString& id) {
    if (!id.isEmpty())
        QFile::remove(PathOf(folder_, id, ".open"));
}

QStringList WriteJournal::Ids() const {
    QStringList ids = QDir(folder_).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (QString& id : ids)
        id.chop(5);
    // By the time in the name; a later entry of the same millisecond after it.
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::optional<JournalEntry> WriteJournal::LastOpen() const {
    const QStringList ids = Ids();
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) {
        if (!QFileInfo::exists(PathOf(folder_, *id, ".open")))
            continue;
        QByteArray bytes;
        ReadFileHead(PathOf(folder_, *id, ".json"), kMaxEntryBytes, bytes);
        const QJsonObject record = QJsonDocument::fromJson(bytes).object();
        JournalEntry entry;
        entry.port = record.value(QStringLiteral("port")).toString();
        entry.model = record.value(QStringLiteral("model")).toString();
        entry.source = record.value(QStringLiteral("source")).toString();
        entry.started =
            QDateTime::fromString(record.value(QStringLiteral("started")).toString(), Qt::ISODate);
        entry.id = *id;
        entry.imagePath = PathOf(folder_, *id, ".bin");
        return entry;
    }
    return std::nullopt;
}

void WriteJournal::Prune() {
    const QStringList ids = Ids();
    for (qsizetype i = 0; i + kKept < ids.size(); ++i)
        for (const char* extension : {".open", ".bin", ".json"})
            QFile::remove(PathOf(folder_, ids.at(i), extension));
}

void JournalRecord::Started(const RadioImage& image) {
    Finished();
    what_.started = QDateTime::currentDateTime();
    // A journal that cannot be kept never stops the write: it only loses
    // the warning after a crash.
    open_ = journal_.Open(what_, image);
}

void JournalRecord::Finished() {
    journal_.Close(std::exchange(open_, {}));
}

QString UnfinishedWriteText(const JournalEntry& entry, const Catalogue& catalogue) {
    return catalogue.Text(TextId::UnfinishedWrite)
        .arg(entry.source, entry.port, entry.started.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}
