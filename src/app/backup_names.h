#pragma once
// Names of the database backups in db_backup. The stamp "_yyyy_mmdd-hhnn_ss"
// goes where each "." of the database file name stands, so book.sqlite3
// backed up at 09:30:05 on 2026-12-05 becomes book_2026_1205-0930_05.sqlite3.
#include <QDateTime>
#include <QString>
#include <QStringList>

// A name without "." gets the stamp at its end, so it never names the
// database file itself.
QString BackupFileName(const QString& dbFileName, const QDateTime& at);

// True only for a name of exactly that form for this database file: the
// backups of "bookkeeping.sqlite3" are not those of "book.sqlite3".
bool IsBackupFileName(const QString& dbFileName, const QString& candidate);

// The name a backup is written under until it is complete and checked: the
// backup name followed by ".tmp".
QString BackupTempName(const QString& backupName);

// What a backup cut off by a crash leaves, for this database file: its
// temporary file with SQLite's -journal, -wal or -shm beside it, or a
// -journal beside a backup name (a backup written in place, which the
// journal shows was never finished). Empty for any other name; otherwise the
// names to remove, the unfinished backup included.
QStringList CrashedBackupFiles(const QString& dbFileName, const QString& candidate);
