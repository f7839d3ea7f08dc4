// Start-up: the splash window, settings that are missing or damaged, missing
// pictures, and the about window.

#include "gui/shell/about_window.h"
#include "gui/shell/splash_window.h"
#include "support/gui_fixture.h"
#include "support/rows.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

struct SetupRow {
    const char* name;
    QByteArray setup; // the [language] section's keys; empty: no settings file
    int comPort, language;
    QString told; // what the user hears is wrong with the file; empty: nothing
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void splashEndsOnceByClickOrTime() {
        Installation install;
        auto* clicked = new SplashWindow(install.programFolder() + "/StartE.jpg", nullptr, 50);
        QVERIFY(!clicked->picture()->pixmap().isNull());
        QSignalSpy finished(clicked, &SplashWindow::finished);
        QSignalSpy gone(clicked, &QObject::destroyed);
        clicked->show();
        QTest::mouseClick(clicked->picture(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!clicked->isVisible());
        // Its time can't end it a second time.
        QVERIFY(!clicked->findChild<QTimer*>("Timer1")->isActive());
        QVERIFY(gone.count() == 1 || gone.wait());

        QElapsedTimer clock;
        clock.start();
        auto* timed = new SplashWindow(install.programFolder() + "/StartC.jpg", nullptr, 100);
        QSignalSpy timedOut(timed, &SplashWindow::finished);
        timed->show();
        QVERIFY(timedOut.wait());
        QVERIFY(clock.elapsed() >= 90); // a coarse timer may fire 5% early
        QCOMPARE(timedOut.count(), 1);
    }

    void damagedSettingsFallBack_data() {
        const QByteArray sound = "IsFirstRun=0\ncomPort=5\nCurrentLanguage=2\n";
        AddRows<SetupRow>(
            {{"missing file", "", 1, 1, ""},
             {"not numbers", "IsFirstRun=no\ncomPort=COM3\nCurrentLanguage=x\n", 1, 1,
              "comPort=COM3 is not a port number (1 to 999)"},
             {"language out of range", "IsFirstRun=False\ncomPort=5\nCurrentLanguage=7\n", 5, 1,
              "CurrentLanguage=7 is not a language (1 English, 2 Chinese)"},
             {"port below one", "IsFirstRun=0\ncomPort=-3\n", 1, 1, "comPort=-3 is not a port"},
             {"garbled", sound + "\x01\xff}", 5, 2, "第 5 行不是节、设置或注释"},
             {"over 1 MiB", sound + QByteArray(IniFile::kMaxBytes, ';'), 1, 1,
              "larger than 1 MiB, so not a settings file"},
             {"words for the flag", "IsFirstRun=True\ncomPort=2\nCurrentLanguage=2\n", 2, 1, ""},
             {"any case", "isfirstrun = 0\nCOMPORT=9\ncurrentlanguage=2\n", 9, 2, ""}});
    }

    void damagedSettingsFallBack() {
        QFETCH(SetupRow, row);
        const auto& [name, setup, comPort, language, told] = row;
        Installation install;
        if (setup.isEmpty())
            QFile::remove(install.setupPath());
        else
            install.writeSetup("[LANGUAGE]\n" + setup);
        QFile::remove(install.file("base/Version.ini"));
        ShownProgram program(install);
        Started& run = program.run;
        QCOMPARE(run.context.settings.comPort, comPort);
        QCOMPARE(run.context.catalogue.CurrentLanguage, language);
        QCOMPARE(run.context.model.radio.ChannelCount(1, 1), int16_t(7));
        // Without Version.ini the program's own version still works, and the
        // user hears why once, in the language in force; then what was wrong
        // with the settings file, and where.
        QVERIFY(run.context.versions.IsCompatibleVersion("V100", "V100"));
        const int messages = told.isEmpty() ? 1 : 2;
        QTRY_COMPARE(run.prompter.prompts.size(), messages);
        QVERIFY(run.prompter.texts()[0].startsWith(language == 1 ? "Version.ini was not found."
                                                                 : "未找到 Version.ini。"));
        QVERIFY(told.isEmpty() ||
                run.prompter.texts()[1].contains("\r\n" + install.setupPath() + ": " + told));
        // A file too large to be settings is left as it was.
        QCOMPARE(install.setup().size() > IniFile::kMaxBytes, setup.size() > IniFile::kMaxBytes);
        run.window->hide();
        run.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.window.get()));
        QCoreApplication::processEvents();
        QCOMPARE(run.prompter.prompts.size(), messages);
    }

    void missingPictures() {
        Installation install;
        QDir(install.programFolder() + "/PIC").removeRecursively();
        QFile::remove(install.programFolder() + "/StartE.jpg");
        SplashWindow splash(install.programFolder() + "/StartE.jpg");
        QVERIFY(splash.picture()->pixmap().isNull());
        Started run(install);
        QCOMPARE(run.window->editors().background().style(), Qt::SolidPattern);

        Installation complete;
        Started pictured(complete);
        QCOMPARE(pictured.window->editors().background().style(), Qt::TexturePattern);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
