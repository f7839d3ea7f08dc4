#pragma once

#include <QString>
#include <QStringList>

// A settings file with the usual private-profile rules: section and key names
// match without regard to case, values are trimmed, a missing file, section or
// key reads as "", and a write changes one key in place, keeping every other
// line (comments included).
class IniFile {
public:
    // A write that `path` can't take goes to `fallback` (when given), which
    // starts as a copy of `path` and is used from then on.
    explicit IniFile(QString path, QString fallback = {});

    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key) const;
    // The value as an integer, or `fallback` when it is missing or not a number.
    int intValue(const QString& section, const QString& key, int fallback) const;
    // Key names of a section in file order.
    QStringList keys(const QString& section) const;

    // False when the file (and its fallback) cannot be written; the file is
    // then left as it was. A value already stored is not written again.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Why the last write failed.
    const QString& writeError() const { return writeError_; }

private:
    QByteArray readRaw() const;
    QStringList readLines() const;

    bool Write(const QByteArray& content);

    QString path_;
    QString fallback_;
    QString writeError_;
};
