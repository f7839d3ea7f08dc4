// zr4400: the windowed programmer.

#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/startup.h"
#include "gui/shell/main_window.h"
#include "gui/shell/qt_prompter.h"
#include "gui/shell/qt_translations.h"
#include "gui/shell/splash_window.h"

#include <QApplication>
#include <QFile>
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
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZR-4400"));
    QCoreApplication::setApplicationName(QStringLiteral("ZR-4400"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZR_VERSION));
    const QStringList args = app.arguments();
    // --no-splash skips the picture; --startup-benchmark also reports the
    // resident memory once the main window shows, and quits.
    const bool benchmark = args.contains(QStringLiteral("--startup-benchmark"));
    const bool noSplash = benchmark || args.contains(QStringLiteral("--no-splash"));
    // --trace FILE logs the serial line for support (as ZR4400_TRACE does).
    if (const qsizetype at = args.indexOf(QStringLiteral("--trace"));
        at >= 0 && at + 1 < args.size())
        qputenv("ZR4400_TRACE", args.at(at + 1).toLocal8Bit());

    AppContext context(AppPaths::FromProgramFolder(QCoreApplication::applicationDirPath()));
    LoadStartupData(context);
    // --dealer offers the group write, for programming a series of radios.
    context.dealerMode = args.contains(QStringLiteral("--dealer"));
    InstallQtTranslations(context.catalogue.CurrentLanguage);
    QtPrompter prompter(QCoreApplication::applicationName());

    std::unique_ptr<MainWindow> main;
    auto showMain = [&] {
        if (main)
            return;
        main = std::make_unique<MainWindow>(context, prompter);
        prompter.setParent(main.get());
        main->show();
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
