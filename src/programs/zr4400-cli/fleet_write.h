#pragma once

#include <QStringList>

struct CliSession;
struct WriteOptions;

// group-write over several ports at once: each port runs its own transfer,
// with its own swap detection and identity check, and starts a radio only
// while fewer than the count are written or in work, so exactly that many are
// written. One progress line for all ports; a summary at the end. Exit 0 when
// all were written, else the status of the first port that failed.
int RunFleetWrite(CliSession& session, const QStringList& ports, const WriteOptions& options);
