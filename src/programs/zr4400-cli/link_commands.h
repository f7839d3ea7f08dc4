#pragma once

#include <QStringList>

struct CliSession;

// read PORT OUT.dat, write PORT IN.dat, group-write PORT IN.dat --count N,
// dump PORT IMAGE.bin, restore PORT IMAGE.bin, ports. Each returns the
// tool's exit status.
enum class ReadOutput { DataFile, RawImage };
int RunRead(CliSession& session, const QString& port, const QString& outPath,
            const QString& tracePath, ReadOutput output = ReadOutput::DataFile);
int RunWrite(CliSession& session, const QString& port, const QString& inPath, int radios,
             const QString& tracePath);
// Writes a raw image as a write sends blocks, after the same confirmation and
// identity check: every byte a write can put back, modelled or not.
int RunRestore(CliSession& session, const QString& port, const QString& imagePath,
               const QString& tracePath);
int RunPorts(CliSession& session);
