// The store beyond the scenarios of store_test: searching transactions, each
// condition alone and combined over the fixture years, the statement as
// logged with its bound values and the rows and business-share sum found
// against tests/data/store/search.log; books made before a table or an index
// was added; and a carry that fails.
#include "app/context.h"
#include "app/run_log.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "sqlite/sqlite_api.h"
#include "store/carry_record_store.h"
#include "store/db_file.h"
#include "store/search_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

TEST(Search, FindsWhatEachConditionAndTheirCombinationsNameAsLogged) {
    TempInstall install;
    OpenFixtureBooks(install);
    // Wildcard characters of LIKE in summaries, and a voided transaction of another year.
    install.exec(
        "insert into t_trade values"
        " (2020, 8, 9, 1, '19', '01', '割引50%の文具', 2000, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 2, '19', '01', '割引500の文具', 3000, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 3, '19', '01', 'file_a', 400, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 4, '19', '01', 'fileXa', 500, 100, 1, '2020/08/09 09:00:00'),"
        " (2021, 2, 1, 1, '50', '01', '取り消した電気代', 7000, 30, 0, '2021/02/02 09:00:00')");
    const struct {
        const char* name;
        SearchConditions conditions;
    } cases[] = {
        {"the fiscal year alone", {.fiscalYear = 2020}},
        {"a year with nothing", {.fiscalYear = 2019}},
        {"dates", {.fiscalYear = 2020, .dateFrom = QDate(2020, 4, 1), .dateTo = QDate(2020, 6, 15)}},
        {"dates past the fiscal year's end stay in it", {.fiscalYear = 2020, .dateFrom = QDate(2020, 12, 31)}},
        {"dates across years", {.allYears = true, .dateFrom = QDate(2020, 12, 25), .dateTo = QDate(2021, 3, 3)}},
        {"booked amounts", {.fiscalYear = 2020, .amountFrom = 2000, .amountTo = 3888}},
        {"stored amounts", {.fiscalYear = 2020, .amountFrom = 2000, .amountTo = 3888, .bookedAmount = false}},
        {"an amount from only", {.fiscalYear = 2020, .amountFrom = 1000000}},
        {"text", {.fiscalYear = 2020, .text = "電気"}},
        {"% taken as itself", {.fiscalYear = 2020, .text = "50%"}},
        {"_ taken as itself", {.fiscalYear = 2020, .text = "e_a"}},
        {"a quote in the text", {.fiscalYear = 2020, .text = "a' or '1'='1"}},
        {"trade", {.fiscalYear = 2020, .tradeCd = "19"}},
        {"account on either side", {.fiscalYear = 2020, .accountCd = "100"}},
        {"voided in", {.fiscalYear = 2020, .withVoided = true}},
        {"voided in across years", {.allYears = true, .withVoided = true}},
        {"voided out across years", {.allYears = true}},
        {"text, amount and trade", {.fiscalYear = 2020, .amountFrom = 5, .text = "x'%", .tradeCd = "01"}},
        {"combined",
         {.allYears = true,
          .dateFrom = QDate(2020, 1, 1),
          .dateTo = QDate(2021, 12, 31),
          .amountFrom = 1000,
          .amountTo = 10000,
          .text = "電気",
          .accountCd = "100",
          .withVoided = true}},
    };
    for (const auto& c : cases) {
        WriteLog(QString("> ") + c.name);
        QStringList found;
        qint64 sum = 0;
        for (const SearchRow& r : DBSelT_TradeSearch(c.conditions)) {
            found << QString("%1/%2/%3-%4").arg(r.year, r.record.month, r.record.day, r.record.seq) +
                         (r.valid ? "" : " voided");
            sum += r.booked.toLongLong();
        }
        LogResult(found << QString::number(sum));
    }
    EXPECT_EQ(GoldenDiff("store/search.log", RunLogBytes()), "");
}

// Each thing dropped, then the books opened twice: the schema as new books
// have it, made by the first opening as logged in tests/data/store/older_books.log.
TEST(OlderBooks, GetWhatNewBooksHaveOnOpening) {
    const QString schema =
        "select m.type, m.name, case m.type when 'index' then m.sql end, p.name, p.type, p.\"notnull\", p.pk"
        " from sqlite_master m left join pragma_table_info(m.name) p order by m.name, p.cid";
    QByteArray log;
    for (const QString drop :
         {"", "drop table t_bs_carry", "drop index t_trade_trade_cd; drop index t_trade_year_sums",
          "drop table t_import_rule",
          "drop table t_import_layout; drop table t_import_rule; drop table t_import; drop table t_import_trade"}) {
        TempInstall install;
        install.openDatabase();
        const QStringList fresh = install.rows(schema);
        install.exec(drop);
        for (int opening = 0; opening < 2; ++opening) {
            SQLite3Close();
            QString error;
            ASSERT_TRUE(DBFileOpen(install.path("db/velmo.sqlite3"), error)) << error.toStdString();
        }
        EXPECT_EQ(install.rows(schema), fresh) << drop.toStdString();
        log += Sjis("> " + drop + "\r\n") + RunLogBytes();
    }
    EXPECT_EQ(GoldenDiff("store/older_books.log", log), "");
}

TEST(CarryRecord, AFailedCarryLeavesNoRecord) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText("store/carry_forward.sql") +
                 "create trigger planted before update on t_bs_begining when new.account_cd = '640' "
                 "begin select raise(abort, 'disk full'); end");
    EXPECT_THROW(DBCarryForwardBS_Begining("2021", "2020", false, {{"100", 5000}}), ProcessEnded);
    // The process ended: the next start opens the file afresh.
    sqlite3_close_v2(ctx().db);
    ASSERT_EQ(sqlite3_open(install.path("db/velmo.sqlite3").toUtf8().constData(), &ctx().db), SQLITE_OK);
    EXPECT_EQ(install.rows("select count(*) from t_bs_carry"), QStringList{"0"});
    EXPECT_FALSE(DBSelT_BsCarryLast(2021).has_value());
}

}  // namespace
