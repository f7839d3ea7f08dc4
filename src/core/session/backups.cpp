#include "core/session/backups.h"

#include "core/base/file_writer.h"
#include "core/model/data_file.h"
#include "core/model/image_file.h"
#include "core/model/radio_model.h"

#include <QDir>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Date and time, model code, the number of a second backup in the same second.
const QRegularExpression& BackupName() {
    static const QRegularExpression name(QStringLiteral(
        "^((\\d{4}-\\d{2}-\\d{2}_\\d{6})_([A-Za-z0-9]*)(?:_(\\d+))?)\\.(bin|dat|fre)$"));
    return name;
}

constexpr const char* kExtensions[] = {".bin", ".dat", ".fre"};

QString FreeStem(const QDir& dir, const QString& base) {
    for (int n = 1;; ++n) {
        const QString stem = n == 1 ? base : base + QStringLiteral("_%1").arg(n);
        const bool taken = std::any_of(std::begin(kExtensions), std::end(kExtensions),
                                       [&](const char* ext) { return dir.exists(stem + ext); });
        if (!taken)
            return stem;
    }
}

} // namespace

QString BackupFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/zr4400/backups");
}

BackupResult StoreBackup(const RadioModel& model, const QDateTime& when, const QString& folder) {
    if (!QDir().mkpath(folder))
        return {{}, WriteProblem(folder + QStringLiteral("/x"), {})};
    const QDir dir(folder);
    QString code = model.ModelCode;
    code.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
    const QString stem = FreeStem(dir, when.toString(QStringLiteral("yyyy-MM-dd_HHmmss_")) + code);
    const QString image = dir.filePath(stem + QStringLiteral(".bin"));
    // The decoded data as a save would store it; all three files or none.
    RadioModel decoded = model;
    decoded.CommitToSnapshot();
    auto files = DataFilePairContents(dir.filePath(stem + QStringLiteral(".dat")),
                                      decoded.SavedRadioData, decoded.SavedChannelTable);
    files.prepend({image, ImageFileBytes(model.image)});
    FileProblem problem;
    if (!WriteFilesTogether(files, &problem))
        return {{}, problem};
    PruneBackups(folder);
    return {image, {}};
}

QList<BackupEntry> ListBackups(const QString& folder) {
    const QDir dir(folder);
    // By the name's date and time (which sort as text), then its number.
    using Key = std::pair<QString, int>;
    QMap<QString, std::pair<Key, BackupEntry>> found;
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = BackupName().match(name);
        if (!m.hasMatch())
            continue;
        auto& [key, entry] = found[m.captured(1)];
        key = {m.captured(2), m.captured(4).isEmpty() ? 1 : m.captured(4).toInt()};
        entry.number = key.second;
        entry.stem = dir.filePath(m.captured(1));
        entry.when = QDateTime::fromString(m.captured(2), QStringLiteral("yyyy-MM-dd_HHmmss"));
        entry.model = m.captured(3);
        entry.hasImage = entry.hasImage || m.captured(5) == QLatin1String("bin");
        entry.hasData = entry.hasData || m.captured(5) == QLatin1String("dat");
    }
    QList<std::pair<Key, BackupEntry>> sorted = found.values();
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<BackupEntry> list;
    for (const auto& item : sorted)
        list << item.second;
    return list;
}

void PruneBackups(const QString& folder, int keep) {
    QDir dir(folder);
    const QList<BackupEntry> list = ListBackups(folder);
    for (qsizetype i = std::max(keep, 0); i < list.size(); ++i)
        for (const char* extension : kExtensions)
            dir.remove(list[i].stem + QLatin1String(extension));
}
