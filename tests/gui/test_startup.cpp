// Start-up: the splash window, settings that are missing or damaged, missing
// pictures, and the about window of each language.

#include "gui/shell/about_window.h"
#include "gui/shell/splash_window.h"
#include "support/gui_fixture.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void splashClickShowsMainOnce() {
        Installation install;
        auto* splash = new SplashWindow(install.programFolder() + "/StartE.jpg");
        QVERIFY(!splash->picture()->pixmap().isNull());
        QSignalSpy finished(splash, &SplashWindow::finished);
        splash->show();
        QTest::mouseClick(splash->picture(), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!splash->isVisible());
        QTest::qWait(2200); // the timer does not finish it a second time
        QCOMPARE(finished.count(), 1);
    }

    void splashTimerEnds() {
        Installation install;
        auto* splash = new SplashWindow(install.programFolder() + "/StartC.jpg");
        QSignalSpy finished(splash, &SplashWindow::finished);
        splash->show();
        QTest::qWait(1500);
        QCOMPARE(finished.count(), 0);
        QVERIFY(finished.wait(2000));
        QCOMPARE(finished.count(), 1);
    }

    void damagedSettingsFallBack_data() {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<int>("comPort");
        QTest::addColumn<int>("language");
        QTest::newRow("missing file") << QByteArray() << 1 << 1;
        QTest::newRow("not numbers") << QByteArray("[language]\nIsFirstRun=no\ncomPort=COM3\n"
                                                   "CurrentLanguage=x\n")
                                     << 1 << 1;
        QTest::newRow("language out of range")
            << QByteArray("[language]\nIsFirstRun=False\ncomPort=5\nCurrentLanguage=7\n") << 5 << 1;
        QTest::newRow("words for the flag")
            << QByteArray("[language]\nIsFirstRun=True\ncomPort=2\nCurrentLanguage=2\n") << 2 << 1;
        QTest::newRow("Chinese") << QByteArray("[LANGUAGE]\nisfirstrun = 0\nCOMPORT=9\n"
                                               "currentlanguage=2\n")
                                 << 9 << 2;
    }

    void damagedSettingsFallBack() {
        QFETCH(QByteArray, setup);
        QFETCH(int, comPort);
        QFETCH(int, language);
        Installation install;
        if (setup.isEmpty())
            QFile::remove(install.setupPath());
        else
            install.writeSetup(setup);
        QFile::remove(install.file("base/Version.ini"));
        Started run(install);
        QCOMPARE(run.context.settings.comPort, comPort);
        QCOMPARE(run.context.catalogue.CurrentLanguage, language);
        QVERIFY(run.context.versions.VersionPairs.isEmpty());
        QCOMPARE(run.context.model.radio.ChannelCount(1, 1), int16_t(7));
        QVERIFY(!run.window->windowTitle().isEmpty());
    }

    void missingPicturesGivePlainWindows() {
        Installation install;
        QDir(install.programFolder() + "/PIC").removeRecursively();
        QFile::remove(install.programFolder() + "/StartE.jpg");
        SplashWindow splash(install.programFolder() + "/StartE.jpg");
        QVERIFY(splash.picture()->pixmap().isNull());
        Started run(install);
        QCOMPARE(run.window->mdiArea()->background().style(), Qt::SolidPattern);

        Installation complete;
        Started pictured(complete);
        QCOMPARE(pictured.window->mdiArea()->background().style(), Qt::TexturePattern);
    }

    void aboutWindowFollowsLanguage() {
        for (const int language : {1, 2}) {
            Installation install;
            install.writeSetup(QStringLiteral("[language]\nIsFirstRun=0\nCurrentLanguage=%1\n")
                                   .arg(language)
                                   .toLatin1());
            Started run(install);
            QString name;
            QString version;
            WhenModalShows([&](QWidget* dialog) {
                name = dialog->objectName();
                version = dialog->findChild<QLabel*>("lblVersion")->text();
                dialog->close();
            });
            run.window->findChild<QAction*>("mnuHelpAbout")->trigger();
            QCOMPARE(name,
                     language == 1 ? QStringLiteral("FrmAbout2") : QStringLiteral("frmAbout"));
            QVERIFY(version.startsWith(language == 1 ? QStringLiteral("Version ")
                                                     : QStringLiteral("版本 ")));
        }
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
