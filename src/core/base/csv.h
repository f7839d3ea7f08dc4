#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Comma-separated values as spreadsheets write them: fields separated by a
// delimiter, a quoted field may hold delimiters, line breaks and quotes
// (doubled), a record ends at CRLF or LF, and the last line end may be missing.

struct CsvRecord {
    int line = 0; // the physical line the record starts on, from 1
    QStringList fields;
    bool malformed = false;     // text after a closing quote, or a quote never closed
    bool unclosedQuote = false; // a quote still open at the end of the text
};

// The records of `text` (a byte-order mark at its start is skipped). An
// empty line is a record with one empty field.
QList<CsvRecord> ParseCsv(const QString& text, QChar delimiter);

// The delimiter the header line uses: the first comma, semicolon or tab
// outside quotes; a comma when there is none.
QChar CsvDelimiterOf(const QString& text);

// One record, fields quoted where they need it, ended by CRLF.
QString CsvLine(const QStringList& fields, QChar delimiter);
