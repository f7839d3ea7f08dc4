#include "core/base/ini_file.h"

#include "core/base/file_head.h"
#include "core/base/file_writer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
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

// Characters no settings line holds: a file of another kind, or another
// encoding (UTF-16 puts a NUL beside every letter).
bool HasControlCharacters(const QString& line) {
    return std::any_of(line.begin(), line.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7f;
    });
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

// A line of the file as bytes, and its own line end: "\r\n", "\n", "\r", or
// nothing for a last line without one.
struct RawLine {
    QByteArray text;
    QByteArray end;
};

QList<RawLine> SplitRawLines(const QByteArray& raw) {
    QList<RawLine> lines;
    qsizetype start = 0;
    while (start < raw.size()) {
        qsizetype stop = start;
        while (stop < raw.size() && raw[stop] != '\n' && raw[stop] != '\r')
            ++stop;
        const qsizetype endSize = stop == raw.size() ? 0 : raw.mid(stop, 2) == "\r\n" ? 2 : 1;
        lines.append({raw.mid(start, stop - start), raw.mid(stop, endSize)});
        start = stop + endSize;
    }
    return lines;
}

// The line end new lines are given: the file's first, or "\n" in a file without one.
QByteArray FileLineEnd(const QList<RawLine>& lines) {
    for (const RawLine& line : lines)
        if (!line.end.isEmpty())
            return line.end;
    return QByteArray("\n");
}

// Lines as text for matching names only; what is written back are the bytes.
QStringList DecodeLines(const QList<RawLine>& raw) {
    QStringList lines;
    lines.reserve(raw.size());
    for (const RawLine& line : raw)
        lines << QString::fromUtf8(line.text);
    return lines;
}

} // namespace

IniFile::IniFile(QString path, QString fallback, bool shared)
    : path_(std::move(path)), fallback_(std::move(fallback)), shared_(shared) {}

bool IniFile::tooLarge() const {
    const QFileInfo info(path_);
    return info.isFile() && info.size() > kMaxBytes;
}

bool IniFile::readRaw(QByteArray& raw) const {
    raw.clear();
    if (tooLarge())
        return false;
    // Read through the head reader: regular files only (a pipe would wait
    // forever), and never more than a settings file can be, should it grow.
    ReadFileHead(path_, kMaxBytes + 1, raw);
    if (raw.size() <= kMaxBytes)
        return true;
    raw.clear();
    return false;
}

QStringList IniFile::readLines() const {
    QByteArray raw;
    readRaw(raw);
    return DecodeLines(SplitRawLines(raw));
}

int IniFile::firstGarbledLine() const {
    const QStringList lines = readLines();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const auto kv = ParseKeyLine(line);
        const bool sound = IsComment(line) || SectionName(line) || (kv && !kv->key.isEmpty());
        if (!sound || HasControlCharacters(line))
            return static_cast<int>(i + 1);
    }
    return 0;
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

QStringList IniFile::keys(const QString& section) const {
    QStringList result;
    ForEachKey(readLines(), section, [&](qsizetype, const KeyLine& kv) { result << kv.key; });
    return result;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    // Only the one key's line changes: every other line keeps its bytes,
    // whatever their encoding and line ends. A file too large to be settings
    // is kept as it is.
    QByteArray raw;
    if (!readRaw(raw)) {
        writeError_ = QStringLiteral("File too large"); // as the system says it
        return false;
    }
    QList<RawLine> rawLines = SplitRawLines(raw);
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
        QByteArray& line = rawLines[keyLine].text;
        line = line.left(line.indexOf('=')).trimmed() + '=' + value.toUtf8();
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
        const QByteArray end = FileLineEnd(rawLines);
        QList<RawLine> added{{(key + QLatin1Char('=') + value).toUtf8(), end}};
        qsizetype insertAt = rawLines.size();
        if (sectionStart < 0) {
            added.prepend({(QLatin1Char('[') + section + QLatin1Char(']')).toUtf8(), end});
        } else {
            insertAt = sectionStart + 1;
            for (qsizetype i = sectionStart + 1; i < lines.size() && !SectionName(lines[i]); ++i)
                if (!lines[i].trimmed().isEmpty())
                    insertAt = i + 1;
        }
        // A last line without its end gets one before a line follows it.
        if (insertAt > 0 && rawLines[insertAt - 1].end.isEmpty())
            rawLines[insertAt - 1].end = end;
        for (const RawLine& line : added)
            rawLines.insert(insertAt++, line);
    }

    QByteArray content;
    for (const RawLine& line : rawLines)
        content += line.text + line.end;
    if (!shared_ && Write(content))
        return true;
    if (fallback_.isEmpty() || path_ == fallback_ ||
        !QDir().mkpath(QFileInfo(fallback_).absolutePath()))
        return false;
    // The program's own file can't or mustn't be written (an installed
    // program): the user's copy takes this write and every later one, once
    // it holds them.
    const QString own = path_;
    const bool shared = shared_;
    path_ = fallback_;
    shared_ = false;
    if (Write(content))
        return true;
    path_ = own;
    shared_ = shared;
    return false;
}

bool IniFile::Write(const QByteArray& content) {
    FileProblem problem;
    if (WriteWholeFile(path_, content, &problem))
        return true;
    writeError_ = problem.systemText;
    return false;
}
