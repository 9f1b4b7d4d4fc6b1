#include "store/db_file.h"

#include "app/backup_names.h"
#include "app/context.h"
#include "app/run_log.h"
#include "platform/file_replace.h"
#include "sqlite/sqlite_api.h"
#include "store/book_indexes.h"
#include "store/carry_record_store.h"
#include "store/import_store.h"

#include <sqlite3.h>

#include <QFile>
#include <QStringList>

namespace {

// Every table the program reads or writes.
const QStringList kBooksTables{QStringLiteral("t_trade"),        QStringLiteral("t_trade_history"),
                               QStringLiteral("t_bs_begining"),  QStringLiteral("t_bs_begining_history"),
                               QStringLiteral("m_account"),      QStringLiteral("m_trade"),
                               QStringLiteral("m_trade_detail"), QStringLiteral("m_percent"),
                               QStringLiteral("m_money")};

const QString kSchemaQuery = QStringLiteral("select name from sqlite_master where type = 'table'");
const QString kIndexQuery = QStringLiteral("select name from sqlite_master where type = 'index'");

// Another program writing the books holds its lock for moments only; a
// lock held longer is reported within a second rather than waited out.
constexpr int kBusyWaitMs = 1000;

QString ErrorOf(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

struct SchemaCheck {
    bool locked = false;  // another program holds the file: not a fault of the file
    QString problem;      // empty when the schema holds every table of the books
};

// The first column of every row of the query; `failure` set when it fails.
QStringList FirstColumn(sqlite3* db, const QString& sql, SchemaCheck& failure) {
    sqlite3_stmt* statement = nullptr;
    int code = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr);
    QStringList values;
    if (code == SQLITE_OK) {
        while ((code = sqlite3_step(statement)) == SQLITE_ROW)
            values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
    }
    if (code != SQLITE_OK && code != SQLITE_DONE) {
        const int primary = sqlite3_errcode(db) & 0xFF;
        failure = {primary == SQLITE_BUSY || primary == SQLITE_LOCKED, ErrorOf(db)};
    }
    return values;
}

// `found` receives the names of every table in the file.
SchemaCheck CheckTables(sqlite3* db, QStringList& found) {
    SchemaCheck check;
    found = FirstColumn(db, kSchemaQuery, check);
    if (!check.problem.isEmpty()) return check;
    QStringList missing;
    for (const QString& table : kBooksTables)
        if (!found.contains(table)) missing << table;
    if (missing.isEmpty()) return {};
    return {false, QStringLiteral("帳簿の表がありません: ") + missing.join(QStringLiteral(", "))};
}

SchemaCheck CheckSchema(sqlite3* db) {
    QStringList found;
    return CheckTables(db, found);
}

// A damaged page is found now, with a message, rather than by the query
// that meets it in the middle of the work.
SchemaCheck CheckSound(sqlite3* db) {
    SchemaCheck check;
    const QStringList result = FirstColumn(db, QStringLiteral("pragma quick_check(1)"), check);
    if (!check.problem.isEmpty()) return check;
    if (result != QStringList{QStringLiteral("ok")}) return {false, QString::fromUtf8(sqlite3_errstr(SQLITE_CORRUPT))};
    return {};
}

// A file the program could not write is refused before the user types
// anything into it.
SchemaCheck CheckWritable(sqlite3* db) {
    if (sqlite3_db_readonly(db, "main") == 1) return {false, QString::fromUtf8(sqlite3_errstr(SQLITE_READONLY))};
    return {};
}

class Connection {
public:
    Connection(const QString& path, int flags) {
        code_ = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, flags, nullptr);
        sqlite3_busy_timeout(db_, kBusyWaitMs);
    }
    ~Connection() { sqlite3_close(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool ok() const { return code_ == SQLITE_OK; }
    sqlite3* get() const { return db_; }

private:
    sqlite3* db_ = nullptr;
    int code_ = SQLITE_OK;
};

// Copies the books into a new file at the path; the error text when it fails.
QString CopyInto(sqlite3* source, const QString& path) {
    const Connection target(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!target.ok()) return ErrorOf(target.get());
    // A copy cut off is removed whole, so it needs no journal to roll back.
    if (sqlite3_exec(target.get(), "pragma journal_mode = off", nullptr, nullptr, nullptr) != SQLITE_OK)
        return ErrorOf(target.get());
    sqlite3_backup* backup = sqlite3_backup_init(target.get(), "main", source, "main");
    if (!backup) return ErrorOf(target.get());
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) return ErrorOf(target.get());
    return {};
}

// Reads the copy back as a later start or a user would open it.
QString CheckCopy(const QString& path) {
    const Connection copy(path, SQLITE_OPEN_READONLY);
    if (!copy.ok()) return ErrorOf(copy.get());
    for (const auto check : {CheckSchema, CheckSound})
        if (const SchemaCheck found = check(copy.get()); !found.problem.isEmpty()) return found.problem;
    return {};
}

}  // namespace

BackupOutcome BackupDatabase(const QString& dbPath, const QString& backupPath) {
    // Read-write, so that a journal left by a crashed writer is rolled back
    // before copying; SQLite falls back to read-only for a read-only file.
    const Connection source(dbPath, SQLITE_OPEN_READWRITE);
    if (!source.ok()) return {BackupOutcome::Kind::Unusable, ErrorOf(source.get())};
    for (const auto check : {CheckSchema, CheckSound, CheckWritable})
        if (const SchemaCheck found = check(source.get()); !found.problem.isEmpty())
            return {found.locked ? BackupOutcome::Kind::Failed : BackupOutcome::Kind::Unusable, found.problem};

    // Only a copy that is whole and reads back as the books takes the
    // backup's name: a crash before leaves the temporary file alone.
    const QString tempPath = BackupTempName(backupPath);
    if (QFile::exists(tempPath) && !QFile::remove(tempPath))
        return {BackupOutcome::Kind::Failed, QStringLiteral("一時ファイルを置き換えられません")};
    QString failure = CopyInto(source.get(), tempPath);
    if (failure.isEmpty()) failure = CheckCopy(tempPath);
    if (failure.isEmpty()) failure = platform::ReplaceByRename(tempPath, backupPath);
    if (failure.isEmpty()) return {};
    QFile::remove(tempPath);
    return {BackupOutcome::Kind::Failed, failure};
}

bool DBFileOpen(const QString& dbPath, QString& errText) {
    WriteLog(QStringLiteral("DBFileOpen"));
    errText.clear();
    if (const SQLiteInitResult init = SQLite3Initialize(); init.result != 0) {
        errText = QStringLiteral("Error Initializing SQLite.  ErrNo: ") + QString::number(init.errNo);
        return false;
    }
    QString problem;
    if (SQLite3Open(dbPath) != kSqliteOk) {
        problem = ErrorOf(ctx().db);
    } else {
        WriteLog(kSchemaQuery);
        QStringList found;
        problem = CheckTables(ctx().db, found).problem;
        // Books made before a table was added get it now, as new books have it.
        if (problem.isEmpty()) {
            if (!found.contains(kCarryTable)) DBCreateT_BsCarry();
            DBCreateImportTables(found);
            SchemaCheck indexCheck;
            const QStringList indexes = FirstColumn(ctx().db, kIndexQuery, indexCheck);
            problem = indexCheck.problem;
            if (problem.isEmpty()) DBCreateAddedIndexes(indexes);
        }
    }
    if (problem.isEmpty()) return true;
    SQLite3Close();
    errText = QStringLiteral("DBFile Open Error\r\n") + problem;
    return false;
}
