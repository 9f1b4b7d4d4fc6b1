#include "sqlite/statements.h"

#include "app/context.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "sqlite/sqlite_api.h"

#include <sqlite3.h>

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

namespace {

const QString kLockedMessage = QStringLiteral("The database file is locked");
const QString kMisuseLog = QStringLiteral("21:Library used incorrectly");

// Finalizes on every way out, so that a closed connection leaves no statement behind.
class Statement {
public:
    explicit Statement(const QString& sql) : prepared_(SQLite3PrepareV2(sql)) {}
    ~Statement() { finalize(); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int prepareCode() const { return prepared_.code; }
    sqlite3_stmt* get() const { return prepared_.statement; }
    int finalize() {
        const int code = SQLite3Finalize(prepared_.statement);
        prepared_.statement = nullptr;
        return code;
    }

private:
    Prepared prepared_;
};

enum class StepOutcome { Done, Misuse };

struct Stepped {
    StepOutcome outcome = StepOutcome::Done;
    QString header;  // the column names, empty when there was no row
    qsizetype rows = 0;
    std::exception_ptr sinkFailure;
};

// Steps the query to its end, handing each row over. BUSY is stepped again
// (another program's lock is waited for); any other failing code is retried a
// bounded number of times and then treated as misuse. After a failure of the
// sink the rest is stepped without it, so that the query ends and is logged
// as it would have been had its rows been read first and worked on after.
Stepped StepRows(sqlite3_stmt* statement, const RowSink& sink) {
    Stepped stepped;
    int failedTries = 0;
    for (;;) {
        const int code = SQLite3Step(statement);
        if (code == kSqliteRow) {
            const QueryRow row(statement);
            if (stepped.rows++ == 0) stepped.header = row.header();
            if (stepped.sinkFailure) continue;
            try {
                sink(row);
            } catch (...) {
                stepped.sinkFailure = std::current_exception();
            }
        } else if (code == kSqliteDone) {
            return stepped;
        } else if (code == kSqliteMisuse) {
            stepped.outcome = StepOutcome::Misuse;
            return stepped;
        } else if (code == kSqliteBusy) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            WriteLog(QStringLiteral("SQLite3Step=") + QString::number(code) + QStringLiteral(":") +
                     QString::fromUtf8(sqlite3_errmsg(ctx().db)));
            if (++failedTries >= kFailedStepTries) {
                stepped.outcome = StepOutcome::Misuse;
                return stepped;
            }
        }
    }
}

RowSink Filling(ResultTable& table) {
    table = ResultTable{QString()};
    return [&table](const QueryRow& row) {
        if (RowCount(table) == 0) table[0] = row.header();
        table << row.line();
    };
}

[[noreturn]] void NonQueryFailed(const QString& sql) {
    WriteLog(QStringLiteral("SQLite3NonQuery Error"));
    ShowMessage(QStringLiteral("SQLite3NonQuery Error\r\n") + sql);
    EndProcess(1);
}

void LogStatement(const QString& caption, const QString& sql) {
    WriteLog(caption);
    WriteLog(sql);
}

}  // namespace

int SQLite3NonQuery(const QString& sql) {
    LogStatement(QStringLiteral("SQLite3NonQuery"), sql);
    try {
        Statement statement(sql);
        if (statement.prepareCode() != kSqliteOk) NonQueryFailed(sql);
        const int code = SQLite3Step(statement.get());
        if (code == kSqliteBusy) {
            ShowMessage(kLockedMessage);
            WriteLog(kLockedMessage);
            statement.finalize();
            EndProcess(1);
        }
        if (code != kSqliteDone || statement.finalize() != kSqliteOk) NonQueryFailed(sql);
        return 0;
    } catch (const std::exception&) {
        NonQueryFailed(sql);
    }
}

void SQLite3Query(const QString& sql, ResultTable& table) { LoggedQuery(sql).each(Filling(table)); }

bool SQLite3QueryEx(const QString& sql, ResultTable& table, QString& errText) {
    return LoggedQuery(sql).eachEx(Filling(table), errText);
}

LoggedQuery::LoggedQuery(const QString& sql) : sql_(sql) {
    LogStatement(QStringLiteral("SQLite3Query"), sql);
    statement_ = SQLite3PrepareV2(sql).statement;
}

LoggedQuery::~LoggedQuery() { SQLite3Finalize(statement_); }

void LoggedQuery::each(const RowSink& sink) {
    const Stepped stepped = StepRows(statement_, sink);
    if (stepped.outcome == StepOutcome::Misuse) {
        WriteLog(kMisuseLog);
        SQLite3Finalize(std::exchange(statement_, nullptr));
        EndProcess(1);
    }
    if (stepped.sinkFailure) std::rethrow_exception(stepped.sinkFailure);
}

bool LoggedQuery::eachEx(const RowSink& sink, QString& errText) {
    Stepped stepped;
    try {
        errText.clear();
        stepped = StepRows(statement_, sink);
        if (stepped.outcome == StepOutcome::Misuse) {
            SQLite3Finalize(std::exchange(statement_, nullptr));
            WriteLog(QStringLiteral("SQLite3Close"));
            SQLite3Close();
            errText = QStringLiteral("Returned ") + kMisuseLog + QStringLiteral("\r\n") + sql_ + QStringLiteral("\r\n");
            WriteLog(errText);
            return false;
        }
        WriteLog(QStringLiteral("cols=") + stepped.header);
        WriteLog(QStringLiteral("row.count=") + QString::number(stepped.rows));
    } catch (const std::exception& error) {
        SQLite3Finalize(std::exchange(statement_, nullptr));
        WriteLog(QStringLiteral("SQLite3Close"));
        SQLite3Close();
        WriteLog(DescriptionOf(error));
        WriteLog(QStringLiteral("DBファイルを閉じました"));
        EndProcess(1);
    }
    if (stepped.sinkFailure) std::rethrow_exception(stepped.sinkFailure);
    return true;
}

namespace {

QString BoundValueText(const BoundValue& value) {
    if (const auto* number = std::get_if<qint64>(&value.second)) return value.first + '=' + QString::number(*number);
    return value.first + QStringLiteral("='") + std::get<QString>(value.second) + '\'';
}

bool Bind(sqlite3_stmt* statement, const BoundValue& value) {
    const int index = sqlite3_bind_parameter_index(statement, value.first.toUtf8().constData());
    if (index == 0) return false;
    if (const auto* number = std::get_if<qint64>(&value.second))
        return sqlite3_bind_int64(statement, index, *number) == SQLITE_OK;
    const QString& text = std::get<QString>(value.second);
    return sqlite3_bind_text16(statement, index, text.utf16(), static_cast<int>(text.size() * 2), SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

}  // namespace

void SQLite3QueryBound(const QString& sql, const QList<BoundValue>& values, ResultTable& table) {
    LogStatement(QStringLiteral("SQLite3Query"), sql);
    QStringList texts;
    for (const BoundValue& value : values) texts << BoundValueText(value);
    WriteLog(QStringLiteral("bind ") + texts.join(' '));
    Statement statement(sql);
    bool bound = statement.prepareCode() == kSqliteOk;
    for (const BoundValue& value : values) bound = bound && Bind(statement.get(), value);
    if (!bound || StepRows(statement.get(), Filling(table)).outcome == StepOutcome::Misuse) {
        WriteLog(kMisuseLog);
        statement.finalize();
        EndProcess(1);
    }
}
