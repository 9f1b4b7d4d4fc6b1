#pragma once
// Running statements on DBConnection. Every statement is written to the run
// log before it runs, and every failure ends the process here or in the caller.
#include "sqlite/result_table.h"

#include <QString>

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

// Open and commit one explicit transaction, each logged and run as a
// statement: what runs between them is stored whole or not at all. When the
// process ends before the commit, the file's journal undoes all of it when
// the file is next opened.
void SQLite3BeginTransaction();
void SQLite3CommitTransaction();
