// Running statements: what is logged, what is stored, and how every failure ends.
#include "app/db_connection.h"
#include "platform/system_seams.h"
#include "sqlite/statements.h"
#include "sqlite_fixture.h"

#include <sqlite3.h>

#include <QFile>

#include <chrono>
#include <thread>

namespace {

using AccessLayerTest = SqliteTest;

const QString kInsert = QStringLiteral("insert into t values(\r\n   1\r\n  ,'a'\r\n  ,2)");

TEST_F(AccessLayerTest, NonQueryLogsItsNameAndTheStatementThenStores) {
    EXPECT_EQ(SQLite3NonQuery(kInsert), 0);
    EXPECT_EQ(install.rows(QStringLiteral("select * from t")), QStringList{QStringLiteral("1\ta\t2")});
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral("09:30:05   SQLite3NonQuery\r\n09:30:05   ") + kInsert +
                                          QStringLiteral("\r\n")));
}

TEST_F(AccessLayerTest, OnlyTheFirstOfTwoStatementsRuns) {
    SQLite3NonQuery(QStringLiteral("insert into t values(1,'a',1); insert into t values(2,'b',2);"));
    EXPECT_EQ(install.rows(QStringLiteral("select a from t")), QStringList{QStringLiteral("1")});
}

struct FailingStatement {
    const char* name;
    QString sql;
};

TEST_F(AccessLayerTest, AFailedChangeIsShownWithItsTextAndEndsTheProcess) {
    install.exec(QStringLiteral("create table k(id integer primary key);insert into k values(1);"));
    const FailingStatement cases[] = {
        {"syntax", QStringLiteral("insert into t valuez(1)")},
        {"missing table", QStringLiteral("insert into nowhere values(1)")},
        {"constraint", QStringLiteral("insert into k values(1)")},
        {"a query returns a row", QStringLiteral("select 1")},
    };
    for (const FailingStatement& c : cases) {
        install.desktop.dialogs.shown.clear();
        try {
            SQLite3NonQuery(c.sql);
            ADD_FAILURE() << c.name << ": returned";
        } catch (const ProcessEnded& ended) {
            EXPECT_EQ(ended.code, 1) << c.name;
        }
        EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("SQLite3NonQuery Error\r\n") + c.sql}) << c.name;
        EXPECT_TRUE(install.runLog().endsWith(c.sql + QStringLiteral("\r\n09:30:05   SQLite3NonQuery Error\r\n")))
            << c.name;
    }
    EXPECT_EQ(install.rows(QStringLiteral("select count(*) from k")), QStringList{QStringLiteral("1")});
}

// A second connection holding a write lock, as another program would.
class OtherProgram {
public:
    OtherProgram(const QString& path, const char* begin) {
        sqlite3_open(path.toUtf8().constData(), &db_);
        sqlite3_exec(db_, begin, nullptr, nullptr, nullptr);
    }
    ~OtherProgram() { sqlite3_close(db_); }
    void release() { sqlite3_exec(db_, "commit", nullptr, nullptr, nullptr); }

private:
    sqlite3* db_ = nullptr;
};

TEST_F(AccessLayerTest, AChangeMeetingALockedFileEndsWithoutRetrying) {
    install.rows(QStringLiteral("select count(*) from t"));  // the schema is read while the file is free
    OtherProgram other(dbPath, "begin immediate");
    EXPECT_THROW(SQLite3NonQuery(kInsert), ProcessEnded);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("The database file is locked")});
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral("  The database file is locked\r\n")));
    other.release();
    EXPECT_EQ(install.rows(QStringLiteral("select count(*) from t")), QStringList{QStringLiteral("0")});
}

TEST_F(AccessLayerTest, AQueryWaitsForAnotherProgramsLock) {
    install.exec(QStringLiteral("insert into t values(1,'a',2);"));
    OtherProgram other(dbPath, "begin exclusive");
    std::thread releaser([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        other.release();
    });
    ResultTable table;
    SQLite3Query(QStringLiteral("select a from t"), table);
    releaser.join();
    EXPECT_EQ(table, (ResultTable{QStringLiteral("a"), QStringLiteral("1")}));
}

TEST_F(AccessLayerTest, QueryRejectedByTheLibraryEndsAfterItsLogLine) {
    ResultTable table;
    EXPECT_THROW(SQLite3Query(QStringLiteral("select nothing from nowhere"), table), ProcessEnded);
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral("select nothing from nowhere\r\n09:30:05   21:Library used incorrectly\r\n")));
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
}

TEST_F(AccessLayerTest, QueryExLogsColumnsAndCountOnSuccess) {
    install.exec(QStringLiteral("insert into t values(1,'a',2);insert into t values(3,'b',4);"));
    ResultTable table;
    QString errText = QStringLiteral("stale");
    ASSERT_TRUE(SQLite3QueryEx(QStringLiteral("select a, b from t"), table, errText));
    EXPECT_EQ(errText, QString());
    EXPECT_EQ(RowCount(table), 2);
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral(
        "09:30:05   SQLite3Query\r\n09:30:05   select a, b from t\r\n09:30:05   cols=a\tb\r\n09:30:05   row.count=2\r\n")));
}

TEST_F(AccessLayerTest, QueryExRejectedClosesTheDatabaseAndReturnsTheErrorText) {
    ResultTable table;
    QString errText;
    const QString sql = QStringLiteral("select\r\nbroken(");
    EXPECT_FALSE(SQLite3QueryEx(sql, table, errText));
    const QString expected = QStringLiteral("Returned 21:Library used incorrectly\r\n") + sql + QStringLiteral("\r\n");
    EXPECT_EQ(errText, expected);
    EXPECT_EQ(ctx().db, nullptr);
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral("09:30:05   SQLite3Close\r\n09:30:05   ") + expected +
                                          QStringLiteral("\r\n")));
}

// A step that keeps failing with another code (here an arithmetic overflow
// reported at run time) must end, never loop.
TEST_F(AccessLayerTest, AStepFailingWithAnotherCodeEndsAfterBoundedTries) {
    const QString overflow = QStringLiteral("select abs(-9223372036854775807 - 1) as v");
    ResultTable table;
    EXPECT_THROW(SQLite3Query(overflow, table), ProcessEnded);
    EXPECT_EQ(install.runLog().count(QStringLiteral("SQLite3Step=1:")), kFailedStepTries);
    EXPECT_TRUE(install.runLog().endsWith(QStringLiteral("21:Library used incorrectly\r\n")));

    QString errText;
    EXPECT_FALSE(SQLite3QueryEx(overflow, table, errText));
    EXPECT_TRUE(errText.startsWith(QStringLiteral("Returned 21:Library used incorrectly\r\n")));
}

void Corrupt(const QString& path, qint64 from) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    file.seek(from);
    file.write(QByteArray(static_cast<int>(size - from), '\xA5'));
}

TEST_F(AccessLayerTest, ACorruptFileEndsInTheMisuseOutcomeInBothQueryKinds) {
    // Enough rows to span many pages, then the later pages overwritten.
    install.exec(QStringLiteral("with recursive n(i) as (select 1 union all select i+1 from n where i<3000) "
                                "insert into t select i, printf('%0100d', i), i from n;"));
    CloseDBConnection();
    Corrupt(dbPath, 8192);
    ASSERT_EQ(SQLite3Open(dbPath), 0);

    ResultTable table;
    QString errText;
    EXPECT_FALSE(SQLite3QueryEx(QStringLiteral("select sum(c) from t"), table, errText));
    EXPECT_TRUE(errText.startsWith(QStringLiteral("Returned 21:Library used incorrectly")));

    ASSERT_EQ(SQLite3Open(dbPath), 0);
    EXPECT_THROW(SQLite3Query(QStringLiteral("select sum(c) from t"), table), ProcessEnded);
}

TEST_F(AccessLayerTest, AFileThatIsNoDatabaseFailsEveryStatement) {
    CloseDBConnection();
    Corrupt(dbPath, 0);
    ASSERT_EQ(SQLite3Open(dbPath), 0);
    EXPECT_THROW(SQLite3NonQuery(kInsert), ProcessEnded);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("SQLite3NonQuery Error\r\n") + kInsert});
}

// The real end of the process, in a child process: the log written there is
// read back here.
TEST_F(AccessLayerTest, FailuresEndTheRealProcess) {
    platform::ExitProcess realEnd;
    ctx().desktop.processEnd = &realEnd;
    ResultTable table;
    EXPECT_EXIT(SQLite3NonQuery(QStringLiteral("bad sql")), ::testing::ExitedWithCode(1), "");
    EXPECT_EXIT(SQLite3Query(QStringLiteral("bad sql"), table), ::testing::ExitedWithCode(1), "");
    const QString log = install.runLog();
    EXPECT_TRUE(log.contains(QStringLiteral("  SQLite3NonQuery Error\r\n")));
    EXPECT_TRUE(log.endsWith(QStringLiteral("  21:Library used incorrectly\r\n")));
}

TEST(SqliteLibrary, VersionCheck) {
    EXPECT_TRUE(SQLiteVersionAcceptable(3040001, 3040001));
    EXPECT_TRUE(SQLiteVersionAcceptable(3045000, 3040001));
    EXPECT_FALSE(SQLiteVersionAcceptable(3039000, 3040001));
    EXPECT_FALSE(SQLiteVersionAcceptable(4000000, 3040001));
    EXPECT_EQ(SQLite3Initialize().result, 0);
}

TEST(SqliteLibrary, Utf8Texts) {
    EXPECT_EQ(Utf8PtrToString(nullptr), QString());
    const char text[] = "会計\0after";
    EXPECT_EQ(Utf8PtrToString(reinterpret_cast<const unsigned char*>(text)), QStringLiteral("会計"));
}

}  // namespace
