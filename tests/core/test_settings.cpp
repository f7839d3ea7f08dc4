// Settings files, the version table and the folder layout.

#include "core/base/app_paths.h"
#include "core/base/ini_file.h"
#include "core/base/version_table.h"
#include "core/text/catalogue.h"
#include "support/rows.h"
#include "support/test_files.h"
#include "support/values.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    ::WriteFile(path, content);
    return path;
}

struct IniWriteRow {
    const char* name;
    QByteArray before;
    QString section, key, value;
    QByteArray after;
};

struct VersionFileRow {
    const char* name;
    QByteArray content; // "-": no file
    VersionFileState state;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    // Names in any case, values trimmed, a key only in its own section ("-": none).
    void iniReads() {
        QTemporaryDir dir;
        const IniFile ini(WriteFile(dir, "s.ini",
                                    "; settings\r\n[language]\r\ncomPort=3\r\n"
                                    "  CurrentLanguage =   2  \r\n[other]\r\ncomPort=9\r\n"));
        const auto read = [&](const char* section, const char* key) {
            const QString value = ini.value(section, key);
            return value.isEmpty() ? QStringLiteral("-") : value;
        };
        QCOMPARE(Values(read("language", "comPort"), read("LANGUAGE", "COMPORT"),
                        read("language", "CurrentLanguage"), read("language", "StopBit"),
                        read("ports", "COM99"), read("other", "comPort"),
                        read("language", ";comPort")),
                 "3 3 2 - - 9 -");
        QCOMPARE(IniFile(dir.filePath("none.ini")).value("language", "comPort"), QString());
    }

    // Only the one key's line changes: every other byte stays, line ends
    // (CRLF, LF, CR, none on the last line) and encodings alike.
    void iniWrites_data() {
        const QByteArray gbk = "; \xc9\xe8\xd6\xc3\r\n[language]\r\nIsFirstRun=1\r\n"
                               "Name=\xd6\xd0\xce\xc4\r\n[ports]\r\nCOM9=x";
        const QByteArray lf = "[language]\nIsFirstRun=0\n\n[ports]\nCOM9=x\n";
        AddRows<IniWriteRow>(
            {{"in place", "; keep me\r\n[Language]\r\ncomport = 1\r\n\r\n[ports]\r\nCOM9=x\r\n",
              "language", "comPort", "7",
              "; keep me\r\n[Language]\r\ncomport=7\r\n\r\n[ports]\r\nCOM9=x\r\n"},
             {"GBK, no last line end", gbk, "language", "IsFirstRun", "0",
              QByteArray(gbk).replace("IsFirstRun=1", "IsFirstRun=0")},
             {"new key, LF", lf, "language", "CurrentLanguage", "2",
              "[language]\nIsFirstRun=0\nCurrentLanguage=2\n\n[ports]\nCOM9=x\n"},
             {"new section, LF", lf, "Version", "FirmVersionCount", "1",
              lf + "[Version]\nFirmVersionCount=1\n"},
             {"new key after a last line without its end", "[ports]\r\nCOM9=x", "ports", "COM8",
              "y", "[ports]\r\nCOM9=x\r\nCOM8=y\r\n"},
             {"CR line ends", "[language]\rIsFirstRun=1\r", "language", "IsFirstRun", "0",
              "[language]\rIsFirstRun=0\r"}});
    }

    void iniWrites() {
        QFETCH(IniWriteRow, row);
        QTemporaryDir dir;
        const QString path = WriteFile(dir, "s.ini", row.before);
        QVERIFY(IniFile(path).setValue(row.section, row.key, row.value));
        QCOMPARE(ReadFile(path), row.after);
        QCOMPARE(IniFile(path).value(row.section, row.key), row.value);
    }

    // Whether a version of the software and another (a file's or a radio's) go
    // together, and the software for the other ("-": none): the same, another
    // unknown, another case; the first and last four of a pair; only the
    // counted pairs.
    void versionTable() {
        QTemporaryDir dir;
        const auto check = [&](const QByteArray& file, const char* software, const char* other) {
            const VersionTable table =
                VersionTable::LoadVersionTable(IniFile(WriteFile(dir, "Version.ini", file)));
            const QString forOther = table.SoftwareForVersion(other);
            return Values(table.IsCompatibleVersion(software, other),
                          forOther.isEmpty() ? "-" : forOther);
        };
        const QByteArray one = "[Version]\r\nFirmVersionCount=1\r\n[Firm]\r\nFirm0=V100V100\r\n";
        const QByteArray two =
            "[Version]\nFirmVersionCount=2\n[Firm]\nFirm0=V100V100\nFirm1=V101 V102\n";
        const QByteArray counted =
            "[Version]\nFirmVersionCount=1\n[Firm]\nFirm0=V100V100\nFirm1=V103V104\n";
        QCOMPARE(Values(check(one, "V100", "V100"), check(one, "V100", "V101"),
                        check(one, "v100", "V100"), check(two, "V101", "V102"),
                        check(counted, "V103", "V104")),
                 "true V100 false - false V100 true V101 false -");
    }

    void versionFileMissingOrDamaged_data() {
        const QByteArray count = "[Version]\nFirmVersionCount=",
                         pair = "\n[Firm]\nFirm0=V100V100\n";
        const QByteArray sound = count + "1\n[Firm]\nFirm0=V101V102\n";
        const auto damaged = VersionFileState::Damaged;
        AddRows<VersionFileRow>(
            {{"missing", "-", VersionFileState::Missing},
             {"empty", "", damaged},
             {"count not a number", count + "abc\n", damaged},
             {"count negative", count + "-4\n", damaged},
             {"count zero", count + "0\n", damaged},
             {"count signed", count + "+1" + pair, damaged},
             {"count huge", count + "2000000000" + pair, damaged},
             {"counted pair missing", count + "2" + pair, damaged},
             {"pair cut short", count + "1\n[Firm]\nFirm0=V100V1\n", damaged},
             {"sound", sound, VersionFileState::Ok},
             {"sound but over 1 MiB", sound + QByteArray(IniFile::kMaxBytes, ';'), damaged}});
    }

    void versionFileMissingOrDamaged() {
        QFETCH(VersionFileRow, row);
        QTemporaryDir dir;
        const QString path = row.content == "-" ? dir.filePath("none.ini")
                                                : WriteFile(dir, "Version.ini", row.content);
        VersionFileState state = VersionFileState::Ok;
        const VersionTable table = VersionTable::LoadVersionTable(IniFile(path), &state);
        QCOMPARE(state, row.state);
        // A damaged file never leaves a table that refuses every file and radio.
        QCOMPARE(table.IsCompatibleVersion("V100", "V100"), row.state != VersionFileState::Ok);
        // The notice names the versions in force instead.
        const QString notice = VersionFileNotice(Catalogue(), state, table);
        QCOMPARE(notice.contains("V1.00"), row.state != VersionFileState::Ok);
    }

    void folders() {
        for (const char* program : {"/opt/R/A", "/opt/R/A/"}) {
            const AppPaths paths = AppPaths::FromProgramFolder(program);
            QCOMPARE(paths.SetupIni(), "/opt/R/language/mysetup.ini");
            QCOMPARE(InstalledVersionPath(paths.BaseFolder, "V101", "zr4400"),
                     "/opt/R/V101/PK_517/zr4400");
        }
        QCOMPARE(AppPaths::FromProgramFolder("/A").BaseFolder, "/A");
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
