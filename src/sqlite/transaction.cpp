#include "sqlite/transaction.h"

#include "app/context.h"
#include "app/run_log.h"

#include <sqlite3.h>

void SQLite3Rollback() {
    if (ctx().db == nullptr || sqlite3_get_autocommit(ctx().db) != 0) return;
    WriteLog(QStringLiteral("SQLite3Rollback"));
    // Closing the connection rolls back what is still open, so a failure is
    // only worth a line in the log.
    if (sqlite3_exec(ctx().db, "rollback", nullptr, nullptr, nullptr) != SQLITE_OK)
        WriteLog(QStringLiteral("SQLite3Rollback Error:") + QString::fromUtf8(sqlite3_errmsg(ctx().db)));
}
