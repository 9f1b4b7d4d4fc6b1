#pragma once
// Statements that must be stored together or not at all.
#include "sqlite/statements.h"

// Rolls back the open transaction of DBConnection, if any; logged. A
// statement SQLite rejected may already have ended the transaction itself.
void SQLite3Rollback();

// Runs the work between "begin" and "commit", both run and logged as
// statements. When the work leaves by an exception, the transaction is rolled
// back before the exception goes on. When the process ends inside the work,
// nothing of it was committed: SQLite discards it at the next open.
template <class Work>
void SQLite3Transaction(Work work) {
    SQLite3NonQuery(QStringLiteral("begin"));
    try {
        work();
    } catch (...) {
        SQLite3Rollback();
        throw;
    }
    SQLite3NonQuery(QStringLiteral("commit"));
}
