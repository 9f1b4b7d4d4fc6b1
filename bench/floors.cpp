#include "floors.h"

#include <sqlite3.h>

#include <QFile>

#include <stdexcept>

QStringList QueryFloor(sqlite3* db, const QString& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare16_v2(db, sql.utf16(), -1, &statement, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
    QStringList rows;
    const int columns = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QString row;
        for (int i = 0; i < columns; ++i) {
            row += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
            row += QLatin1Char(' ');
        }
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

void ExecFloor(sqlite3* db, const QString& sql) {
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void BackupFloor(const QString& dbPath, const QString& backupPath) {
    QFile::remove(backupPath);
    sqlite3* source = nullptr;
    sqlite3* target = nullptr;
    sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &source, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_open(QFile::encodeName(backupPath).constData(), &target);
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", source, "main");
    const bool copied = backup && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
    sqlite3_backup_finish(backup);
    sqlite3_close(target);
    sqlite3_close(source);
    if (!copied) throw std::runtime_error("the floor's backup failed");
}
