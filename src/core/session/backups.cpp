#include "core/session/backups.h"

#include "core/model/data_file.h"
#include "core/model/radio_model.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace {

const QRegularExpression& BackupName() {
    static const QRegularExpression name(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}_\\d{6}_[A-Za-z0-9]*(?:_\\d+)?)\\.(bin|dat|fre)$"));
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
    QSaveFile out(image);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(model.image.data()), kImageSize) != kImageSize ||
        !out.commit())
        return {{}, WriteProblem(image, out.errorString())};
    // The decoded data as a save would store it.
    RadioModel decoded = model;
    decoded.CommitToSnapshot();
    FileProblem problem;
    if (WriteDataFilePair(dir.filePath(stem + QStringLiteral(".dat")), decoded.SavedRadioData,
                          decoded.SavedChannelTable, &problem) != FileStatus::Ok)
        return {{}, problem};
    PruneBackups(folder);
    return {image, {}};
}

void PruneBackups(const QString& folder, int keep) {
    QDir dir(folder);
    QStringList stems;
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString& name : files)
        if (const auto m = BackupName().match(name); m.hasMatch() && !stems.contains(m.captured(1)))
            stems << m.captured(1);
    // Names start with the date and time, so they sort oldest first.
    std::sort(stems.begin(), stems.end());
    const QStringList old = stems.mid(0, std::max<qsizetype>(0, stems.size() - keep));
    for (const QString& name : files)
        if (const auto m = BackupName().match(name); m.hasMatch() && old.contains(m.captured(1)))
            dir.remove(name);
}
