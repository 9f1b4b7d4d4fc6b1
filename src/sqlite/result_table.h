#pragma once
// A query result as the rest of the program reads it: element 0 holds the
// column names joined by TAB (empty when there is no row), elements 1..n one
// row each, the values as text joined by TAB.
#include <QString>
#include <QStringList>

using ResultTable = QStringList;

// The number of rows, n.
inline qsizetype RowCount(const ResultTable& table) { return table.size() - 1; }

// The position of the named column among the column names. A name missing
// from the header is reported and ends the process.
qsizetype ColumnIndex(const ResultTable& table, const QString& name);

// The text of the named column in that row. A name missing from the header
// is reported and ends the process; a row that does not exist raises a
// run-time error in the caller.
QString FindColumn(const ResultTable& table, qsizetype row, const QString& name);

// The values of one row at those column positions (named for the error),
// the row split once: for reading many rows without looking up the names again.
QStringList RowValues(const ResultTable& table, qsizetype row, const QList<qsizetype>& columns,
                      const QStringList& names);
