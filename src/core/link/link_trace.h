#pragma once

#include "core/base/file_problem.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// A support log of the serial line: every packet sent and received, with
// time stamps and time-outs, as hex. Off unless a file is given.
class LinkTrace {
public:
    // Empty path: tracing stays off. The environment variable ZR4400_TRACE
    // names a file when no path is given explicitly.
    explicit LinkTrace(const QString& path = QString());

    bool enabled() const { return file_.isOpen(); }
    // Why a trace that was asked for could not be written; nothing known otherwise.
    const FileProblem& problem() const { return problem_; }
    void sent(const QByteArray& bytes) { write(QStringLiteral(">>"), bytes); }
    void received(const QByteArray& bytes) { write(QStringLiteral("<<"), bytes); }
    void note(const QString& text);

private:
    void write(const QString& direction, const QByteArray& bytes);

    QFile file_;
    FileProblem problem_;
};
