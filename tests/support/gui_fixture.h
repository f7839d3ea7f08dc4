#pragma once

// A program installation in a temporary folder, with the settings store
// redirected there too, so window tests never touch the user's files.

#include "core/model/initial_data.h"
#include "core/session/app_context.h"
#include "core/session/editor_hooks.h"
#include "core/session/startup.h"
#include "gui/shell/main_window.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

class Installation {
public:
    Installation() {
        const QString program = dir.filePath("base/PK_517");
        QDir().mkpath(program + "/Init");
        QDir().mkpath(program + "/PIC");
        QDir().mkpath(dir.filePath("base/language"));
        const QDir shipped(QStringLiteral(ZR_PROGRAM_DIR));
        for (const QString& sub : {QStringLiteral("Init"), QStringLiteral("PIC")}) {
            const QDir from(shipped.filePath(sub));
            for (const QString& name : from.entryList(QDir::Files))
                QFile::copy(from.filePath(name), program + "/" + sub + "/" + name);
        }
        for (const QString& name : shipped.entryList({"*.jpg"}, QDir::Files))
            QFile::copy(shipped.filePath(name), program + "/" + name);
        QFile::copy(QStringLiteral(ZR_DIST_DIR "/Version.ini"), dir.filePath("base/Version.ini"));
        writeSetup("[language]\r\nIsFirstRun=1\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=1\r\n"
                   "CurrentLanguage=1\r\n");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("user"));
        // A user's copy of the settings file would be read first: none here.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        // Nor any backup or unfinished write of the user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
        QCoreApplication::setOrganizationName(QStringLiteral("ZR-4400"));
        QCoreApplication::setApplicationName(QStringLiteral("ZR-4400"));
    }

    QString programFolder() const { return dir.filePath("base/PK_517"); }
    QString setupPath() const { return dir.filePath("base/language/mysetup.ini"); }
    QString file(const QString& name) const { return dir.filePath(name); }

    void writeSetup(const QByteArray& content) { WriteFile(setupPath(), content); }
    QByteArray setup() const { return ReadFile(setupPath()); }

    QTemporaryDir dir;
};

// One start of the program: start-up steps, then the main window.
struct Started {
    // `prepare` sets what the command line would before the window is made.
    explicit Started(const Installation& install,
                     const std::function<void(AppContext&)>& prepare = {})
        : context(AppPaths::FromProgramFolder(install.programFolder())) {
        LoadStartupData(context);
        if (prepare)
            prepare(context);
        InitialiseData(context.model, context.paths.InitFolder());
        window = std::make_unique<MainWindow>(context, prompter);
    }

    AppContext context;
    ScriptedPrompter prompter;
    std::unique_ptr<MainWindow> window;
};

// The program with its main window shown and active, as a user sees it.
struct ShownProgram {
    explicit ShownProgram(const Installation& install) : run(install) {
        run.window->show();
        QApplication::setActiveWindow(run.window.get());
        shown = QTest::qWaitForWindowExposed(run.window.get()) &&
                QTest::qWaitForWindowActive(run.window.get());
    }
    MainWindow& window() { return *run.window; }
    RadioModel& model() { return run.context.model; }
    RadioData& data() { return run.context.model.radio; }
    ChannelTable& channels() { return run.context.model.channels; }
    ScriptedPrompter& prompter() { return run.prompter; }
    QWidget* open(const QString& name) { return run.window->editors().Show(name); }

    Started run;
    bool shown = false;
};

// A run on an installation of its own, made before the run starts.
template <typename Run> struct Fresh : Installation, Run {
    Fresh() : Run(static_cast<const Installation&>(*this)) {}
};

// Runs a menu or toolbar command by its object name.
inline void Trigger(QWidget& window, const char* name) {
    QAction* action = window.findChild<QAction*>(QLatin1String(name));
    Q_ASSERT_X(action, "Trigger", name);
    action->trigger();
}

// A stand-in window registered under a real editor's name and shown.
inline void ShowStandIn(MainWindow& window, const QString& name) {
    window.editors().Register(name, [] { return new QLabel(QStringLiteral("editor")); });
    window.editors().Show(name);
}

// An editor that holds one value back until it is asked to commit it (as a
// grid cell still being typed in does): MicGain becomes 21.
class PendingEditor : public QLabel, public PendingEditOwner {
public:
    explicit PendingEditor(RadioModel& model) : model_(model) {}
    void CommitPendingEdit() override { model_.radio.Options.MicGain = 21; }

private:
    RadioModel& model_;
};

// The pending editor becomes the only open window, under the channel editor's name.
inline void ShowPendingEditor(MainWindow& window, RadioModel& model) {
    window.editors().Register(kChannelInfoForm, [&model] { return new PendingEditor(model); });
    window.UnloadAllChildForms();
    window.editors().Show(kChannelInfoForm);
}

// Runs `act` on the next modal window to show (of that object name, when one
// is given), from inside its event loop.
inline void WhenModalShows(std::function<void(QWidget*)> act, const QString& name = {}) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, act, name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && (name.isEmpty() || modal->objectName() == name)) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start();
}
