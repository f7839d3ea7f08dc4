#pragma once

#include "core/link/link_engine.h"

#include <QString>

class SerialLink;
struct CliSession;

// What every radio command of the tool shares: how a write runs, setting up
// the port, and the exit status of a transfer.

// How a write runs: into one radio (`radios` 0) or a group of `radios`.
struct WriteOptions {
    int radios = 0;
    QString tracePath;
    bool verify = false; // each radio read back and compared (exit 1 when it differs)
    int waitSeconds = 0; // group: waiting for the next radio ends after this long (0: never)
    QString source;      // the file the image comes from, for the write journal
};

// Sets up `link` for a transfer on `port`: ExitOk, or why not (after saying it).
int PrepareLink(CliSession& session, SerialLink& link, const QString& port,
                const QString& tracePath);
// The tool's exit status for the way a transfer ended.
int ExitFor(LinkOutcome outcome);
