// Running statements and reading their results: what is logged, what is
// returned, and how every failure ends.
#include "app/context.h"
#include "golden_log.h"
#include "sqlite/sqlite_api.h"
#include "sqlite/statements.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QStringDecoder>

#include <chrono>
#include <thread>

namespace {

// Statements, failures and values as logged, against
// tests/data/sqlite/statements.txt.
TEST(Sqlite, StatementsValuesAndFailuresAsLogged) {
    TempInstall install;
    const QString dbPath = install.path("db/test.sqlite3");
    // Created in UTF-8, as the bundled database is.
    ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &ctx().db), SQLITE_OK);
    install.exec(
        "create table t(a integer, b text, c integer); create table k(id integer primary key);"
        "insert into k values(1);");
    ResultTable table;
    QString errText = "stale";
    SQLite3NonQuery("insert into t values(\r\n   1\r\n  ,'a'\r\n  ,2); insert into t values(2,'b',3)");
    for (const char* sql :
         {"insert into t valuez(1)", "insert into nowhere values(1)", "insert into k values(1)", "select 1"}) {
        EXPECT_THROW(SQLite3NonQuery(sql), ProcessEnded) << sql;
        LogDialogs(install.desktop.dialogs.shown);
    }
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
    // An overflow found at run time makes every step fail with another code: a
    // query ends after bounded tries, never loops.
    const QString overflow = "select abs(-9223372036854775807 - 1) as v";
    EXPECT_THROW(SQLite3Query(overflow, table), ProcessEnded);
    EXPECT_FALSE(SQLite3QueryEx(overflow, table, errText));
    LogResult({errText});
    // Values become TAB-joined text in result order, integers read whole so
    // that a sum past 32 bits is not cut; no row leaves only an empty header.
    // FindColumn takes the first of twin names, and a missing name is fatal.
    // The overflow ended the process: the next start opens the file afresh.
    ASSERT_EQ(sqlite3_open(dbPath.toUtf8().constData(), &ctx().db), SQLITE_OK);
    install.exec("delete from t; insert into t values(2,'b',null); insert into t values(1,null,10);");
    for (const char* sql : {"select a, b, c as total from t order by a", "select a from t where a > 2",
                            "select 42, -7, 1.5, 100.0, 2.0, 1.0/3, '会計', x'4142', null, 2147483648, -2147483649",
                            "select null as v, 5 as n, 'x' as b, 6 as n"}) {
        SQLite3Query(sql, table);
        LogResult(table);
    }
    LogResult({FindColumn(table, 1, "v") + FindColumn(table, 1, "n") + FindColumn(table, 1, "b")});
    EXPECT_THROW(FindColumn(table, 2, "n"), std::runtime_error);  // no such row: the caller's trap reports it
    EXPECT_THROW(FindColumn(table, 1, "N"), ProcessEnded);
    LogDialogs(install.desktop.dialogs.shown);
    EXPECT_EQ(GoldenDiff("sqlite/statements.txt", RunLogBytes()), "");
}

// Stored bytes read back as Qt's own decoder reads them: ASCII, two and three
// bytes a character, a byte order mark, and what is not well-formed (a lone
// continuation byte, an overlong form, an encoded surrogate, four bytes, a
// character cut short).
TEST(Sqlite, TextsReadAsQtDecodesThem) {
    TempInstall install;
    ASSERT_EQ(sqlite3_open(install.path("db/test.sqlite3").toUtf8().constData(), &ctx().db), SQLITE_OK);
    for (const char* hex :
         {"", "41305a7e5c", "c2a5", "e4ba8be58b99e381a6", "efbbbf41", "80", "c0af", "eda080", "f09f9880", "41e4ba"}) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        const QString expected = utf8.decode(QByteArray::fromHex(hex));
        QString read = "kept";
        LoggedQuery(QString("select cast(x'%1' as text)").arg(hex)).each([&](const QueryRow& row) {
            EXPECT_EQ(row.text(0), expected) << hex;
            row.assign(read, 0);
        });
        EXPECT_EQ(read, expected) << hex;
    }
}

}  // namespace
