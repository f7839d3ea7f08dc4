// zr4400-cli: the programmer's core without windows, for scripts and tests.

#include "core/base/file_writer.h"
#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/image_file.h"
#include "core/session/config_compare.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"
#include "programs/zr4400-cli/link_commands.h"
#include "programs/zr4400-cli/plan_commands.h"
#include "programs/zr4400-cli/show_command.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const char* const kUsage =
    "usage: zr4400-cli COMMAND ARGUMENTS [OPTIONS]\n"
    "  decode IMAGE OUT.dat                 a 16384-byte memory image to a data file pair\n"
    "  encode IN.dat OUT.bin                a data file pair to the image a write sends\n"
    "  show IN.dat [--json]                 the configuration in readable form\n"
    "  diff A B                             what differs between two data files or images\n"
    "  export-csv IN.dat OUT.csv            the channel plan as a CSV file\n"
    "  import-csv IN.dat PLAN.csv OUT.dat   a channel plan taken into a data file pair\n"
    "  read PORT OUT.dat                    read a radio into a data file pair\n"
    "  write PORT IN.dat                    write a data file pair into a radio\n"
    "  group-write PORT[,PORT] IN.dat       write it into --count N radios (ports side by side)\n"
    "  dump PORT IMAGE.bin                  read a radio's raw memory image\n"
    "  restore PORT IMAGE.bin               write a raw memory image into a radio\n"
    "  ports                                the serial ports and their COM numbers\n"
    "  --help | --version                   this text, or the version\n"
    "PORT is COMn (see 'ports') or a device path. Options:\n"
    "  --count N        group-write: the number of radios to write\n"
    "  --wait SECONDS   group-write: give up waiting for the next radio after that long\n"
    "  --verify         write, restore, group-write: read each radio back and compare\n"
    "  --no-backup      read, dump: keep no copy in the backup folder\n"
    "  --retries N      answer Retry/OK to N link prompts before giving up (default 0)\n"
    "  --trace FILE     log every packet, with times, as hex (or set ZR4400_TRACE)\n"
    "  --json           show: JSON instead of text\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return ExitUsage;
}

// Options after the command's words: --name VALUE pairs and plain flags.
struct Options {
    QStringList words;
    QMap<QString, QString> values;
    QStringList flags;
    bool valid = true;

    std::optional<int> number(const QString& name) const {
        if (!values.contains(name))
            return std::nullopt;
        bool ok = false;
        const int n = values.value(name).toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }
};

Options ParseOptions(const QStringList& args, const QStringList& valued, const QStringList& flags) {
    Options o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--"))) {
            o.words << a;
        } else if (valued.contains(a) && i + 1 < args.size()) {
            o.values.insert(a, args[++i]);
        } else if (flags.contains(a)) {
            o.flags << a;
        } else {
            o.valid = false;
        }
    }
    return o;
}

void PrintFileError(const CliSession& s, const FileProblem& problem) {
    PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
}

int Decode(CliSession& s, const QString& imagePath, const QString& outPath) {
    if (const int status = CheckOutput(s, outPath, {imagePath}); status != ExitOk)
        return status;
    if (const int status = ReadImageFile(s, imagePath); status != ExitOk)
        return status;
    CompleteRead(s.model);
    s.model.CurrentFileName = outPath;
    return SaveDataFile(s.model, s.catalogue, s.prompter) ? ExitOk : ExitIoError;
}

int Encode(CliSession& s, const QString& inPath, const QString& outPath) {
    if (const int status = CheckOutput(s, outPath, PairFiles(inPath)); status != ExitOk)
        return status;
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    PrepareImage(s.model.image);
    EncodeImage(s.model);
    return WriteImageFile(s, outPath);
}

bool IsImageFile(const QString& path) {
    const QFileInfo file(path);
    return file.isFile() && file.size() == kImageSize;
}

// A data file pair, or a 16384-byte memory image decoded as a read would.
int LoadConfiguration(CliSession& s, const QString& path, const RadioModel& fresh) {
    s.model = fresh;
    if (!IsImageFile(path))
        return OpenInput(s, path);
    if (const int status = ReadImageFile(s, path); status != ExitOk)
        return status;
    CompleteRead(s.model);
    return ExitOk;
}

int Diff(CliSession& s, const QString& a, const QString& b) {
    const RadioModel fresh = s.model;
    RadioModel first;
    if (const int status = LoadConfiguration(s, a, fresh); status != ExitOk)
        return status;
    first = s.model;
    if (const int status = LoadConfiguration(s, b, fresh); status != ExitOk)
        return status;
    QStringList lines = CompareConfigs(first, s.model, s.catalogue);
    if (IsImageFile(a) && IsImageFile(b))
        if (const int other = OtherBytesDiffering(first, s.model); other > 0)
            lines << s.catalogue.Counted(TextId::CmpOtherBytes, other).arg(other);
    for (const QString& line : lines)
        std::printf("%s\n", qPrintable(line));
    return lines.isEmpty() ? ExitOk : ExitDiffers;
}

int Show(CliSession& s, const QString& inPath, bool json) {
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    const QByteArray text = json ? ShowJson(s.model) : ShowText(s.model);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return ExitOk;
}

} // namespace

void PrintError(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(QString(text).replace(QLatin1String("\r\n"), "\n")));
}

QStringList PairFiles(const QString& dataPath) {
    return {dataPath, CompanionPathOf(dataPath)};
}

int CheckOutput(const CliSession& s, const QString& path, const QStringList& inputs) {
    const bool dataFile = path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive);
    if (const CompanionCheck check = CheckCompanion(path);
        dataFile && check.use != CompanionUse::Own) {
        PrintError(CompanionCheckText(s.catalogue, path, check, true));
        return ExitUsage;
    }
    const QStringList paths = dataFile ? PairFiles(path) : QStringList{path};
    for (const QString& p : paths) {
        for (const QString& input : inputs) {
            if (IsSameFile(p, input)) {
                PrintError(s.catalogue.Text(TextId::OutputIsInput).arg(p));
                return ExitUsage;
            }
        }
    }
    for (const QString& p : paths) {
        if (const FileProblem problem = WriteProblem(p, {}); problem.known()) {
            PrintFileError(s, problem);
            return ExitCannotCreate;
        }
    }
    return ExitOk;
}

int ReadImageFile(CliSession& s, const QString& path) {
    FileProblem problem;
    qint64 size = 0;
    switch (::ReadImageFile(path, s.model.image, &problem, &size)) {
    case ImageFileStatus::Ok:
        return ExitOk;
    case ImageFileStatus::WrongSize:
        PrintError(QStringLiteral("%1: a memory image is %2 bytes, this file has %3.")
                       .arg(path)
                       .arg(kImageSize)
                       .arg(size));
        return ExitBadData;
    case ImageFileStatus::Unreadable:
        PrintFileError(s, problem);
        return ExitIoError;
    default:
        PrintFileError(s, problem);
        return ExitNoInput;
    }
}

int WriteImageFile(const CliSession& s, const QString& path) {
    FileProblem problem;
    if (::WriteImageFile(path, s.model.image, &problem))
        return ExitOk;
    PrintFileError(s, problem);
    return ExitIoError;
}

int OpenInput(CliSession& s, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        PrintFileError(s, ReadProblem(path));
        return ExitNoInput;
    }
    s.model.CurrentFileName = path;
    switch (OpenDataFile(s.model, s.versions, s.catalogue, s.prompter)) {
    case OpenResult::Loaded:
        return ExitOk;
    case OpenResult::FileError:
        return QFileInfo(CompanionPathOf(path)).isFile() ? ExitBadData : ExitNoInput;
    default:
        return ExitBadData;
    }
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(kUsage, stdout);
        return ExitOk;
    }
    if (command == QLatin1String("--version")) {
        std::printf("zr4400-cli %s\n", ZR_VERSION);
        return ExitOk;
    }
    const Options o = ParseOptions(args, {"--retries", "--trace", "--count", "--wait"},
                                   {"--json", "--no-backup", "--verify"});
    if (!o.valid)
        return Usage();
    const std::optional<int> retries = o.number("--retries");
    if (o.values.contains("--retries") && (!retries || *retries < 0))
        return Usage();
    const QString trace = o.values.value("--trace");
    const QStringList& w = o.words;
    const bool plain = o.values.isEmpty() && o.flags.isEmpty();
    const auto flagsWithin = [&o](const QString& allowed) {
        return std::all_of(o.flags.begin(), o.flags.end(),
                           [&](const QString& flag) { return flag == allowed; });
    };

    CliSession session(retries.value_or(0));
    // A new data file's name ends in ".dat", so its companion can't take
    // another file's name; a companion's own name is refused.
    const bool writesDataFile =
        ((command == QLatin1String("decode") || command == QLatin1String("read")) &&
         w.size() == 2) ||
        (command == QLatin1String("import-csv") && w.size() == 3);
    if (writesDataFile && IsCompanionName(w.last())) {
        PrintError(session.catalogue.Text(TextId::DataNameIsCompanion));
        return ExitUsage;
    }
    const QString dataOut = writesDataFile ? DataFileNameFor(w.last()) : QString();
    if (command == QLatin1String("decode") && w.size() == 2 && plain)
        return Decode(session, w[0], dataOut);
    if (command == QLatin1String("encode") && w.size() == 2 && plain)
        return Encode(session, w[0], w[1]);
    if (command == QLatin1String("show") && w.size() == 1 && o.values.isEmpty() &&
        flagsWithin("--json"))
        return Show(session, w[0], o.flags.contains("--json"));
    if (command == QLatin1String("diff") && w.size() == 2 && plain)
        return Diff(session, w[0], w[1]);
    if (command == QLatin1String("export-csv") && w.size() == 2 && plain)
        return ExportPlan(session, w[0], w[1]);
    if (command == QLatin1String("import-csv") && w.size() == 3 && plain)
        return ImportPlan(session, w[0], w[1], dataOut);
    if (command == QLatin1String("ports") && w.isEmpty() && plain)
        return RunPorts(session);
    const bool backup = !o.flags.contains("--no-backup");
    const bool reads = command == QLatin1String("read") || command == QLatin1String("dump");
    const bool writes = command == QLatin1String("write") || command == QLatin1String("restore") ||
                        command == QLatin1String("group-write");
    if (!(reads    ? flagsWithin("--no-backup")
          : writes ? flagsWithin("--verify")
                   : o.flags.isEmpty()))
        return Usage();
    const bool verify = o.flags.contains("--verify");
    if (o.values.contains("--wait") && command != QLatin1String("group-write"))
        return Usage();
    if (command == QLatin1String("read") && w.size() == 2 && !o.values.contains("--count"))
        return RunRead(session, w[0], dataOut, trace, ReadOutput::DataFile, backup);
    if (command == QLatin1String("dump") && w.size() == 2 && !o.values.contains("--count"))
        return RunRead(session, w[0], w[1], trace, ReadOutput::RawImage, backup);
    WriteOptions write{0, trace, verify, 0};
    if (command == QLatin1String("restore") && w.size() == 2 && !o.values.contains("--count") &&
        !o.values.contains("--wait"))
        return RunRestore(session, w[0], w[1], write);
    if (command == QLatin1String("write") && w.size() == 2 && !o.values.contains("--count") &&
        !o.values.contains("--wait"))
        return RunWrite(session, w[0], w[1], write);
    if (command == QLatin1String("group-write") && w.size() == 2) {
        const std::optional<int> count = o.number("--count");
        const std::optional<int> wait = o.number("--wait");
        if (!count || *count < 1 || (o.values.contains("--wait") && (!wait || *wait < 1)))
            return Usage();
        write.radios = *count;
        write.waitSeconds = wait.value_or(0);
        return RunWrite(session, w[0], w[1], write);
    }
    return Usage();
}
