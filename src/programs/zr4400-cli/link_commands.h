#pragma once

#include <QStringList>

struct CliSession;

// read PORT OUT.dat, write PORT IN.dat, group-write PORT IN.dat --count N,
// dump PORT IMAGE.bin, restore PORT IMAGE.bin, ports. Each returns the
// tool's exit status.
enum class ReadOutput { DataFile, RawImage };
// A completed read is also stored in the backup folder unless `backup` is false.
int RunRead(CliSession& session, const QString& port, const QString& outPath,
            const QString& tracePath, ReadOutput output, bool backup);
// With `verify`, each radio written is read back and compared (exit 1 when it differs).
int RunWrite(CliSession& session, const QString& port, const QString& inPath, int radios,
             const QString& tracePath, bool verify);
// Writes a raw image as a write sends blocks, after the same confirmation and
// identity check: every byte a write can put back, modelled or not.
int RunRestore(CliSession& session, const QString& port, const QString& imagePath,
               const QString& tracePath, bool verify);
int RunPorts(CliSession& session);
