#include "core/base/ini_file.h"

#include "core/base/file_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// The file's lines as bytes, each without its "\n" (a "\r" before it stays).
QList<QByteArray> SplitRawLines(const QByteArray& raw) {
    QList<QByteArray> lines = raw.split('\n');
    if (raw.isEmpty() || raw.endsWith('\n'))
        lines.removeLast();
    return lines;
}

// Lines as text for matching names only; what is written back are the bytes.
QStringList DecodeLines(const QList<QByteArray>& raw) {
    QStringList lines;
    lines.reserve(raw.size());
    for (const QByteArray& line : raw)
        lines << QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
    return lines;
}

} // namespace

IniFile::IniFile(QString path, QString fallback)
    : path_(std::move(path)), fallback_(std::move(fallback)) {}

QByteArray IniFile::readRaw() const {
    QFile file(path_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList IniFile::readLines() const {
    return DecodeLines(SplitRawLines(readRaw()));
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
    // Only the one key's line changes: every other line keeps its bytes,
    // whatever their encoding.
    const QByteArray raw = readRaw();
    const QByteArray cr = raw.contains("\r\n") ? QByteArray("\r") : QByteArray();
    QList<QByteArray> rawLines = SplitRawLines(raw);
    if (!raw.endsWith('\n') && !rawLines.isEmpty() && !rawLines.last().endsWith('\r'))
        rawLines.last() += cr; // the last line gains the file's own line end
    const QStringList lines = DecodeLines(rawLines);

    qsizetype keyLine = -1;
    QString stored;
    ForEachKey(lines, section, [&](qsizetype i, const KeyLine& kv) {
        if (keyLine < 0 && SameName(kv.key, key)) {
            keyLine = i;
            stored = kv.value;
        }
    });
    if (keyLine >= 0 && stored == value.trimmed())
        return true;
    if (keyLine >= 0) {
        QByteArray& line = rawLines[keyLine];
        const QByteArray end = line.endsWith('\r') ? QByteArray("\r") : QByteArray();
        line = line.left(line.indexOf('=')).trimmed() + '=' + value.toUtf8() + end;
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
        const QByteArray entry = (key + QLatin1Char('=') + value).toUtf8() + cr;
        if (sectionStart < 0) {
            rawLines << (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8() + cr << entry;
        } else {
            qsizetype insertAt = sectionStart + 1;
            for (qsizetype i = sectionStart + 1; i < lines.size() && !SectionName(lines[i]); ++i)
                if (!lines[i].trimmed().isEmpty())
                    insertAt = i + 1;
            rawLines.insert(insertAt, entry);
        }
    }

    const QByteArray content = rawLines.join('\n') + '\n';
    if (Write(content))
        return true;
    if (fallback_.isEmpty() || path_ == fallback_ ||
        !QDir().mkpath(QFileInfo(fallback_).absolutePath()))
        return false;
    // The program's own file can't be written (an installed program): the
    // user's copy takes this write and every later one, once it holds them.
    const QString own = path_;
    path_ = fallback_;
    if (Write(content))
        return true;
    path_ = own;
    return false;
}

bool IniFile::Write(const QByteArray& content) {
    FileProblem problem;
    if (WriteWholeFile(path_, content, &problem))
        return true;
    writeError_ = problem.systemText;
    return false;
}
