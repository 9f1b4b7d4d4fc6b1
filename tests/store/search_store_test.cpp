// Searching transactions: each condition alone and combined, over the fixture
// years, against the rows and business-share sums worked out here from every
// stored transaction; the typed text bound as a value, never in the statement.
#include "store/search_store.h"
#include "golden_log.h"
#include "sqlite/sqlite_api.h"
#include "store/db_file.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A stored transaction with its trade's accounts, as the test reads it.
struct Stored {
    int year, month, day, seq;
    qint64 money, rate;
    bool valid;
    QString text, tradeCd, debitCd, creditCd;
    qint64 booked() const { return money * rate / 100; }
    QDate date() const { return {year, month, day}; }
};

std::vector<Stored> AllStored(const TempInstall& install) {
    std::vector<Stored> all;
    for (const QString& row : install.rows(
             "select t.year, t.month, t.day, t.seq, t.money, t.rate, t.is_valid, t.detail_name, t.trade_cd,"
             " ifnull(m.debit_cd, ''), ifnull(m.credit_cd, '') from t_trade t left join m_trade m using (trade_cd)"
             " order by 1, 2, 3, 4")) {
        const QStringList f = row.split('\t');
        all.push_back({f[0].toInt(), f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toLongLong(), f[5].toLongLong(),
                       f[6] == "1", f[7], f[8], f[9], f[10]});
    }
    return all;
}

QString KeyOf(int year, int month, int day, int seq) {
    return QString("%1/%2/%3-%4").arg(year).arg(month).arg(day).arg(seq);
}

SearchConditions Year(int year) { return {.fiscalYear = year}; }

TEST(Search, FindsWhatEachConditionAndTheirCombinationsName) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText("fixture_year.sql"));
    // Wildcard characters of LIKE in summaries, and a voided transaction of another year.
    install.exec(
        "insert into t_trade values"
        " (2020, 8, 9, 1, '19', '01', '割引50%の文具', 2000, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 2, '19', '01', '割引500の文具', 3000, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 3, '19', '01', 'file_a', 400, 100, 1, '2020/08/09 09:00:00'),"
        " (2020, 8, 9, 4, '19', '01', 'fileXa', 500, 100, 1, '2020/08/09 09:00:00'),"
        " (2021, 2, 1, 1, '50', '01', '取り消した電気代', 7000, 30, 0, '2021/02/02 09:00:00')");
    const std::vector<Stored> all = AllStored(install);
    using Want = std::function<bool(const Stored&)>;
    const auto inYear = [](int y) { return [y](const Stored& s) { return s.year == y && s.valid; }; };
    const struct {
        const char* name;
        SearchConditions conditions;
        Want want;
    } cases[] = {
        {"the fiscal year alone", Year(2020), inYear(2020)},
        {"a year with nothing", Year(2019), inYear(2019)},
        {"dates",
         {.fiscalYear = 2020, .dateFrom = QDate(2020, 4, 1), .dateTo = QDate(2020, 6, 15)},
         [](const Stored& s) { return s.valid && s.date() >= QDate(2020, 4, 1) && s.date() <= QDate(2020, 6, 15); }},
        {"dates past the fiscal year's end stay in it",
         {.fiscalYear = 2020, .dateFrom = QDate(2020, 12, 31)},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.month == 12 && s.day == 31; }},
        {"dates across years",
         {.allYears = true, .dateFrom = QDate(2020, 12, 25), .dateTo = QDate(2021, 3, 3)},
         [](const Stored& s) { return s.valid && s.date() >= QDate(2020, 12, 25) && s.date() <= QDate(2021, 3, 3); }},
        {"booked amounts",
         {.fiscalYear = 2020, .amountFrom = 2000, .amountTo = 3888},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.booked() >= 2000 && s.booked() <= 3888; }},
        {"stored amounts",
         {.fiscalYear = 2020, .amountFrom = 2000, .amountTo = 3888, .bookedAmount = false},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.money >= 2000 && s.money <= 3888; }},
        {"an amount from only",
         {.fiscalYear = 2020, .amountFrom = 1000000},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.booked() >= 1000000; }},
        {"text",
         {.fiscalYear = 2020, .text = "電気"},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.text.contains("電気"); }},
        {"% taken as itself",
         {.fiscalYear = 2020, .text = "50%"},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.text.contains("50%"); }},
        {"_ taken as itself",
         {.fiscalYear = 2020, .text = "e_a"},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.text.contains("e_a"); }},
        {"a quote in the text", {.fiscalYear = 2020, .text = "a' or '1'='1"}, [](const Stored&) { return false; }},
        {"trade",
         {.fiscalYear = 2020, .tradeCd = "19"},
         [](const Stored& s) { return s.valid && s.year == 2020 && s.tradeCd == "19"; }},
        {"account on either side",
         {.fiscalYear = 2020, .accountCd = "100"},
         [](const Stored& s) { return s.valid && s.year == 2020 && (s.debitCd == "100" || s.creditCd == "100"); }},
        {"voided in", {.fiscalYear = 2020, .withVoided = true}, [](const Stored& s) { return s.year == 2020; }},
        {"voided in across years", {.allYears = true, .withVoided = true}, [](const Stored&) { return true; }},
        {"voided out across years", {.allYears = true}, [](const Stored& s) { return s.valid; }},
        {"combined",
         {.allYears = true,
          .dateFrom = QDate(2020, 1, 1),
          .dateTo = QDate(2021, 12, 31),
          .amountFrom = 1000,
          .amountTo = 10000,
          .text = "電気",
          .accountCd = "100",
          .withVoided = true},
         [](const Stored& s) {
             return s.booked() >= 1000 && s.booked() <= 10000 && s.text.contains("電気") &&
                    (s.debitCd == "100" || s.creditCd == "100");
         }},
    };
    for (const auto& c : cases) {
        QStringList wantKeys, gotKeys;
        qint64 wantSum = 0, gotSum = 0;
        for (const Stored& s : all) {
            if (!c.want(s)) continue;
            wantKeys << KeyOf(s.year, s.month, s.day, s.seq) + (s.valid ? "" : " voided");
            wantSum += s.booked();
        }
        for (const SearchRow& r : DBSelT_TradeSearch(c.conditions)) {
            gotKeys << KeyOf(r.year.toInt(), r.record.month.toInt(), r.record.day.toInt(), r.record.seq.toInt()) +
                           (r.valid ? "" : " voided");
            gotSum += r.booked.toLongLong();
        }
        EXPECT_EQ(gotKeys, wantKeys) << c.name;
        EXPECT_EQ(gotSum, wantSum) << c.name;
    }
    // The cases name rows on purpose: a case that matches nothing proves little.
    EXPECT_EQ(DBSelT_TradeSearch({.fiscalYear = 2020, .text = "50%"}).size(), 1u);
    EXPECT_EQ(DBSelT_TradeSearch({.fiscalYear = 2020, .text = "e_a"}).size(), 1u);
}

// The text reaches the library as a bound value: the statement as logged
// names the parameter, the value follows on a line of its own.
TEST(Search, LogsTheStatementWithItsValuesApart) {
    TempInstall install;
    install.openDatabase();
    DBSelT_TradeSearch({.fiscalYear = 2020, .amountFrom = 5, .text = "x'%", .tradeCd = "01"});
    const QString log = install.runLog();
    const qsizetype start = log.indexOf("09:30:05   DBSelT_TradeSearch");
    ASSERT_GE(start, 0);
    EXPECT_EQ(log.mid(start),
              "09:30:05   DBSelT_TradeSearch\r\n"
              "09:30:05   SQLite3Query\r\n"
              "09:30:05   select t.year\r\n"
              "      ,t.month\r\n"
              "      ,t.day\r\n"
              "      ,t.seq\r\n"
              "      ,t.trade_cd\r\n"
              "      ,t.detail_cd\r\n"
              "      ,t.detail_name\r\n"
              "      ,t.money\r\n"
              "      ,t.rate\r\n"
              "      ,t.money * t.rate / 100 as booked\r\n"
              "      ,t.is_valid\r\n"
              "from   t_trade t\r\n"
              "where  t.year = :year\r\n"
              "  and  t.money * t.rate / 100 >= :amount_from\r\n"
              "  and  instr(t.detail_name, :text) > 0\r\n"
              "  and  t.trade_cd = :trade_cd\r\n"
              "  and  t.is_valid = 1\r\n"
              "order by\r\n"
              "       t.year,t.month,t.day,t.seq\r\n"
              "\r\n"
              "09:30:05   bind :year=2020 :amount_from=5 :text='x'%' :trade_cd='01'\r\n");
}

// Books made before the index get it on opening, logged once; books that
// have it (new books have it from the schema) are opened without a word.
TEST(Search, OlderBooksGetTheIndexOnOpening) {
    TempInstall install;
    install.openDatabase();
    const QString index = "select sql from sqlite_master where type = 'index' and name = 't_trade_trade_cd'";
    const QStringList fresh = install.rows(index);
    ASSERT_EQ(fresh, QStringList{"CREATE INDEX t_trade_trade_cd on t_trade (trade_cd, year)"});
    for (const bool dropped : {false, true}) {
        if (dropped) install.exec("drop index t_trade_trade_cd");
        for (int opening = 0; opening < 2; ++opening) {
            SQLite3Close();
            QString error;
            ASSERT_TRUE(DBFileOpen(install.path("db/velmo.sqlite3"), error)) << error.toStdString();
            EXPECT_EQ(install.rows(index).size(), 1);
        }
        EXPECT_EQ(install.runLog().count("DBCreateSearchIndex"), dropped ? 1 : 0);
    }
    EXPECT_EQ(install.runLog().count("create index t_trade_trade_cd on t_trade (trade_cd, year)"), 1);
}

}  // namespace
