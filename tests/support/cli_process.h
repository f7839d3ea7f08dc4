#pragma once

// Runs the installed command-line tool and collects what it said.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1; // -2: it did not finish in time
    QByteArray out;
    QString err;
};

inline CliRun Cli(const QStringList& args,
                  const QString& program = QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli")) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-2, {}, QStringLiteral("did not finish")};
    }
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}
