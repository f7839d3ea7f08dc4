#pragma once

#include "programs/zr4400-cli/link_setup.h"

#include <QStringList>

struct CliSession;

// read PORT OUT.dat, write PORT IN.dat, group-write PORT IN.dat --count N,
// dump PORT IMAGE.bin, restore PORT IMAGE.bin, ports. Each returns the
// tool's exit status.
enum class ReadOutput { DataFile, RawImage };
// A completed read is also stored in the backup folder unless `backup` is false.
int RunRead(CliSession& session, const QString& port, const QString& outPath,
            const QString& tracePath, ReadOutput output, bool backup);
// PORT may list several ports ("COM1,COM2") for a group: each writes radios
// until `radios` are written in all.
int RunWrite(CliSession& session, const QString& port, const QString& inPath,
             const WriteOptions& options);
// Writes a raw image as a write sends blocks, after the same confirmation and
// identity check: every byte a write can put back, modelled or not. An image
// that does not look like this model's memory is refused (65) unless `force`.
int RunRestore(CliSession& session, const QString& port, const QString& imagePath,
               const WriteOptions& options, bool force);

int RunPorts(CliSession& session);
