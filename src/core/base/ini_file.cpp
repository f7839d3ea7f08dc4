#include "core/base/ini_file.h"

#include <QFile>
#include <QSaveFile>

#include <optional>

namespace {

std::optional<QString> SectionName(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return std::nullopt;
}

bool IsComment(const QString& line) {
    const QString t = line.trimmed();
    return t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
}

struct KeyLine {
    QString key;
    QString value;
};

std::optional<KeyLine> ParseKeyLine(const QString& line) {
    if (IsComment(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return KeyLine{line.left(eq).trimmed(), line.mid(eq + 1).trimmed()};
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Calls `visit(index, key line)` for every key line of `section`.
template <typename Visit>
void ForEachKey(const QStringList& lines, const QString& section, Visit visit) {
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionName(lines[i])) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = ParseKeyLine(lines[i]))
            visit(i, *kv);
    }
}

QStringList SplitLines(const QByteArray& raw) {
    QString text = QString::fromUtf8(raw);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QByteArray IniFile::readRaw() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList IniFile::readLines() const {
    return SplitLines(readRaw());
}

QString IniFile::value(const QString& section, const QString& key) const {
    QString result;
    bool found = false;
    ForEachKey(readLines(), section, [&](qsizetype, const KeyLine& kv) {
        if (!found && SameName(kv.key, key)) {
            result = kv.value;
            found = true;
        }
    });
    return result;
}

int IniFile::intValue(const QString& section, const QString& key, int fallback) const {
    bool ok = false;
    const int v = value(section, key).toInt(&ok);
    return ok ? v : fallback;
}

QStringList IniFile::keys(const QString& section) const {
    QStringList result;
    ForEachKey(readLines(), section, [&](qsizetype, const KeyLine& kv) { result << kv.key; });
    return result;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray raw = readRaw();
    const bool crlf = raw.contains("\r\n");
    QStringList lines = SplitLines(raw);

    qsizetype keyLine = -1;
    ForEachKey(lines, section, [&](qsizetype i, const KeyLine& kv) {
        if (keyLine < 0 && SameName(kv.key, key))
            keyLine = i;
    });
    if (keyLine >= 0) {
        const QString original = lines[keyLine];
        lines[keyLine] =
            original.left(original.indexOf(QLatin1Char('='))).trimmed() + QLatin1Char('=') + value;
    } else {
        // New key: after the last non-blank line of the section, or a new section at the end.
        qsizetype sectionStart = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto name = SectionName(lines[i]);
            if (name && SameName(*name, section)) {
                sectionStart = i;
                break;
            }
        }
        const QString entry = key + QLatin1Char('=') + value;
        if (sectionStart < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            qsizetype insertAt = sectionStart + 1;
            for (qsizetype i = sectionStart + 1; i < lines.size() && !SectionName(lines[i]); ++i)
                if (!lines[i].trimmed().isEmpty())
                    insertAt = i + 1;
            lines.insert(insertAt, entry);
        }
    }

    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    const QString eol = crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    out.write((lines.join(eol) + eol).toUtf8());
    return out.commit();
}
