#pragma once
// Thin wrappers over the SQLite C API on the one connection of the process.
// Statement texts are UTF-16; texts SQLite returns are UTF-8 and are converted.
#include <QString>

struct sqlite3_stmt;

// SQLite's own result codes that the access layer tests for.
inline constexpr int kSqliteOk = 0;
inline constexpr int kSqliteBusy = 5;
inline constexpr int kSqliteMisuse = 21;
inline constexpr int kSqliteRow = 100;
inline constexpr int kSqliteDone = 101;

struct SQLiteInitResult {
    int result = 0;  // 0 = available, 1 = not
    int errNo = 0;   // the system error number when not available
};

// True when a library of that version can serve a program built against
// `compiledVersion`: the same major version and not older.
bool SQLiteVersionAcceptable(int runtimeVersion, int compiledVersion);

// The library is linked; this checks once per process that the one found at
// run time is the one the program was built for.
SQLiteInitResult SQLite3Initialize();

// How long a statement waits for another program's lock on the books before
// it fails with BUSY: that program holds it for the moments of one write.
inline constexpr int kBusyTimeoutMs = 5000;

// Opens the file into DBConnection and returns SQLite's result code. A lock
// of another program is waited for up to kBusyTimeoutMs.
int SQLite3Open(const QString& path);
// Closes DBConnection; harmless when it was never opened.
void SQLite3Close();

struct Prepared {
    int code = 0;
    sqlite3_stmt* statement = nullptr;
};
// Compiles the first statement of the text; anything after it is ignored.
Prepared SQLite3PrepareV2(const QString& sql);
int SQLite3Step(sqlite3_stmt* statement);
int SQLite3Finalize(sqlite3_stmt* statement);

int SQLite3ColumnCount(sqlite3_stmt* statement);
int SQLite3ColumnType(sqlite3_stmt* statement, int column);
QString SQLite3ColumnName(sqlite3_stmt* statement, int column);
qint64 SQLite3ColumnInt64(sqlite3_stmt* statement, int column);
double SQLite3ColumnDouble(sqlite3_stmt* statement, int column);
// The bytes of a BLOB taken as UTF-8 text.
QString SQLite3ColumnBlobAsText(sqlite3_stmt* statement, int column);

// "" for a null pointer; otherwise the UTF-8 bytes up to the NUL, converted.
QString Utf8PtrToString(const unsigned char* text);
