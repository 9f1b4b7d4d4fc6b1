#include "sqlite/sqlite_api.h"

#include "app/context.h"
#include "app/db_connection.h"

#include <sqlite3.h>

#include <cerrno>

bool SQLiteVersionAcceptable(int runtimeVersion, int compiledVersion) {
    return runtimeVersion / 1000000 == compiledVersion / 1000000 && runtimeVersion >= compiledVersion;
}

SQLiteInitResult SQLite3Initialize() {
    static const SQLiteInitResult checked = [] {
        if (SQLiteVersionAcceptable(sqlite3_libversion_number(), SQLITE_VERSION_NUMBER)) return SQLiteInitResult{};
        // The library found is not one this program can use.
        return SQLiteInitResult{1, ELIBBAD};
    }();
    return checked;
}

int SQLite3Open(const QString& path) {
    // One thread uses the connection, so SQLite need not lock it around every
    // call: a report of a busy year makes millions of them.
    const int code = sqlite3_open_v2(path.toUtf8().constData(), &ctx().db,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) return code;
    sqlite3_busy_timeout(ctx().db, kBusyTimeoutMs);
    // A connection setting, not a statement on the books: the reports read a
    // busy year several times over (the general ledger's account list scans
    // it twice before the journal), and SQLite's own 2 MiB cache holds a
    // small part of it. A failure leaves the default, which works as well.
    sqlite3_exec(ctx().db, "pragma cache_size = -16384", nullptr, nullptr, nullptr);
    return code;
}

void SQLite3Close() { CloseDBConnection(); }

Prepared SQLite3PrepareV2(const QString& sql) {
    Prepared prepared;
    prepared.code =
        sqlite3_prepare16_v2(ctx().db, sql.utf16(), static_cast<int>(sql.size() * 2), &prepared.statement, nullptr);
    return prepared;
}

int SQLite3Step(sqlite3_stmt* statement) { return sqlite3_step(statement); }

int SQLite3Finalize(sqlite3_stmt* statement) { return sqlite3_finalize(statement); }

int SQLite3ColumnCount(sqlite3_stmt* statement) { return sqlite3_column_count(statement); }

int SQLite3ColumnType(sqlite3_stmt* statement, int column) { return sqlite3_column_type(statement, column); }

QString SQLite3ColumnName(sqlite3_stmt* statement, int column) {
    return Utf8PtrToString(reinterpret_cast<const unsigned char*>(sqlite3_column_name(statement, column)));
}

qint64 SQLite3ColumnInt64(sqlite3_stmt* statement, int column) { return sqlite3_column_int64(statement, column); }

double SQLite3ColumnDouble(sqlite3_stmt* statement, int column) { return sqlite3_column_double(statement, column); }

QString SQLite3ColumnBlobAsText(sqlite3_stmt* statement, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return QString::fromUtf8(bytes, sqlite3_column_bytes(statement, column));
}

QString Utf8PtrToString(const unsigned char* text) {
    if (text == nullptr) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}
