// Every writer of the programs on a full disk (a file-size limit, so no root
// is needed): the write fails and says why, the file it would have replaced
// is byte for byte as before, and nothing is left beside it.

#include "core/base/file_writer.h"
#include "core/base/ini_file.h"
#include "core/editing/channel_plan.h"
#include "core/editing/tone_samples.h"
#include "core/model/data_file.h"
#include "core/model/image_file.h"
#include "core/session/backups.h"
#include "core/text/catalogue.h"
#include "support/default_model.h"
#include "support/rows.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace {

// No file of this process may grow past `bytes` while it lives; a write
// beyond fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

// Every group of both banks full: a companion of 44,160 bytes, more than a
// write buffer holds.
RadioModel FullModel() {
    RadioModel m = DefaultModel();
    for (int bank = 0; bank < kBanks; ++bank)
        for (int group = 1; group <= kGroups; ++group)
            for (int n = m.radio.ChannelCount(bank, group) + 1; n <= kSlots; ++n)
                m.AppendChannel(n, bank, group, bank == 0 ? "27.0" : "28.5");
    return m;
}

// What a writer is given: the folder holding the files it replaces. It
// returns the cause line it reports (empty when the write succeeded).
using Writer = std::function<QString(const QString& folder)>;

struct FullDiskRow {
    const char* name;
    qint64 limit;
    QStringList existing; // files the write would replace, filled with old bytes
    Writer write;
};

// Nothing when the write succeeded, else the cause line it reports.
QString Said(bool written, const FileProblem& problem) {
    return written ? QString() : FileProblemLine(Catalogue(), problem);
}

QString SavePair(const QString& folder, RadioModel m) {
    m.CurrentFileName = folder + "/a.dat";
    m.radio.Options.MicGain = 3;
    Catalogue c;
    ScriptedPrompter p;
    if (SaveDataFile(m, c, p))
        return {};
    // The changed mark and the want of a name stay: Exit still asks, the data is not lost.
    return m.IsModified() && m.IsUntitled ? p.texts().join("|") : QStringLiteral("marked saved");
}

QMap<QString, QByteArray> Contents(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path.mid(folder.size()), ReadFile(path));
    }
    return files;
}

const QString kTooLarge = QString::fromLocal8Bit(std::strerror(EFBIG));

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT
private slots:
    void everyWriterLeavesTheOldFile_data() {
        const QStringList pair{"a.dat", "a.fre"};
        AddRows<FullDiskRow>({
            {"data pair", 1000, pair, [](const QString& f) { return SavePair(f, DefaultModel()); }},
            {"data pair, companion cut late", 40000, pair,
             [](const QString& f) { return SavePair(f, FullModel()); }},
            {"memory image",
             16000,
             {"a.bin"},
             [](const QString& f) {
                 FileProblem p;
                 return Said(WriteImageFile(f + "/a.bin", RadioImage{}, &p), p);
             }},
            {"channel plan",
             1000,
             {"a.csv"},
             [](const QString& f) {
                 FileProblem p;
                 return Said(WritePlanFile(f + "/a.csv", DefaultModel(), &p), p);
             }},
            {"backup",
             10000,
             {"b/2026-12-01_080000_PK2323.bin"},
             [](const QString& f) {
                 const BackupResult r =
                     StoreBackup(DefaultModel(), QDateTime::currentDateTime(), f + "/b");
                 return Said(!r.imagePath.isEmpty(), r.problem);
             }},
            {"settings",
             100,
             {"language/mysetup.ini", "user/mysetup.ini"},
             [](const QString& f) {
                 IniFile ini(f + "/language/mysetup.ini", f + "/user/mysetup.ini");
                 if (ini.setValue("language", "comPort", "7"))
                     return QString();
                 // The settings in force are still read from where they are.
                 return ini.value("ports", "old").size() == 200 ? ini.writeError()
                                                                : QStringLiteral("lost");
             }},
            {"tone sound",
             20000,
             {"a.wav"},
             [](const QString& f) {
                 FileProblem p;
                 const RadioModel m = DefaultModel();
                 return Said(WriteToneWav(f + "/a.wav", m.radio.Tones[1], kWavSampleRate, &p), p);
             }},
            {"picture",
             30000,
             {"a.png"},
             [](const QString& f) {
                 FileProblem p;
                 return Said(WriteWholeFile(f + "/a.png", QByteArray(50000, 'p'), &p), p);
             }},
        });
    }

    void everyWriterLeavesTheOldFile() {
        QFETCH(FullDiskRow, row);
        QTemporaryDir dir;
        for (const QString& name : row.existing) {
            QDir().mkpath(QFileInfo(dir.filePath(name)).absolutePath());
            // A settings file the program can read: its [ports] must survive.
            QVERIFY(WriteFile(dir.filePath(name), "[language]\ncomPort=1\n[ports]\nold=" +
                                                      QByteArray(200, 'o') + "\n"));
        }
        const auto before = Contents(dir.path());
        QString said;
        {
            FileSizeLimit limit(row.limit);
            said = row.write(dir.path());
        }
        QVERIFY2(said.contains(kTooLarge), qPrintable(said));
        QCOMPARE(Contents(dir.path()), before);
        // Without the limit the same write succeeds: the row fails for the right reason.
        QCOMPARE(row.write(dir.path()), QString());
        QVERIFY(Contents(dir.path()) != before);
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "test_full_disk.moc"
