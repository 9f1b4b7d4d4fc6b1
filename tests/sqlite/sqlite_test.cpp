// Running statements and reading their results: what is logged, what is
// returned, and how every failure ends.
#include "app/context.h"
#include "app/db_connection.h"
#include "golden_log.h"
#include "platform/system_seams.h"
#include "sqlite/sqlite_api.h"
#include "sqlite/statements.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QFile>

#include <chrono>
#include <thread>

namespace {

class SqliteTest : public ::testing::Test {
protected:
    // Created in UTF-8, as the bundled database is.
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &ctx().db), SQLITE_OK);
        install.exec("create table t(a integer, b text, c integer);");
    }

    TempInstall install;
    const QString dbPath = install.path("db/test.sqlite3");
};

TEST_F(SqliteTest, StatementsAreLoggedAndEveryFailureEnds) {
    install.exec("create table k(id integer primary key); insert into k values(1);");
    SQLite3NonQuery("insert into t values(\r\n   1\r\n  ,'a'\r\n  ,2); insert into t values(2,'b',3)");
    for (const char* sql :
         {"insert into t valuez(1)", "insert into nowhere values(1)", "insert into k values(1)", "select 1"}) {
        EXPECT_THROW(SQLite3NonQuery(sql), ProcessEnded) << sql;
        LogDialogs(install.desktop.dialogs.shown);
    }
    ResultTable table;
    QString errText = "stale";
    EXPECT_TRUE(SQLite3QueryEx("select a, b from t", table, errText));
    LogResult(table << errText);
    EXPECT_THROW(SQLite3Query("select nothing from nowhere", table), ProcessEnded);

    // Another program's exclusive lock: a change ends at once, a query waits for it.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_THROW(SQLite3NonQuery("insert into t values(9,'z',9)"), ProcessEnded);
    LogDialogs(install.desktop.dialogs.shown);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    EXPECT_NO_THROW(SQLite3Query("select count(*) as n from t", table));
    release.join();
    sqlite3_close(other);
    LogResult(table);

    EXPECT_FALSE(SQLite3QueryEx("select\r\nbroken(", table, errText));
    EXPECT_EQ(ctx().db, nullptr);
    LogResult({errText});
    EXPECT_EQ(GoldenDiff("sqlite/statements.txt", RunLogBytes()), "");
}

TEST_F(SqliteTest, ValuesBecomeTabJoinedTextInResultOrder) {
    ResultTable table{"stale", "rows"};
    SQLite3Query("select a from t", table);
    EXPECT_EQ(table, ResultTable{QString()});  // no row: only an empty header
    // Integers are read whole, so that a sum past 32 bits is not cut.
    SQLite3Query("select 42, -7, 1.5, 100.0, 2.0, 1.0/3, '会計', x'4142', null, 2147483648, -2147483649", table);
    ASSERT_EQ(RowCount(table), 1);
    EXPECT_EQ(table[1].toStdString(), "42\t-7\t1.5\t100\t2\t0.333333333333333\t会計\tAB\t\t2147483648\t-2147483649");
    install.exec("insert into t values(2,'b',null); insert into t values(1,null,10);");
    SQLite3Query("select a, b, c as total from t order by a", table);
    EXPECT_EQ(table, (ResultTable{"a\tb\ttotal", "1\t\t10", "2\tb\t"}));
}

TEST_F(SqliteTest, FindColumnTakesTheFirstOfTwinNamesAndAMissingNameIsFatal) {
    ResultTable table;
    SQLite3Query("select null as v", table);
    EXPECT_EQ(table, (ResultTable{"v", ""}));
    EXPECT_EQ(FindColumn(table, 1, "v"), "");
    EXPECT_THROW(FindColumn(table, 2, "v"), std::runtime_error);  // no such row: the caller's trap reports it
    SQLite3Query("select 5 as n, 'x' as b, 6 as n", table);
    EXPECT_EQ(FindColumn(table, 1, "n") + FindColumn(table, 1, "b"), "5x");
    EXPECT_THROW(FindColumn(table, 1, "N"), ProcessEnded);
    EXPECT_EQ(ctx().db, nullptr);
    LogDialogs(install.desktop.dialogs.shown);
    EXPECT_EQ(GoldenDiff("sqlite/find_column.txt", RunLogBytes()), "");
}

// An overflow found at run time makes every step fail with another code: the
// query must end after bounded tries, never loop.
TEST_F(SqliteTest, AStepFailingWithAnotherCodeEndsAfterBoundedTries) {
    const QString overflow = "select abs(-9223372036854775807 - 1) as v";
    ResultTable table;
    EXPECT_THROW(SQLite3Query(overflow, table), ProcessEnded);
    EXPECT_EQ(install.runLog().count("SQLite3Step=1:"), kFailedStepTries);
    EXPECT_TRUE(install.runLog().endsWith("21:Library used incorrectly\r\n"));
    QString errText;
    EXPECT_FALSE(SQLite3QueryEx(overflow, table, errText));
    EXPECT_TRUE(errText.startsWith("Returned 21:Library used incorrectly\r\n"));
}

void Overwrite(const QString& path, qint64 from) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(from);
    file.write(QByteArray(file.size() - from, '\xA5'));
}

TEST_F(SqliteTest, ACorruptFileEndsEveryKindOfStatement) {
    // Enough rows to span many pages, then the later pages overwritten.
    install.exec(
        "with recursive n(i) as (select 1 union all select i+1 from n where i<3000) "
        "insert into t select i, printf('%0100d', i), i from n;");
    CloseDBConnection();
    Overwrite(dbPath, 8192);
    ResultTable table;
    QString errText;
    ASSERT_EQ(SQLite3Open(dbPath), 0);
    EXPECT_FALSE(SQLite3QueryEx("select sum(c) from t", table, errText));
    EXPECT_TRUE(errText.startsWith("Returned 21:Library used incorrectly"));
    ASSERT_EQ(SQLite3Open(dbPath), 0);
    EXPECT_THROW(SQLite3Query("select sum(c) from t", table), ProcessEnded);

    CloseDBConnection();
    Overwrite(dbPath, 0);  // no database at all
    ASSERT_EQ(SQLite3Open(dbPath), 0);
    EXPECT_THROW(SQLite3NonQuery("delete from t"), ProcessEnded);
    EXPECT_EQ(install.desktop.dialogs.shown.back().text, "SQLite3NonQuery Error\r\ndelete from t");
}

// The real end of the process, in a child process whose log is read back here.
TEST_F(SqliteTest, FailuresEndTheRealProcess) {
    platform::ExitProcess realEnd;
    ctx().desktop.processEnd = &realEnd;
    ResultTable table;
    EXPECT_EXIT(SQLite3NonQuery("bad sql"), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(SQLite3Query("bad sql", table), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(GoldenDiff("sqlite/real_end.txt", RunLogBytes()), "");
}

TEST(SqliteLibrary, VersionCheckAndUtf8Texts) {
    EXPECT_TRUE(SQLiteVersionAcceptable(3040001, 3040001) && SQLiteVersionAcceptable(3045000, 3040001));
    EXPECT_FALSE(SQLiteVersionAcceptable(3039000, 3040001) || SQLiteVersionAcceptable(4000000, 3040001));
    EXPECT_EQ(SQLite3Initialize().result, 0);
    EXPECT_EQ(Utf8PtrToString(nullptr), QString());
    EXPECT_EQ(Utf8PtrToString(reinterpret_cast<const unsigned char*>("会計\0after")), "会計");
}

}  // namespace
