#pragma once
// Names of the database backups in db_backup. The stamp "_yyyy_mmdd-hhnn_ss"
// goes where each "." of the database file name stands, so book.sqlite3
// backed up at 09:30:05 on 2026-12-05 becomes book_2026_1205-0930_05.sqlite3.
#include <QDateTime>
#include <QString>

// A name without "." gets the stamp at its end, so it never names the
// database file itself.
QString BackupFileName(const QString& dbFileName, const QDateTime& at);

// True only for a name of exactly that form for this database file: the
// backups of "bookkeeping.sqlite3" are not those of "book.sqlite3".
bool IsBackupFileName(const QString& dbFileName, const QString& candidate);
