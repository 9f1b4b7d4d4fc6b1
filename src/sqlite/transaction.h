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
// "begin immediate" takes the write lock at once, so that what the work reads
// cannot change under it before it writes: another program waits.
template <class Work>
void SQLite3Transaction(Work work, const QString& begin = QStringLiteral("begin")) {
    SQLite3NonQuery(begin);
    try {
        work();
    } catch (...) {
        SQLite3Rollback();
        throw;
    }
    SQLite3NonQuery(QStringLiteral("commit"));
}
