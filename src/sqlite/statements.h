#pragma once
// Running statements on DBConnection. Every statement is written to the run
// log before it runs, and every failure ends the process here or in the caller.
#include "sqlite/query_row.h"
#include "sqlite/result_table.h"

#include <QList>
#include <QString>

#include <functional>
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

using RowSink = std::function<void(const QueryRow& row)>;

// A query logged and compiled at once and stepped afterwards, each row handed
// over as it comes: a report logs its statement where it reads its rows and
// steps them while its file is written, never holding the year. An exception
// thrown by the sink leaves through the caller once the query has ended and
// been logged; the rows after it are stepped without the sink.
class LoggedQuery {
public:
    // Writes "SQLite3Query" and the statement to the run log and compiles it.
    explicit LoggedQuery(const QString& sql);
    ~LoggedQuery();
    LoggedQuery(const LoggedQuery&) = delete;
    LoggedQuery& operator=(const LoggedQuery&) = delete;

    // As SQLite3Query: a query the library rejects ends the process.
    void each(const RowSink& sink);
    // As SQLite3QueryEx: the column names and the row count logged after the
    // last row; false with the error text filled (and the database closed)
    // when the library rejects it.
    bool eachEx(const RowSink& sink, QString& errText);

private:
    QString sql_;
    sqlite3_stmt* statement_ = nullptr;
};

// A value for a named parameter (":name") of a statement: a number or a text,
// handed to the library apart from the statement text.
using BoundValue = std::pair<QString, std::variant<qint64, QString>>;

// Runs a query with its values bound: logged as SQLite3Query is, the values
// on a line of their own after it. A query the library rejects, or a value
// whose name the statement lacks, ends the process.
void SQLite3QueryBound(const QString& sql, const QList<BoundValue>& values, ResultTable& table);
