#pragma once

// Table-driven tests: each row is one struct, named by its first member, in a
// single column, so a table reads one case a line.

#include <QTest>

#include <initializer_list>

template <typename Row> void AddRows(std::initializer_list<Row> rows) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows)
        QTest::newRow(row.name) << row;
}
