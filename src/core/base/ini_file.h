#pragma once

#include <QString>
#include <QStringList>

// A settings file with the usual private-profile rules: section and key names
// match without regard to case, values are trimmed, a missing file, section or
// key reads as "", and a write changes one key in place, keeping every other
// line (comments included). A file larger than kMaxBytes is no settings file:
// it is neither read (every value is "") nor written.
class IniFile {
public:
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    // A write that `path` can't take goes to `fallback` (when given), which
    // starts as a copy of `path` and is used from then on. A `shared` path
    // (the file of an installed tree, which every user's copy starts from) is
    // never written: its first write already goes to `fallback`.
    explicit IniFile(QString path, QString fallback = {}, bool shared = false);

    const QString& path() const { return path_; }

    // Whether the file is larger than kMaxBytes (found without reading it).
    bool tooLarge() const;
    // The number (from 1) of the first line that is neither blank, a comment,
    // a section nor a key with its value; 0 when there is none.
    int firstGarbledLine() const;

    QString value(const QString& section, const QString& key) const;
    // Key names of a section in file order.
    QStringList keys(const QString& section) const;

    // False when the file (and its fallback) cannot be written; the file is
    // then left as it was. A value already stored is not written again.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Why the last write failed.
    const QString& writeError() const { return writeError_; }

private:
    // The file's bytes; false (and nothing) when it is too large.
    bool readRaw(QByteArray& raw) const;
    QStringList readLines() const;

    bool Write(const QByteArray& content);

    QString path_;
    QString fallback_;
    bool shared_;
    QString writeError_;
};
