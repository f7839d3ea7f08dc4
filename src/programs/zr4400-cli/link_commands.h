#pragma once

#include <QStringList>

struct CliSession;

// read PORT OUT.dat, write PORT IN.dat, group-write PORT IN.dat --count N, ports.
// Each returns the tool's exit status.
int RunRead(CliSession& session, const QString& port, const QString& outPath,
            const QString& tracePath);
int RunWrite(CliSession& session, const QString& port, const QString& inPath, int radios,
             const QString& tracePath);
int RunPorts(CliSession& session);
