// The ways a store procedure ends the process, each in a fresh installation:
// the query's error text shown or not, or the fatal-error report, shown
// first by the record list's own trap.
#include "golden_log.h"
#include "store/master_store.h"
#include "store/opening_balance_store.h"
#include "store/report_queries.h"
#include "store/trade_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <functional>

TEST(StoreFailures, EndingsAsLogged) {
    const QString badDay = "insert into t_trade values (2020,2,30,1,'01','01','x','1','100','1','')";
    const QString noTrades = "drop table t_trade";
    const struct {
        QString arrange;
        std::function<void()> call;
    } cases[] = {
        {"drop table m_account", [s = QString()]() mutable { DBSelMAccount("100", s, s, s); }},
        {"drop table t_bs_begining_history", [] { DBSelBSHistoryMaxNum("2020", "100"); }},
        {"insert into t_bs_begining_history values (2020,'100',3000000000,'x','a',0,'')",
         [] { DBSelBSHistoryMaxNum("2020", "100"); }},
        {"drop table t_bs_begining", [] { DBSelBSBeginingMoney(2020, "100"); }},
        {"insert into t_bs_begining values (2020,'100','x','a',3000000000,'')",
         [] { DBSelBSBeginingMoney(2020, "100"); }},
        {"drop table t_trade_history", [] { DBSelTradeHistoryMaxNum("2020/04/01", 1); }},
        {"", [] { DBSelTradeHistoryMaxNum("2020/02/30", 1); }},
        {badDay, [] { DBSelT_TradeRecordsYM("2020", "02", ""); }},
        {badDay, [] { DBSelT_TradeRecordsYMTD("2020", "", "", "01", "01"); }},
        {noTrades, [] { DBSelJournalTable(2020); }},
        {noTrades, [] { DBSelAccountHead(2020); }},
        {noTrades, [] { DBSelSocialInsurance(2020); }},
        {noTrades, [] { DBSelOtherInsurance(2020); }},
        {noTrades, [] { DBSelSumSocialInsurance(2020); }},
        {"insert into t_trade values (2020,1,1,1,'77','01','x','1e300','100','1','')",
         [] { DBSelSumSocialInsurance(2020); }},
    };
    QByteArray logs;
    for (const auto& c : cases) {
        TempInstall install;
        install.openDatabase();
        install.exec(c.arrange);
        EXPECT_THROW(c.call(), ProcessEnded) << c.arrange.toStdString();
        LogDialogs(install.desktop.dialogs.shown);
        logs += RunLogBytes() + "--------\r\n";
    }
    EXPECT_EQ(GoldenDiff("store/store_failures.log", logs), "");
}
