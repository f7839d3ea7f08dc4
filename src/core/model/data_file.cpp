#include "core/model/data_file.h"

#include "core/base/file_head.h"
#include "core/base/prompter.h"
#include "core/base/version_table.h"
#include "core/model/radio_model.h"
#include "core/model/record_io.h"
#include "core/text/catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

template <typename Visit> void ForEachUsedSlot(const RadioData& radio, Visit visit) {
    for (int v = 0; v < kBanks; ++v)
        for (int g = 1; g <= kGroups; ++g)
            for (int s = 1; s <= radio.ChannelCount(v, g); ++s)
                visit(v, s, g);
}

bool CountsValid(const RadioData& radio) {
    return std::all_of(radio.ChannelCount.items.begin(), radio.ChannelCount.items.end(),
                       [](int16_t c) { return c >= 0 && c <= kSlots; });
}

// Records past every group's full count are never read, so this is all of a
// companion that matters.
constexpr qint64 kMaxCompanionBytes = qint64(kBanks) * kGroups * kSlots * kChannelRecordBytes;

// Reads no more than a pair's file can use: a huge file costs no memory.
FileStatus ReadFileStart(const QString& path, qint64 limit, QByteArray& bytes, FileProblem* problem,
                         qint64* size = nullptr) {
    const FileHeadStatus status = ReadFileHead(path, limit, bytes, size);
    if (status == FileHeadStatus::Ok)
        return FileStatus::Ok;
    if (problem)
        *problem = ReadProblem(path);
    return status == FileHeadStatus::Missing ? FileStatus::Missing : FileStatus::IoError;
}

void Tell(FileProblem* problem, const FileProblem& what) {
    if (problem)
        *problem = what;
}

qint64 UsedSlotCount(const RadioData& radio) {
    qint64 count = 0;
    ForEachUsedSlot(radio, [&](int, int, int) { ++count; });
    return count;
}

bool WriteSaveFile(QSaveFile& file, const QByteArray& bytes) {
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

QString CompanionPathOf(const QString& dataPath) {
    return dataPath.left(std::max<qsizetype>(0, dataPath.size() - 3)) + QStringLiteral("fre");
}

QString DataFileNameFor(const QString& chosenPath) {
    return chosenPath.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive)
               ? chosenPath
               : chosenPath + QStringLiteral(".dat");
}

bool IsCompanionName(const QString& path) {
    return path.endsWith(QLatin1String(".fre"), Qt::CaseInsensitive);
}

QByteArray CompanionBytes(const RadioData& radio, const ChannelTable& channels) {
    QByteArray bytes;
    bytes.reserve(kBanks * kGroups * kSlots * kChannelRecordBytes);
    ForEachUsedSlot(radio,
                    [&](int v, int s, int g) { AppendChannelRecord(bytes, channels.at(v, s, g)); });
    return bytes;
}

FileStatus ReadCompanion(const QString& path, const RadioData& radio, ChannelTable& channels,
                         FileProblem* problem) {
    if (!CountsValid(radio)) {
        Tell(problem, {path, FileCause::CountsOutOfRange, {}});
        return FileStatus::BadCounts;
    }
    // A longer companion is valid: only the records the counts name are read.
    QByteArray bytes;
    if (const FileStatus status =
            ReadFileStart(path, UsedSlotCount(radio) * kChannelRecordBytes, bytes, problem);
        status != FileStatus::Ok)
        return status;
    ChannelTable read = channels;
    qsizetype offset = 0;
    bool complete = true;
    ForEachUsedSlot(radio, [&](int v, int s, int g) {
        complete = complete && ReadChannelRecord(bytes, offset, read.at(v, s, g));
        offset += kChannelRecordBytes;
    });
    if (!complete) {
        Tell(problem, {path, FileCause::CompanionTooShort, {}});
        return FileStatus::ShortCompanion;
    }
    channels = read;
    return FileStatus::Ok;
}

FileStatus WriteCompanion(const QString& path, const RadioData& radio,
                          const ChannelTable& channels) {
    QSaveFile file(path);
    if (!WriteSaveFile(file, CompanionBytes(radio, channels)) || !file.commit())
        return FileStatus::IoError;
    return FileStatus::Ok;
}

FileStatus ReadDataFilePair(const QString& dataPath, DataFilePair& pair, FileProblem* problem) {
    QByteArray bytes;
    if (const FileStatus status = ReadFileStart(dataPath, kRadioDataBytes, bytes, problem);
        status != FileStatus::Ok)
        return status;
    DataFilePair read = pair;
    if (!ReadRadioData(bytes, read.radio)) {
        Tell(problem, {dataPath, FileCause::TooShort, {}});
        return FileStatus::IoError;
    }
    if (const FileStatus status =
            ReadCompanion(CompanionPathOf(dataPath), read.radio, read.channels, problem);
        status != FileStatus::Ok)
        return status;
    pair = read;
    return FileStatus::Ok;
}

FileStatus WriteDataFilePair(const QString& dataPath, const RadioData& radio,
                             const ChannelTable& channels, FileProblem* problem) {
    // Both files are written completely beside their targets first; only then
    // are they put in place, companion first. Should the data file fail to go
    // in place, the previous companion is restored, so the pair stays matched.
    const QString companionPath = CompanionPathOf(dataPath);
    QSaveFile data(dataPath);
    QSaveFile companion(companionPath);
    const auto failed = [&](const QSaveFile& file) {
        Tell(problem, WriteProblem(file.fileName(), file.errorString()));
        return FileStatus::IoError;
    };
    if (!WriteSaveFile(data, WriteRadioData(radio)))
        return failed(data);
    if (!WriteSaveFile(companion, CompanionBytes(radio, channels)))
        return failed(companion);

    QByteArray previousCompanion;
    const bool hadCompanion = QFileInfo::exists(companionPath) &&
                              ReadFileStart(companionPath, kMaxCompanionBytes, previousCompanion,
                                            nullptr) == FileStatus::Ok;
    if (!companion.commit())
        return failed(companion);
    if (!data.commit()) {
        Tell(problem, WriteProblem(dataPath, data.errorString()));
        if (hadCompanion) {
            QSaveFile restore(companionPath);
            if (WriteSaveFile(restore, previousCompanion))
                restore.commit();
        } else {
            QFile::remove(companionPath);
        }
        return FileStatus::IoError;
    }
    return FileStatus::Ok;
}

bool SaveDataFile(RadioModel& model, const Catalogue& catalogue, Prompter& prompter) {
    const RadioData savedRadio = model.SavedRadioData;
    const ChannelTable savedChannels = model.SavedChannelTable;
    model.CommitToSnapshot();
    FileProblem problem;
    if (WriteDataFilePair(model.CurrentFileName, model.SavedRadioData, model.SavedChannelTable,
                          &problem) != FileStatus::Ok) {
        // What is on disk is still the previous state: the data stays changed.
        model.SavedRadioData = savedRadio;
        model.SavedChannelTable = savedChannels;
        prompter.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                      PromptIcon::Critical);
        return false;
    }
    model.IsUntitled = false;
    return true;
}

OpenResult OpenDataFile(RadioModel& model, const VersionTable& versions, const Catalogue& catalogue,
                        Prompter& prompter,
                        const std::function<void(const QString&)>& launchVersion) {
    const QString path = model.CurrentFileName;
    QByteArray bytes;
    qint64 size = 0;
    FileProblem problem;
    if (ReadFileStart(path, kRadioDataBytes, bytes, &problem, &size) != FileStatus::Ok) {
        prompter.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                      PromptIcon::Critical);
        return OpenResult::FileError;
    }

    const QString version = TrimText(QString::fromLatin1(bytes.left(4)));
    if (!IsVersionForm(version)) {
        prompter.tell(catalogue.Text(TextId::UnknownDataVersion), PromptIcon::Critical);
        return OpenResult::UnknownVersion;
    }
    if (!versions.IsCompatibleVersion(QString::fromLatin1(kSoftwareVersion), version)) {
        const QString question = IncompatibleVersionText(
            catalogue, QString::fromLatin1(kSoftwareVersion), version, VersionKind::DataFile);
        if (prompter.ask(question, PromptButtons::YesNo, PromptIcon::Question) ==
                PromptAnswer::Yes &&
            launchVersion)
            launchVersion(version);
        return OpenResult::IncompatibleVersion;
    }
    if (size != kRadioDataBytes || bytes.size() != kRadioDataBytes) {
        prompter.tell(catalogue.Text(TextId::VersionMissing) + QStringLiteral("\r\n") +
                          catalogue.Text(TextId::WrongLengthDetail).arg(size).arg(kRadioDataBytes),
                      PromptIcon::Critical);
        return OpenResult::WrongLength;
    }

    DataFilePair pair{model.SavedRadioData, model.SavedChannelTable};
    ReadRadioData(bytes, pair.radio);
    pair.radio.DataVersion.set(QString::fromLatin1(kSoftwareVersion));
    if (ReadCompanion(CompanionPathOf(path), pair.radio, pair.channels, &problem) !=
        FileStatus::Ok) {
        prompter.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                      PromptIcon::Critical);
        return OpenResult::FileError;
    }

    model.SavedRadioData = pair.radio;
    model.SavedChannelTable = pair.channels;
    model.AdoptSnapshot();
    model.IsUntitled = false;
    return OpenResult::Loaded;
}

QString WindowCaption(const RadioModel& model, const Catalogue& catalogue) {
    return model.ModelName + QLatin1Char('[') + model.BandText + QStringLiteral("][") +
           catalogue.Text(TextId::FileName) + QLatin1Char(':') + FileNameOf(model.CurrentFileName) +
           QLatin1Char(']');
}
