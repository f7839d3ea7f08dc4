#include "core/link/link_trace.h"

#include <QDateTime>

LinkTrace::LinkTrace(const QString& path) {
    const QString target = path.isEmpty() ? qEnvironmentVariable("ZR4400_TRACE") : path;
    if (target.isEmpty())
        return;
    file_.setFileName(target);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        problem_ = WriteProblem(target, file_.errorString());
        return;
    }
    note(QStringLiteral("trace started"));
}

void LinkTrace::note(const QString& text) {
    if (!enabled())
        return;
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    file_.write((stamp + QStringLiteral(" -- ") + text + QLatin1Char('\n')).toUtf8());
    file_.flush();
}

void LinkTrace::write(const QString& direction, const QByteArray& bytes) {
    if (!enabled())
        return;
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    file_.write((stamp + QLatin1Char(' ') + direction + QLatin1Char(' ') +
                 QString::fromLatin1(bytes.toHex(' ').toUpper()) + QLatin1Char('\n'))
                    .toUtf8());
    file_.flush();
}
