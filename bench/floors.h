#pragma once
// What each measured operation is compared with: the least work that gives
// the same result through the plain SQLite C API, measured in the same run.
#include <QString>
#include <QStringList>

struct sqlite3;

// The query stepped to its end, each row's values joined by blanks.
QStringList QueryFloor(sqlite3* db, const QString& sql);

// One statement run through the C API, its rows ignored.
void ExecFloor(sqlite3* db, const QString& sql);

// A consistent copy of the database file through SQLite's online backup.
void BackupFloor(const QString& dbPath, const QString& backupPath);
