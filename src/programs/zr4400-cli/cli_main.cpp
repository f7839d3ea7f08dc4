// zr4400-cli: the programmer's core without windows, for scripts and tests.

#include "core/base/file_writer.h"
#include "core/codec/image_check.h"
#include "core/codec/image_codec.h"
#include "core/model/data_file.h"
#include "core/model/image_file.h"
#include "core/session/config_compare.h"
#include "programs/zr4400-cli/cli_session.h"
#include "programs/zr4400-cli/exit_codes.h"
#include "programs/zr4400-cli/link_commands.h"
#include "programs/zr4400-cli/plan_commands.h"
#include "programs/zr4400-cli/print_command.h"
#include "programs/zr4400-cli/show_command.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// A command: the arguments it takes, as the usage names them, what it does,
// and the options it takes (separated by blanks).
struct CommandForm {
    const char* name;
    const char* arguments;
    int words;
    const char* summary;
    const char* options;
};

constexpr CommandForm kCommands[] = {
    {"decode", "IMAGE OUT.dat", 2, "a 16384-byte memory image to a data file pair", ""},
    {"encode", "IN.dat OUT.bin", 2, "a data file pair to the image a write sends", ""},
    {"show", "IN.dat [--json]", 1, "the configuration in readable form", "--json"},
    {"diff", "A B", 2, "what differs between two data files or images (A may be a PORT)",
     "--no-backup --retries --trace"},
    {"export-csv", "IN.dat OUT.csv", 2, "the channel plan as a CSV file", ""},
    {"import-csv", "IN.dat PLAN.csv OUT.dat", 3, "a channel plan taken into a data file pair", ""},
    {"read", "PORT OUT.dat", 2, "read a radio into a data file pair",
     "--no-backup --retries --trace"},
    {"write", "PORT IN.dat", 2, "write a data file pair into a radio",
     "--verify --retries --trace"},
    {"group-write", "PORT[,PORT] IN.dat", 2, "write it into --count N radios (ports side by side)",
     "--count --wait --verify --retries --trace"},
    {"dump", "PORT IMAGE.bin", 2, "read a radio's raw memory image",
     "--no-backup --retries --trace"},
    {"restore", "PORT IMAGE.bin", 2, "write a raw memory image into a radio",
     "--verify --force --retries --trace"},
    {"resume", "[PORT]", -1, "write the image of an unfinished write again",
     "--dismiss --verify --retries --trace"},
    {"print", "IN.dat OUT.pdf", 2, "the programming sheet as a PDF", "--language --groups --page"},
    {"ports", "", 0, "the serial ports and their COM numbers", ""},
};

// The options followed by a value.
const QStringList kValued{"--retries",  "--trace",  "--count", "--wait",
                          "--language", "--groups", "--page"};

const char* const kOptionsUsage =
    "PORT is COMn (see 'ports') or a device path. Options:\n"
    "  --count N        group-write: the number of radios to write\n"
    "  --wait SECONDS   group-write: give up waiting for the next radio after that long\n"
    "  --verify         write, restore, group-write: read each radio back and compare\n"
    "  --force          restore: also an image that does not look like this model's memory\n"
    "  --no-backup      read, dump, diff: keep no copy in the backup folder\n"
    "  --dismiss        resume: forget the unfinished write without writing\n"
    "  --retries N      answer Retry/OK to N link prompts before giving up (default 0)\n"
    "  --trace FILE     log every packet, with times, as hex (or set ZR4400_TRACE)\n"
    "  --json           show: JSON instead of text\n"
    "  --language en|zh print: the sheet's language (default en)\n"
    "  --groups CB:A,HF:B  print: these groups only (default every group with channels)\n"
    "  --page a4|letter print: the paper (default a4)\n";

QString UsageText() {
    QString text = QStringLiteral("usage: zr4400-cli COMMAND ARGUMENTS [OPTIONS]\n");
    const auto line = [&text](const QString& command, const char* summary) {
        text += QStringLiteral("  %1 %2\n").arg(command, -36).arg(QLatin1String(summary));
    };
    for (const CommandForm& command : kCommands)
        line(QStringLiteral("%1 %2").arg(QLatin1String(command.name),
                                         QLatin1String(command.arguments)),
             command.summary);
    line(QStringLiteral("--help | --version"), "this text, or the version");
    return text + QLatin1String(kOptionsUsage);
}

// The usage text, after the line saying what was wrong.
int Usage(const QString& problem = {}) {
    if (!problem.isEmpty())
        PrintError(problem);
    std::fputs(qPrintable(UsageText()), stderr);
    return ExitUsage;
}

// The command's words and options, or what was wrong with them.
struct Options {
    QStringList words;
    QMap<QString, QString> values;
    QStringList flags;
    QString problem;

    std::optional<int> number(const QString& name) const {
        if (!values.contains(name))
            return std::nullopt;
        bool ok = false;
        const int n = values.value(name).toInt(&ok);
        return ok ? std::optional<int>(n) : std::nullopt;
    }
};

Options ParseOptions(const Catalogue& c, const CommandForm& command, const QStringList& args) {
    Options o;
    const QStringList allowed =
        QString::fromLatin1(command.options).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < args.size() && o.problem.isEmpty(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--")))
            o.words << a;
        else if (!allowed.contains(a))
            o.problem = c.Text(TextId::UsageNotAnOption).arg(a, QLatin1String(command.name));
        else if (!kValued.contains(a))
            o.flags << a;
        else if (i + 1 < args.size())
            o.values.insert(a, args[++i]);
        else
            o.problem = c.Text(TextId::UsageNeedsValue).arg(a);
    }
    return o;
}

// What is wrong with a command line, in one line; "" when nothing is.
QString UsageProblem(const Catalogue& c, const CommandForm& command, const Options& o) {
    if (!o.problem.isEmpty())
        return o.problem;
    const QLatin1String name(command.name);
    // A negative count: that many optional words at most.
    if (command.words >= 0 ? o.words.size() != command.words : o.words.size() > -command.words)
        return c.Text(TextId::UsageArguments)
            .arg(QStringLiteral("%1 %2").arg(name, QLatin1String(command.arguments)).trimmed());
    for (const auto& [option, least] :
         {std::pair<QString, int>{"--retries", 0}, {"--count", 1}, {"--wait", 1}})
        if (o.values.contains(option) && o.number(option).value_or(-1) < least)
            return c.Text(TextId::UsageNumber).arg(option).arg(least).arg(o.values.value(option));
    if (name == QLatin1String("group-write") && !o.values.contains("--count"))
        return c.Text(TextId::UsageNeedsCount);
    if (name == QLatin1String("print"))
        if (QString problem =
                UsagePrintProblem(c, o.values.value("--language"),
                                  o.values.value("--groups", QString()), o.values.value("--page"));
            !problem.isEmpty())
            return problem;
    if (QLatin1String(command.arguments).contains(QLatin1String("PORT")) && !o.words.isEmpty() &&
        o.words[0].split(QLatin1Char(',')).contains(QString()))
        return c.Text(TextId::UsageEmptyPort);
    return {};
}

void PrintFileError(const CliSession& s, const FileProblem& problem) {
    PrintError(WithProblem(s.catalogue.Text(TextId::FileError), s.catalogue, problem));
}

int Decode(CliSession& s, const QString& imagePath, const QString& outPath) {
    if (const int status = CheckOutput(s, outPath, {imagePath}); status != ExitOk)
        return status;
    if (const int status = ReadImageFile(s, imagePath); status != ExitOk)
        return status;
    // Decoded all the same: the data file shows what the image holds.
    if (const QString doubt = ForeignImageMessage(s.model.image, s.catalogue); !doubt.isEmpty())
        PrintWarning(doubt);
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

// A radio named in place of a file: "COM3" (unless a file has that name), or
// a device that is no regular file.
bool IsPortName(const QString& name) {
    static const QRegularExpression com(QStringLiteral("^COM\\d+$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QFileInfo file(name);
    if (file.exists())
        return !file.isFile() && !file.isDir();
    return com.match(name).hasMatch();
}

int Diff(CliSession& s, const QString& a, const QString& b, const QString& tracePath, bool backup) {
    const RadioModel fresh = s.model;
    // B first: a missing file fails before a radio is asked anything.
    if (const int status = LoadConfiguration(s, b, fresh); status != ExitOk)
        return status;
    const RadioModel second = s.model;
    s.model = fresh;
    if (IsPortName(a)) {
        PrepareImage(s.model.image);
        if (const int status = ReadRadio(s, a, tracePath, backup); status != ExitOk)
            return status;
    } else if (const int status = LoadConfiguration(s, a, fresh); status != ExitOk) {
        return status;
    }
    const RadioModel& first = s.model;
    QStringList lines = CompareConfigs(first, second, s.catalogue);
    if (IsImageFile(a) && IsImageFile(b))
        if (const int other = OtherBytesDiffering(first, second); other > 0)
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

void PrintWarning(const QString& text) {
    PrintError(QStringLiteral("warning: ") + QString(text).replace(QLatin1String("\r\n"), " "));
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
    // Printing paints with fonts: Qt Gui, on the offscreen platform unless another is asked for.
    const bool painting = argc > 1 && qstrcmp(argv[1], "print") == 0;
    if (painting && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tool says itself what went wrong; the platform's own notes (no
    // runtime folder on a server, say) are no concern of its user.
    if (painting)
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const std::unique_ptr<QCoreApplication> app =
        painting ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::fputs(qPrintable(UsageText()), stdout);
        return ExitOk;
    }
    if (command == QLatin1String("--version")) {
        std::printf("zr4400-cli %s\n", ZR_VERSION);
        return ExitOk;
    }
    const Catalogue english;
    const auto form = std::find_if(std::begin(kCommands), std::end(kCommands),
                                   [&](const CommandForm& c) { return command == c.name; });
    if (form == std::end(kCommands))
        return Usage(english.Text(TextId::UsageUnknownCommand).arg(command));
    const Options o = ParseOptions(english, *form, args);
    if (const QString problem = UsageProblem(english, *form, o); !problem.isEmpty())
        return Usage(problem);
    const QStringList& w = o.words;
    const QString trace = o.values.value("--trace");

    CliSession session(o.number("--retries").value_or(0));
    // A new data file's name ends in ".dat", so its companion can't take
    // another file's name; a companion's own name is refused.
    const bool writesDataFile = command == QLatin1String("decode") ||
                                command == QLatin1String("read") ||
                                command == QLatin1String("import-csv");
    if (writesDataFile && IsCompanionName(w.last())) {
        PrintError(session.catalogue.Text(TextId::DataNameIsCompanion));
        return ExitUsage;
    }
    const QString dataOut = writesDataFile ? DataFileNameFor(w.last()) : QString();
    const bool backup = !o.flags.contains("--no-backup");
    const WriteOptions write{o.number("--count").value_or(0),
                             trace,
                             o.flags.contains("--verify"),
                             o.number("--wait").value_or(0),
                             {}};
    // Before any other radio command: a write that never finished is not forgotten.
    if (QLatin1String(form->arguments).startsWith(QLatin1String("PORT")) ||
        (command == QLatin1String("diff") && IsPortName(w[0])))
        WarnOfUnfinishedWrite(session);
    if (command == QLatin1String("decode"))
        return Decode(session, w[0], dataOut);
    if (command == QLatin1String("encode"))
        return Encode(session, w[0], w[1]);
    if (command == QLatin1String("show"))
        return Show(session, w[0], o.flags.contains("--json"));
    if (command == QLatin1String("diff"))
        return Diff(session, w[0], w[1], trace, backup);
    if (command == QLatin1String("export-csv"))
        return ExportPlan(session, w[0], w[1]);
    if (command == QLatin1String("import-csv"))
        return ImportPlan(session, w[0], w[1], dataOut);
    if (command == QLatin1String("ports"))
        return RunPorts(session);
    if (command == QLatin1String("print"))
        return RunPrint(session, w[0], w[1], o.values.value("--language"),
                        o.values.value("--groups", QString()), o.values.value("--page"));
    if (command == QLatin1String("resume"))
        return RunResume(session, w.value(0), write, o.flags.contains("--dismiss"));
    if (command == QLatin1String("read"))
        return RunRead(session, w[0], dataOut, trace, ReadOutput::DataFile, backup);
    if (command == QLatin1String("dump"))
        return RunRead(session, w[0], w[1], trace, ReadOutput::RawImage, backup);
    if (command == QLatin1String("restore"))
        return RunRestore(session, w[0], w[1], write, o.flags.contains("--force"));
    return RunWrite(session, w[0], w[1], write); // write, group-write
}
