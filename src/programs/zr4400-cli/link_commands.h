#pragma once

#include "programs/zr4400-cli/link_setup.h"

#include <QStringList>

struct CliSession;

// read PORT OUT.dat, write PORT IN.dat, group-write PORT IN.dat --count N,
// dump PORT IMAGE.bin, restore PORT IMAGE.bin, resume [PORT], ports. Each
// returns the tool's exit status.
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

// Reads a radio into the session's model (a backup stored unless `backup`
// is false): ExitOk or the status of the failed transfer.
int ReadRadio(CliSession& session, const QString& port, const QString& tracePath, bool backup);
// Writes the image of the newest unfinished write again, to `port` or the
// port it went to, and closes its journal entry once the radio holds it;
// `dismiss` closes the entry without writing.
int RunResume(CliSession& session, const QString& port, WriteOptions options, bool dismiss);
// The warning before a radio command when a write never finished.
void WarnOfUnfinishedWrite(const CliSession& session);

int RunPorts(CliSession& session);
