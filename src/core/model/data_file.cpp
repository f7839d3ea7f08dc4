#include "core/model/data_file.h"

#include "core/base/file_head.h"
#include "core/base/file_writer.h"
#include "core/base/prompter.h"
#include "core/base/version_table.h"
#include "core/model/freq_text.h"
#include "core/model/radio_model.h"
#include "core/model/record_io.h"
#include "core/text/catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool FreqTextPossible(const QString& text, bool mayBeEmpty) {
    // Empty or all F's stands for "no frequency", as the slot codec writes it.
    if (text.isEmpty() || text.compare(QLatin1String("FFFFFFFF"), Qt::CaseInsensitive) == 0)
        return mayBeEmpty || !text.isEmpty();
    return IsFreqDigits(text);
}

// A record no channel can have: what was read is not a companion (another
// file under its name, a CSV text, damage).
bool RecordPossible(const ChannelRecord& r) {
    const auto toneOk = [](int index) { return index >= 0 && index < kToneIndexCount; };
    // The mode is the slot's byte as the radio holds it, whatever the lists offer.
    return ValidSlot(r.ChannelNumber) && r.Mode >= 0 && r.Mode <= 0xFF && toneOk(r.ToneIndex) &&
           toneOk(r.TxToneIndex) && FreqTextPossible(r.RxFreq.text(), false) &&
           FreqTextPossible(r.TxFreq.text(), true);
}

// The companion's records for the counts of `radio` (already checked) into
// `channels`; `problem` names the data file's companion and, for a damaged
// record, which one.
FileStatus ReadCompanion(const QString& dataPath, const RadioData& radio, ChannelTable& channels,
                         FileProblem* problem) {
    const QString path = CompanionPathOf(dataPath);
    // A longer companion is valid: only the records the counts name are read.
    QByteArray bytes;
    if (const FileStatus status =
            ReadFileStart(path, UsedSlotCount(radio) * kChannelRecordBytes, bytes, problem);
        status != FileStatus::Ok)
        return status;
    ChannelTable read = channels;
    qsizetype offset = 0;
    bool complete = true;
    int badRecord = 0;
    ForEachUsedSlot(radio, [&](int v, int s, int g) {
        ChannelRecord& record = read.at(v, s, g);
        complete = complete && ReadChannelRecord(bytes, offset, record);
        offset += kChannelRecordBytes;
        if (complete && badRecord == 0 && !RecordPossible(record))
            badRecord = static_cast<int>(offset / kChannelRecordBytes);
    });
    if (!complete) {
        Tell(problem, {path, FileCause::CompanionTooShort, {}});
        return FileStatus::ShortCompanion;
    }
    if (badRecord > 0) {
        Tell(problem, {path, FileCause::ImpossibleRecord, {}, badRecord});
        return FileStatus::BadRecord;
    }
    channels = read;
    return FileStatus::Ok;
}

// The counts come from the data file, so a bad one is the data file's fault.
FileStatus CheckCounts(const QString& dataPath, const RadioData& radio, FileProblem* problem) {
    if (CountsValid(radio))
        return FileStatus::Ok;
    Tell(problem, {dataPath, FileCause::CountsOutOfRange, {}});
    return FileStatus::BadCounts;
}

// A data file's name has the companion's three last characters after its folder.
bool CompanionInFolder(const QString& dataPath) {
    const QFileInfo data(dataPath);
    return data.fileName().size() >= 3 &&
           QFileInfo(CompanionPathOf(dataPath)).absolutePath() == data.absolutePath();
}

// A regular file that starts as a data file does: its version, and the
// length of its record.
bool LooksLikeDataFile(const QFileInfo& file) {
    QByteArray head;
    return file.isFile() && file.size() == kRadioDataBytes &&
           ReadFileHead(file.filePath(), 4, head) == FileHeadStatus::Ok &&
           IsVersionForm(QString::fromLatin1(head));
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

CompanionCheck CheckCompanion(const QString& dataPath) {
    const QString companion = CompanionPathOf(dataPath);
    if (!CompanionInFolder(dataPath))
        return {CompanionUse::OutsideFolder, companion, {}};
    const QFileInfo data(dataPath);
    const QString name = data.fileName();
    const QString stem = name.left(name.size() - 3);
    const QDir folder = data.absoluteDir();
    // Every name of the folder that differs only in its last three characters
    // ("plan.DAT", "plan.old") has the same companion.
    for (const QString& other : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (other == name || other.size() != name.size() || !other.startsWith(stem) ||
            other == stem + QStringLiteral("fre"))
            continue;
        const QFileInfo file(folder.filePath(other));
        if (!IsSameFile(file.filePath(), dataPath) && LooksLikeDataFile(file))
            return {CompanionUse::Shared, companion, dataPath.chopped(name.size()) + other};
    }
    return {CompanionUse::Own, companion, {}};
}

QString CompanionCheckText(const Catalogue& catalogue, const QString& dataPath,
                           const CompanionCheck& check, bool writing) {
    const auto shown = [](const QString& path) { return QDir::toNativeSeparators(path); };
    switch (check.use) {
    case CompanionUse::OutsideFolder:
        return catalogue.Text(TextId::CompanionOutsideFolder)
            .arg(shown(dataPath), shown(check.companion));
    case CompanionUse::Shared:
        return catalogue.Text(writing ? TextId::CompanionSharedWrite : TextId::CompanionSharedOpen)
            .arg(shown(dataPath), shown(check.companion), shown(check.other));
    default:
        return {};
    }
}

namespace {

FileStatus ReadPairCompanion(const QString& dataPath, DataFilePair& pair, FileProblem* problem) {
    if (const FileStatus status = CheckCounts(dataPath, pair.radio, problem);
        status != FileStatus::Ok)
        return status;
    if (!CompanionInFolder(dataPath)) {
        Tell(problem, {dataPath, FileCause::NoCompanionName, {}});
        return FileStatus::Missing;
    }
    return ReadCompanion(dataPath, pair.radio, pair.channels, problem);
}

} // namespace

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
    if (const FileStatus status = ReadPairCompanion(dataPath, read, problem);
        status != FileStatus::Ok)
        return status;
    pair = read;
    return FileStatus::Ok;
}

QList<std::pair<QString, QByteArray>> DataFilePairContents(const QString& dataPath,
                                                           const RadioData& radio,
                                                           const ChannelTable& channels) {
    // The companion goes in place first: should the data file then fail, the
    // previous companion comes back and the pair stays matched.
    return {{CompanionPathOf(dataPath), CompanionBytes(radio, channels)},
            {dataPath, WriteRadioData(radio)}};
}

FileStatus WriteDataFilePair(const QString& dataPath, const RadioData& radio,
                             const ChannelTable& channels, FileProblem* problem) {
    return WriteFilesTogether(DataFilePairContents(dataPath, radio, channels), problem)
               ? FileStatus::Ok
               : FileStatus::IoError;
}

bool SaveDataFile(RadioModel& model, const Catalogue& catalogue, Prompter& prompter) {
    if (const CompanionCheck check = CheckCompanion(model.CurrentFileName);
        check.use != CompanionUse::Own) {
        prompter.tell(CompanionCheckText(catalogue, model.CurrentFileName, check, true),
                      PromptIcon::Exclamation);
        return false;
    }
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
        prompter.tell(WithProblem(catalogue.Text(TextId::UnknownDataVersion), catalogue,
                                  {path, FileCause::NotDataVersion, {}}),
                      PromptIcon::Critical);
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
        prompter.tell(
            WithProblem(catalogue.Text(TextId::VersionMissing), catalogue,
                        {path, FileCause::Other,
                         catalogue.Text(TextId::WrongLengthDetail).arg(size).arg(kRadioDataBytes)}),
            PromptIcon::Critical);
        return OpenResult::WrongLength;
    }

    DataFilePair pair{model.SavedRadioData, model.SavedChannelTable};
    ReadRadioData(bytes, pair.radio);
    pair.radio.DataVersion.set(QString::fromLatin1(kSoftwareVersion));
    if (ReadPairCompanion(path, pair, &problem) != FileStatus::Ok) {
        prompter.tell(WithProblem(catalogue.Text(TextId::FileError), catalogue, problem),
                      PromptIcon::Critical);
        return OpenResult::FileError;
    }

    model.SavedRadioData = pair.radio;
    model.SavedChannelTable = pair.channels;
    model.AdoptSnapshot();
    // A save must not go through a companion another data file owns too.
    const CompanionCheck check = CheckCompanion(path);
    model.IsUntitled = check.use != CompanionUse::Own;
    if (model.IsUntitled)
        prompter.tell(CompanionCheckText(catalogue, path, check, false), PromptIcon::Exclamation);
    return OpenResult::Loaded;
}

QString WindowCaption(const RadioModel& model, const Catalogue& catalogue) {
    return model.ModelName + QLatin1Char('[') + model.BandText + QStringLiteral("][") +
           catalogue.Text(TextId::FileName) + QLatin1Char(':') + FileNameOf(model.CurrentFileName) +
           QLatin1Char(']');
}
