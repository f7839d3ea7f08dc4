// zr4400-cli: the programmer's core without windows, for scripts and tests.

#include "app/app_paths.h"
#include "app/ini_file.h"
#include "app/version_table.h"
#include "cli/cli_prompter.h"
#include "cli/exit_codes.h"
#include "cli/show_command.h"
#include "data/data_file.h"
#include "data/radio_model.h"
#include "lang/catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

const char* const kUsage =
    "usage: zr4400-cli decode IMAGE OUT.dat      memory image to a data file pair\n"
    "       zr4400-cli encode IN.dat OUT.bin     data file pair to the image a write sends\n"
    "       zr4400-cli show IN.dat [--json]      the configuration in readable form\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return ExitUsage;
}

void Error(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// What the tool shares with the windowed program: the model after start-up,
// the version table and the English catalogue.
struct Session {
    AppPaths paths = AppPaths::FromProgramFolder(QCoreApplication::applicationDirPath());
    VersionTable versions = VersionTable::LoadVersionTable(IniFile(paths.VersionIni()));
    Catalogue catalogue;
    CliPrompter prompter;
    RadioModel model;

    Session() { model.InitialiseData(paths.InitFolder()); }
};

int OpenInput(Session& s, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        Error(s.catalogue.Text(TextId::FileError) + QStringLiteral(" (") + path +
              QStringLiteral(": no such file)"));
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

int Decode(Session& s, const QString& imagePath, const QString& outPath) {
    QFile in(imagePath);
    if (!in.open(QIODevice::ReadOnly)) {
        Error(s.catalogue.Text(TextId::FileError) + QStringLiteral(" (") + imagePath +
              QStringLiteral(")"));
        return QFileInfo::exists(imagePath) ? ExitIoError : ExitNoInput;
    }
    const QByteArray bytes = in.readAll();
    if (bytes.size() != kImageSize) {
        Error(QStringLiteral("%1: a memory image is %2 bytes, this file has %3.")
                  .arg(imagePath)
                  .arg(kImageSize)
                  .arg(bytes.size()));
        return ExitBadData;
    }
    std::copy(bytes.begin(), bytes.end(), s.model.image.begin());
    s.model.CompleteRead();
    s.model.CurrentFileName = outPath;
    return SaveDataFile(s.model, s.catalogue, s.prompter) ? ExitOk : ExitIoError;
}

int Encode(Session& s, const QString& inPath, const QString& outPath) {
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    PrepareImage(s.model.image);
    s.model.EncodeImage();
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(s.model.image.data()), kImageSize) != kImageSize ||
        !out.commit()) {
        Error(s.catalogue.Text(TextId::FileError) + QStringLiteral(" (") + outPath +
              QStringLiteral(")"));
        return ExitIoError;
    }
    return ExitOk;
}

int Show(Session& s, const QString& inPath, bool json) {
    if (const int status = OpenInput(s, inPath); status != ExitOk)
        return status;
    const QByteArray text = json ? ShowJson(s.model) : ShowText(s.model);
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    return ExitOk;
}

} // namespace

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

    Session session;
    if (command == QLatin1String("decode") && args.size() == 2)
        return Decode(session, args[0], args[1]);
    if (command == QLatin1String("encode") && args.size() == 2)
        return Encode(session, args[0], args[1]);
    if (command == QLatin1String("show") && args.size() == 1)
        return Show(session, args[0], false);
    if (command == QLatin1String("show") && args.size() == 2 && args[1] == QLatin1String("--json"))
        return Show(session, args[0], true);
    return Usage();
}
