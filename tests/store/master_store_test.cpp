// The master lookups as logged, each followed by what it returned.
#include "store/master_store.h"
#include "golden_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

TEST(MasterStore, LookupsAsLogged) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText("store/master_rows.sql"));
    LogResult(DBSelM_Trade());
    for (const char* trade : {"B1", "D1"}) LogResult(DBSelM_TradeDetail(trade));
    // Hidden details are still found by code; a quote in a code is looked up as typed.
    for (const QString key : {"B1 03", "D1 01", "D1 02", "B2 02", "B1 9'"})
        LogResult(DBSelTradeDetail(key.left(2), key.mid(3)));
    for (const char* table : {"m_percent", "m_money"}) LogResult(DBSelMst(table, "value_num"));
    install.exec("delete from m_money");
    LogResult(DBSelMst("m_money", "value_num"));
    // A missing code is shown and leaves the caller's values as they were.
    for (const char* code : {"700", "100", "999", ""}) {
        QString name = "前の名前", accountClass = "x", outputClass = "y";
        DBSelMAccount(code, name, accountClass, outputClass);
        LogResult({name, accountClass, outputClass});
        LogDialogs(install.desktop.dialogs.shown);
    }
    EXPECT_EQ(GoldenDiff("store/master_store.log", RunLogBytes()), "");
}
