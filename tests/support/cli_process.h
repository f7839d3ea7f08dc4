#pragma once

// Runs the installed command-line tool and collects what it said.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

struct CliRun {
    int status = -1; // -2: it did not finish in time
    QByteArray out;
    QString err;
};

// `fileLimit` (bytes) stands for a full disk: the tool's writes fail beyond it.
inline CliRun Cli(const QStringList& args,
                  const QString& program = QStringLiteral(ZR_PROGRAM_DIR "/zr4400-cli"),
                  qint64 fileLimit = 0) {
    QProcess p;
    if (fileLimit > 0)
        p.setChildProcessModifier([fileLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{static_cast<rlim_t>(fileLimit), static_cast<rlim_t>(fileLimit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    p.start(program, args);
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return {-2, {}, QStringLiteral("did not finish")};
    }
    return {p.exitCode(), p.readAllStandardOutput(), QString::fromUtf8(p.readAllStandardError())};
}
