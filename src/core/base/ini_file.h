#pragma once

#include <QString>
#include <QStringList>

// A settings file with the usual private-profile rules: section and key names
// match without regard to case, values are trimmed, a missing file, section or
// key reads as "", and a write changes one key in place, keeping every other
// line (comments included).
class IniFile {
public:
    explicit IniFile(QString path);

    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key) const;
    // The value as an integer, or `fallback` when it is missing or not a number.
    int intValue(const QString& section, const QString& key, int fallback) const;
    // Key names of a section in file order.
    QStringList keys(const QString& section) const;

    // False when the file cannot be written; the file is then left as it was.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    QByteArray readRaw() const;
    QStringList readLines() const;

    QString path_;
};
