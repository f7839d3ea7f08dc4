#include "programs/zr4400/command_line.h"

#include <QStringList>

#include <algorithm>
#include <iterator>

// --startup-benchmark is for the benchmark programs and stays out of the usage.
const char* const kProgramUsage =
    "usage: zr4400 [OPTION]... [FILE.dat]\n"
    "  FILE.dat           a data file to open after start-up\n"
    "  --help             print this and exit\n"
    "  --version          print the version and exit\n"
    "  --no-splash        start without the splash picture\n"
    "  --trace FILE       log every packet of the serial line, with times, as hex\n"
    "  --dealer           offer the group write in the menu and toolbar\n"
    "Qt's own options (-platform NAME, -style NAME, -reverse, ...) work as usual.\n";

namespace {

// Qt's options: those that take a value, and those that don't.
constexpr const char* kQtValued[] = {"-platform",
                                     "-platformpluginpath",
                                     "-platformtheme",
                                     "-plugin",
                                     "-qwindowgeometry",
                                     "-qwindowicon",
                                     "-qwindowtitle",
                                     "-display",
                                     "-geometry",
                                     "-style",
                                     "-stylesheet",
                                     "-session",
                                     "-name",
                                     "-title",
                                     "-qmljsdebugger",
                                     "-font",
                                     "-fn",
                                     "-bg",
                                     "-fg",
                                     "-btn",
                                     "-visual",
                                     "-im",
                                     "-inputstyle"};
constexpr const char* kQtFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

bool In(const char* const* begin, const char* const* end, const QString& option) {
    return std::any_of(begin, end, [&](const char* name) { return option == QLatin1String(name); });
}

} // namespace

CommandLine ReadCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            line.help = true;
        } else if (arg == QLatin1String("--version")) {
            line.version = true;
        } else if (arg == QLatin1String("--no-splash")) {
            line.noSplash = true;
        } else if (arg == QLatin1String("--startup-benchmark")) {
            line.benchmark = true;
        } else if (arg == QLatin1String("--dealer")) {
            line.dealer = true;
        } else if (arg == QLatin1String("--trace") && i + 1 < argc) {
            line.trace = QString::fromLocal8Bit(argv[++i]);
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            // Qt takes "-style x", "-style=x" and "--style x" alike.
            const QString name = (arg.startsWith(QLatin1String("--")) ? arg.mid(1) : arg)
                                     .section(QLatin1Char('='), 0, 0);
            if (In(std::begin(kQtValued), std::end(kQtValued), name)) {
                if (!arg.contains(QLatin1Char('=')))
                    ++i;
            } else if (!In(std::begin(kQtFlags), std::end(kQtFlags), name) &&
                       line.wrong.isEmpty()) {
                line.wrong = arg;
            }
        } else if (line.file.isEmpty()) {
            line.file = arg;
        }
    }
    return line;
}
