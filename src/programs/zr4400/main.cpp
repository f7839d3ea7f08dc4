// zr4400: the windowed programmer.

#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_prompter.h"
#include "gui/shell/qt_translations.h"
#include "gui/shell/splash_window.h"
#include "programs/zr4400/command_line.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Resident memory of this process in KiB, for the start-up benchmark.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window exists: these need no display.
    const CommandLine line = ReadCommandLine(argc, argv);
    if (line.help) {
        std::fputs(kProgramUsage, stdout);
        return 0;
    }
    if (line.version) {
        std::printf("zr4400 %s\n", ZR_VERSION);
        return 0;
    }
    if (!line.wrong.isEmpty()) {
        std::fprintf(stderr, "zr4400: unknown option %s\n%s", qPrintable(line.wrong),
                     kProgramUsage);
        return 64;
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZR-4400"));
    QCoreApplication::setApplicationName(QStringLiteral("ZR-4400"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    const bool benchmark = line.benchmark;
    const bool noSplash = benchmark || line.noSplash;
    // --trace FILE logs the serial line for support (as ZR4400_TRACE does).
    if (!line.trace.isEmpty())
        qputenv("ZR4400_TRACE", line.trace.toLocal8Bit());

    AppContext context(AppPaths::FromProgramFolder(QCoreApplication::applicationDirPath()));
    LoadStartupData(context);
    // --dealer offers the group write, for programming a series of radios.
    context.dealerMode = line.dealer;
    QIcon icon;
    for (const int size : {48, 128, 256})
        icon.addFile(context.paths.ProgramFolder + QStringLiteral("/PIC/zr4400-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    InstallQtTranslations(context.catalogue.CurrentLanguage);
    QtPrompter prompter(QCoreApplication::applicationName());

    std::unique_ptr<MainWindow> main;
    auto showMain = [&] {
        if (main)
            return;
        main = std::make_unique<MainWindow>(context, prompter);
        prompter.setParent(main.get());
        main->show();
        // A data file named on the command line opens as File > Open would.
        if (!line.file.isEmpty())
            QTimer::singleShot(0, main.get(),
                               [&main, &line] { main->files().OpenNamed(line.file); });
        if (benchmark) {
            QTimer::singleShot(0, [] {
                std::printf("rss_kib %ld\n", ResidentKiB());
                QCoreApplication::exit(0);
            });
        }
    };

    SplashWindow* splash = nullptr;
    if (!noSplash) {
        splash = new SplashWindow(SplashPicturePath(context));
        splash->show();
        splash->repaint();
    }
    InitialiseData(context.model, context.paths.InitFolder());
    if (splash)
        QObject::connect(splash, &SplashWindow::finished, showMain);
    else
        showMain();
    return app.exec();
}
