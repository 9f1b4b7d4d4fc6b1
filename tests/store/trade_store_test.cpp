#include "app/fatal_error.h"
#include "app/identity.h"
#include "app/runtime_error.h"
#include "store/trade_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class TradeStore : public ::testing::Test {
protected:
    void SetUp() override {
        install.openDatabase();
        install.setTime("2020-04-01T09:05:07");
    }

    // What the call wrote to the run log.
    QString logOf(const std::function<void()>& call) {
        const qsizetype before = install.runLog().size();
        call();
        return install.runLog().mid(before);
    }

    // Records the way the screen does: the next seq of the date.
    int record(int y, int m, int d, const QString& trade, const QString& detail, const QString& name,
               const QString& money, const QString& rate) {
        const int seq = DBSelT_TradeMaxSeq(y, m, d) + 1;
        DBInsT_Trade(y, m, d, seq, trade, detail, name, money, rate);
        return seq;
    }

    // Corrects the way the screen does: history copy first.
    void correct(const QString& date, int seq, const QString& name, const QString& money) {
        const int ver = DBSelTradeHistoryMaxNum(date, seq) + 1;
        DBInsTradeHistoryBeforeUpdate(date, seq, ver);
        DBUpdT_Trade(date, seq, "01", "02", name, money, "100");
    }

    TempInstall install;
};

QString Logged(const QString& procedure, const QString& runner, const QString& sql) {
    return "09:05:07   " + procedure + "\r\n09:05:07   " + runner + "\r\n09:05:07   " + sql + "\r\n";
}

const QString kRecordColumns =
    "select month\r\n      ,day\r\n      ,seq\r\n      ,trade_cd\r\n      ,detail_cd\r\n      ,detail_name\r\n"
    "      ,money\r\n      ,rate\r\nfrom   t_trade\r\n";

TEST_F(TradeStore, StatementsAsLogged) {
    const struct {
        std::function<void()> call;
        QString log;
    } cases[] = {
        {[] { DBInsT_Trade(2020, 4, 1, 7, "01", "02", "Bob's", "12000", "50"); },
         Logged("DBInsT_Trade", "SQLite3NonQuery",
                "insert into t_trade values(\r\n   2020\r\n  ,4\r\n  ,1\r\n  ,7\r\n  ,'01'\r\n  ,'02'\r\n"
                "  ,'Bob''s'\r\n  ,'12000'\r\n  ,'50'\r\n  ,'1'\r\n  ,'2020/04/01 09:05:07'\r\n)")},
        {[] { DBInsTradeHistoryBeforeUpdate("2020/04/01", 7, 2); },
         Logged("DBInsTradeHistoryBeforeUpdate", "SQLite3NonQuery",
                "insert into t_trade_history\r\n  select year\r\n        ,month\r\n        ,day\r\n        ,seq\r\n"
                "        ,2\r\n        ,trade_cd\r\n        ,detail_cd\r\n        ,detail_name\r\n        ,money\r\n"
                "        ,rate\r\n        ,is_valid\r\n        ,dt_update\r\n  from   t_trade\r\n"
                "  where  year  = 2020\r\n    and  month = 4\r\n    and  day   = 1\r\n    and  seq   = 7")},
        {[] { DBUpdT_Trade("2020/4/1", 7, "01", "03", "It's", "1200", "100"); },
         Logged("DBUpdT_Trade", "SQLite3NonQuery",
                "update t_trade set\r\n       trade_cd = '01'\r\n      ,detail_cd = '03'\r\n"
                "      ,detail_name = 'It''s'\r\n      ,money = 1200\r\n      ,rate = 100\r\n"
                "      ,dt_update = '2020/04/01 09:05:07'\r\nwhere  year  = 2020\r\n  and  month = 04\r\n"
                "  and  day   = 01\r\n  and  seq   = 7;\r\n")},
        {[] { EXPECT_EQ(DBSelTradeHistoryMaxNum("2020/04/01", 7), 2); },
         Logged("DBSelTradeHistoryMaxNum", "SQLite3Query",
                "select ifnull(max(ver_idx),0) as max_idx\r\nfrom   t_trade_history\r\nwhere  year  = 2020\r\n"
                "  and  month = 4\r\n  and  day   = 1\r\n  and  seq   = 7") +
             "09:05:07   cols=max_idx\r\n09:05:07   row.count=1\r\n"},
        {[] { EXPECT_EQ(RowCount(DBSelTradeRecord("2020/04/01", 7)), 1); },
         Logged("DBSelTradeRecord", "SQLite3Query",
                "select trade_cd\r\n      ,detail_cd\r\n      ,detail_name\r\n      ,money\r\n      ,rate\r\n"
                "from   t_trade\r\nwhere  year  = 2020\r\n  and  month = 4\r\n  and  day   = 1\r\n"
                "  and  seq   = 7\r\n  and  is_valid = 1\r\n")},
        {[] { EXPECT_EQ(DBSelT_TradeRecordsYM("2020", "04", "").size(), 1); },
         Logged("DBSelT_TradeRecordsYM", "SQLite3Query",
                kRecordColumns + "where  year  = 2020\r\n  and  month = 04\r\n  and  is_valid = 1\r\n"
                                 "order by\r\n       month,day,seq\r\n")},
        {[] { EXPECT_EQ(DBSelT_TradeRecordsYMTD("2020", "04", "01", "01", "").size(), 1); },
         Logged("DBSelT_TradeRecordsYMTD", "SQLite3Query",
                kRecordColumns +
                    "where  year  = 2020\r\n  and  month = 04\r\n  and  day   = 01\r\n"
                    "  and  trade_cd = '01'\r\n  and  is_valid = 1\r\norder by\r\n       month,day,seq\r\n")},
        {[] { EXPECT_EQ(DBSelT_TradeSumYMTD("2020", "04", "01", "01", "03"), "\\1200"); },
         Logged("DBSelT_TradeSumYMTD", "SQLite3Query",
                "select sum(money * rate / 100) as sum\r\nfrom   t_trade\r\nwhere  year  = 2020\r\n"
                "  and  month = 04\r\n  and  day   = 01\r\n  and  trade_cd = '01'\r\n  and  detail_cd = '03'\r\n"
                "  and  is_valid = 1\r\n")},
        {[] { DBUpdT_TradeIsValid("2020", "04", "01", 7); },
         Logged("DBUpdT_TradeIsValid", "SQLite3NonQuery",
                "update t_trade set\r\n       is_valid = 0\r\n      ,dt_update = '2020/04/01 09:05:07'\r\n"
                "where  year  = 2020\r\n  and  month = 04\r\n  and  day   = 01\r\n  and  seq   = 7\r\n")},
        {[] { EXPECT_EQ(DBSelT_TradeMaxSeq(2020, 4, 1), 7); },
         Logged("DBSelT_TradeMaxSeq", "SQLite3Query",
                "select max(seq)\r\nfrom   t_trade\r\nwhere  year  = 2020\r\n  and  month = 4\r\n"
                "  and  day   = 1\r\n")},
    };
    for (const auto& c : cases) EXPECT_EQ(logOf(c.call).toStdString(), c.log.toStdString());
}

TEST_F(TradeStore, SeqCountsVoidedRowsAndStartsAtOnePerDate) {
    EXPECT_EQ(DBSelT_TradeMaxSeq(2020, 4, 1), 0);
    for (int expected = 1; expected <= 3; ++expected)
        EXPECT_EQ(record(2020, 4, 1, "01", "01", "a", "1", "100"), expected);
    DBUpdT_TradeIsValid("2020", "04", "01", 3);
    EXPECT_EQ(record(2020, 4, 1, "01", "01", "a", "1", "100"), 4);
    EXPECT_EQ(record(2020, 4, 2, "01", "01", "a", "1", "100"), 1);
    EXPECT_EQ(install.rows("select day, seq, is_valid from t_trade order by day, seq"),
              QStringList({"1\t1\t1", "1\t2\t1", "1\t3\t0", "1\t4\t1", "2\t1\t1"}));
    QStringList seqs;
    for (const QString& item : DBSelT_TradeRecordsYM("2020", "04", "01")) seqs << item.mid(13, 3);
    EXPECT_EQ(seqs, QStringList({"  1", "  2", "  4"}));
    EXPECT_TRUE(DBSelTradeRecord("2020/04/01", 3).value(0).isEmpty());
}

TEST_F(TradeStore, HistoryKeepsEachReplacedVersion) {
    const int seq = record(2020, 4, 5, "01", "02", "A", "1000", "100");
    install.setTime("2020-04-02T10:00:00");
    correct("2020/04/05", seq, "A", "1200");
    install.setTime("2020-04-03T11:30:00");
    correct("2020/04/05", seq, "B", "1300");
    EXPECT_EQ(
        install.rows("select month, day, seq, ver_idx, detail_name, money, is_valid, dt_update from t_trade_history "
                     "order by ver_idx"),
        QStringList({"4\t5\t1\t1\tA\t1000\t1\t2020/04/01 09:05:07", "4\t5\t1\t2\tA\t1200\t1\t2020/04/02 10:00:00"}));
    EXPECT_EQ(install.rows("select month, day, seq, detail_name, money, dt_update from t_trade"),
              QStringList({"4\t5\t1\tB\t1300\t2020/04/03 11:30:00"}));
    EXPECT_EQ(DBSelTradeHistoryMaxNum("2020/4/5", seq), 2);
    EXPECT_EQ(DBSelTradeHistoryMaxNum("2020/04/05", seq + 1), 0);
}

TEST_F(TradeStore, SumAddsTruncatedSharesOfTheFilteredValidRows) {
    record(2020, 4, 1, "D1", "01", "a", "199", "50");
    record(2020, 4, 1, "D1", "01", "b", "199", "50");
    record(2020, 4, 1, "D1", "02", "c", "12345", "50");
    record(2020, 5, 1, "D1", "02", "d", "1000", "100");
    record(2020, 4, 1, "B1", "01", "e", "700", "100");
    const int voided = record(2020, 4, 1, "D1", "01", "f", "500", "100");
    DBUpdT_TradeIsValid("2020", "04", "01", voided);
    const struct {
        QString month, day, trade, detail, caption;
        qsizetype items;
    } cases[] = {
        {"04", "01", "D1", "01", "\\198", 2},  // 99 + 99, not 398 / 2
        {"04", "01", "D1", "", "\\6370", 3},   // 198 + 6172
        {"", "", "D1", "", "\\7370", 4},      {"04", "", "B1", "", "\\700", 1},
        {"04", "02", "D1", "", "", 0},        {"04", "01", "", "", "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DBSelT_TradeSumYMTD("2020", c.month, c.day, c.trade, c.detail), c.caption) << c.caption.toStdString();
        EXPECT_EQ(DBSelT_TradeRecordsYMTD("2020", c.month, c.day, c.trade, c.detail).size(), c.items);
    }
    QStringList dates;
    for (const QString& item : DBSelT_TradeRecordsYM("2020", "", "")) dates << item.left(16);
    EXPECT_EQ(dates, QStringList({"2020/04/01(水)  1", "2020/04/01(水)  2", "2020/04/01(水)  3", "2020/04/01(水)  4",
                                  "2020/05/01(金)  1"}));
    EXPECT_TRUE(DBSelT_TradeRecordsYM("2020", "04", "02").isEmpty());
}

TEST_F(TradeStore, SingleQuoteStoredAndReadBackAsTyped) {
    const int seq = record(2020, 4, 1, "01", "02", "Bob's", "100", "100");
    EXPECT_EQ(install.rows("select detail_name from t_trade"), QStringList({"Bob's"}));
    EXPECT_TRUE(DBSelT_TradeRecordsYM("2020", "04", "01").value(0).contains(" Bob's "));
    correct("2020/04/01", seq, "O'Neil's", "100");
    EXPECT_EQ(install.rows("select detail_name from t_trade_history"), QStringList({"Bob's"}));
    EXPECT_EQ(FindColumn(DBSelTradeRecord("2020/04/01", seq), 1, "detail_name"), "O'Neil's");
    EXPECT_TRUE(DBSelT_TradeRecordsYM("2020", "04", "01").value(0).contains(" O'Neil's "));
}

TEST(TradeStoreLists, ShowTheDescriptionThenReportFatalError) {
    const std::function<void()> lists[] = {
        [] { DBSelT_TradeRecordsYM("2020", "02", ""); },
        [] { DBSelT_TradeRecordsYMTD("2020", "", "", "01", "01"); },
    };
    for (const auto& list : lists) {
        TempInstall install;
        install.openDatabase();
        install.exec("insert into t_trade values(2020, 2, 30, 1, '01', '01', 'x', 1, 100, 1, '')");
        EXPECT_THROW(list(), ProcessEnded);
        const auto& shown = install.desktop.dialogs.shown;
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_FALSE(shown[0].text.isEmpty());
        EXPECT_EQ(shown[0].title, kAppTitle);
        EXPECT_EQ(shown[1].title, kErrorTitle);
        EXPECT_TRUE(shown[1].text.contains("Err.Desc=" + shown[0].text));
    }
}

TEST_F(TradeStore, DateTextThatDoesNotConvert) {
    // The writing procedures and the read-back leave it to the caller's trap.
    EXPECT_THROW(DBInsTradeHistoryBeforeUpdate("2020/02/30", 1, 1), RunTimeError);
    EXPECT_THROW(DBUpdT_Trade("2020/13/01", 1, "01", "01", "a", "1", "100"), RunTimeError);
    EXPECT_THROW(DBSelTradeRecord("x", 1), RunTimeError);
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    // The history count reports it itself, without running its query.
    const QString log = logOf([] { EXPECT_THROW(DBSelTradeHistoryMaxNum("2020/02/30", 1), ProcessEnded); });
    EXPECT_FALSE(log.contains("SQLite3Query"));
    ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
    EXPECT_EQ(install.desktop.dialogs.shown[0].title, kErrorTitle);
}

TEST_F(TradeStore, UnstorableValuesAreRefusedBeforeAnyStatement) {
    const int seq = record(2020, 4, 1, "01", "01", "a", "2147483647", "0");
    const QStringList before = install.rows("select * from t_trade");
    const struct {
        QString name, money, rate;
    } refused[] = {
        {"a", "2147483648", "100"}, {"a", "99999999999999999999", "100"},
        {"a", "", "100"},           {"a", "-1", "100"},
        {"a", "1,000", "100"},      {"a", "１０", "100"},
        {"a", "1", "101"},          {"a", "1", ""},
        {"a", "1", "50%"},          {"a\tb", "1", "100"},
    };
    for (const auto& r : refused) {
        const QString log = logOf([&] {
            EXPECT_THROW(DBInsT_Trade(2020, 4, 1, seq + 1, "01", "01", r.name, r.money, r.rate), RunTimeError);
            EXPECT_THROW(DBUpdT_Trade("2020/04/01", seq, "01", "01", r.name, r.money, r.rate), RunTimeError);
        });
        EXPECT_FALSE(log.contains("SQLite3")) << log.toStdString();
    }
    EXPECT_EQ(install.rows("select * from t_trade"), before);
    EXPECT_EQ(install.rows("select money, rate from t_trade"), QStringList({"2147483647\t0"}));
    DBUpdT_Trade("2020/04/01", seq, "01", "01", "a", "0", "100");
    EXPECT_EQ(install.rows("select money, rate from t_trade"), QStringList({"0\t100"}));
}

}  // namespace
