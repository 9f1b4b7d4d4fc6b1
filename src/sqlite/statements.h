#pragma once
// Running statements on DBConnection. Every statement is written to the run
// log before it runs, and every failure ends the process here or in the caller.
#include "sqlite/result_table.h"

#include <QList>
#include <QString>

#include <utility>
#include <variant>

// A query step that keeps failing with a code other than BUSY is taken as
// misuse after this many tries, so a damaged file can never hang the program.
inline constexpr int kFailedStepTries = 10;

// Runs one data-changing statement; returns 0. Any failure ends the process.
int SQLite3NonQuery(const QString& sql);

// Runs a query into the table; a query the library rejects ends the process.
void SQLite3Query(const QString& sql, ResultTable& table);

// Runs a query into the table; false with the error text filled (and the
// database closed) when the library rejects it. The caller ends the process.
bool SQLite3QueryEx(const QString& sql, ResultTable& table, QString& errText);

// A value for a named parameter (":name") of a statement: a number or a text,
// handed to the library apart from the statement text.
using BoundValue = std::pair<QString, std::variant<qint64, QString>>;

// Runs a query with its values bound: logged as SQLite3Query is, the values
// on a line of their own after it. A query the library rejects, or a value
// whose name the statement lacks, ends the process.
void SQLite3QueryBound(const QString& sql, const QList<BoundValue>& values, ResultTable& table);
