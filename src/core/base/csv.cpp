#include "core/base/csv.h"

QList<CsvRecord> ParseCsv(const QString& text, QChar delimiter) {
    QList<CsvRecord> records;
    qsizetype i = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    const qsizetype end = text.size();
    int line = 1;
    while (i < end) {
        CsvRecord record;
        record.line = line;
        QString field;
        bool quoted = false;    // inside quotes
        bool wasQuoted = false; // the field had quotes; only a delimiter or line end may follow
        bool done = false;
        while (!done) {
            if (i >= end) {
                record.malformed = record.malformed || quoted;
                record.unclosedQuote = quoted;
                done = true;
                break;
            }
            const QChar c = text[i++];
            if (quoted) {
                if (c == QLatin1Char('"')) {
                    if (i < end && text[i] == QLatin1Char('"')) {
                        field += c;
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == QLatin1Char('\n'))
                        ++line;
                    field += c;
                }
            } else if (c == delimiter) {
                record.fields << field;
                field.clear();
                wasQuoted = false;
            } else if (c == QLatin1Char('\r') && i < end && text[i] == QLatin1Char('\n')) {
                // CRLF: the LF ends the record.
            } else if (c == QLatin1Char('\n')) {
                ++line;
                done = true;
            } else if (c == QLatin1Char('"') && field.isEmpty() && !wasQuoted) {
                quoted = true;
                wasQuoted = true;
            } else {
                record.malformed = record.malformed || wasQuoted || c == QLatin1Char('"');
                field += c;
            }
        }
        record.fields << field;
        records << record;
    }
    return records;
}

QChar CsvDelimiterOf(const QString& text) {
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted &&
                 (c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('\t')))
            return c;
        else if (!quoted && c == QLatin1Char('\n'))
            break;
    }
    return QLatin1Char(',');
}

QString CsvLine(const QStringList& fields, QChar delimiter) {
    QStringList out;
    for (const QString& field : fields) {
        const bool quote = field.contains(delimiter) || field.contains(QLatin1Char('"')) ||
                           field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
        out << (quote ? QLatin1Char('"') +
                            QString(field).replace(QLatin1String("\""), QLatin1String("\"\"")) +
                            QLatin1Char('"')
                      : field);
    }
    return out.join(delimiter) + QStringLiteral("\r\n");
}
