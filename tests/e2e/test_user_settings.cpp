// An installed program's tree can't be written: the first settings change
// goes to the user's own copy, which both programs read from then on; a
// change that can be saved nowhere is told once.

#include "core/base/app_paths.h"
#include "core/session/app_context.h"
#include "core/session/settings_loader.h"
#include "support/cli_process.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

// A read-only file stops anyone but root: while this lives, a root test runs
// as nobody (the folders it makes are nobody's too).
class AsNobody {
public:
    AsNobody() : root_(geteuid() == 0) {
        if (root_)
            dropped_ = setegid(65534) == 0 && seteuid(65534) == 0;
    }
    ~AsNobody() {
        if (root_) {
            (void)seteuid(0);
            (void)setegid(0);
        }
    }
    bool ok() const { return !root_ || dropped_; }

private:
    bool root_;
    bool dropped_ = false;
};

} // namespace

class TestUserSettings : public QObject {
    Q_OBJECT
private slots:
    void readOnlyTreeKeepsSettingsPerUser() {
        const AsNobody nobody;
        QVERIFY(nobody.ok());
        QTemporaryDir dir;
        const QString tree = dir.filePath("lib/zr4400");
        QVERIFY(QDir().mkpath(tree + "/PK_517") && QDir().mkpath(tree + "/language"));
        const QByteArray shipped =
            "[language]\r\nIsFirstRun=0\r\ncomPort=1\r\nCurrentLanguage=1\r\n"
            "[ports]\r\nCOM5=/dev/ttyS5\r\n";
        QVERIFY(WriteFile(tree + "/language/mysetup.ini", shipped));
        QVERIFY(QFile::setPermissions(tree + "/language/mysetup.ini", QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(tree + "/language", QFile::ReadOwner | QFile::ExeOwner));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        const QString user = dir.filePath("config/ZR-4400/ZR-4400/mysetup.ini");

        AppContext context(AppPaths::FromProgramFolder(tree + "/PK_517"));
        ScriptedPrompter prompter;
        StoreSetting(context, prompter, "comPort", "7");
        QVERIFY(prompter.prompts.isEmpty());
        QCOMPARE(ReadFile(tree + "/language/mysetup.ini"), shipped); // the tree's stays
        QCOMPARE(IniFile(user).value("language", "comPort"), QStringLiteral("7"));
        QCOMPARE(IniFile(user).value("ports", "COM5"), QStringLiteral("/dev/ttyS5")); // copied
        // From then on the copy is read first.
        const AppContext again(AppPaths::FromProgramFolder(tree + "/PK_517"));
        QCOMPARE(again.setup.path(), user);

        // Nowhere to save: said once, the change holds for the run.
        QVERIFY(QFile::setPermissions(tree + "/language", QFile::ReadOwner | QFile::ExeOwner));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(tree + "/language/config"));
        AppContext stuck(AppPaths::FromProgramFolder(tree + "/PK_517"));
        StoreSetting(stuck, prompter, "comPort", "8");
        StoreSetting(stuck, prompter, "CurrentLanguage", "2");
        QCOMPARE(prompter.texts().size(), 1);
        QVERIFY(prompter.texts().first().startsWith(
            "The settings cannot be saved: they hold until the program ends."));
        // Writable again, so the temporary folder can go.
        QFile::setPermissions(tree + "/language",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void commandLineToolReadsTheUsersCopy() {
        // The tool's own tree names no COM77 and no COM78; the user's copy does.
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        QVERIFY(QDir().mkpath(dir.filePath("config/ZR-4400/ZR-4400")));
        QVERIFY(
            WriteFile(dir.filePath("config/ZR-4400/ZR-4400/mysetup.ini"),
                      "[language]\r\ncomPort=1\r\n[ports]\r\nCOM77=/nonexistent/tty77\r\nCOM78=" +
                          QFile::encodeName(dir.filePath("locked")) + "\r\n"));
        const CliRun r = Cli({"read", "COM77", dir.filePath("out.dat")});
        QCOMPARE(r.status, 69);
        QVERIFY2(r.err.contains("COM77 (/nonexistent/tty77): not found"), qPrintable(r.err));
        // `ports` run by a user who may not open COM78 (root, who may open any, as nobody).
        QVERIFY(WriteFile(dir.filePath("locked"), "") &&
                QFile::setPermissions(dir.filePath("locked"), {}) &&
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                      QFile::ExeOwner | QFile::ExeOther));
        QProcess ports;
        ports.setChildProcessModifier([] {
            if (getuid() == 0)
                (void)(setgid(65534) + setuid(65534));
        });
        ports.start(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"), {"ports"});
        QVERIFY(ports.waitForFinished(60000));
        QVERIFY(ports.readAllStandardError().contains("dialout"));
    }
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "test_user_settings.moc"
