// The transaction statements as logged, each followed by what it returned,
// and the tables at the end: numbering, corrections with history, voiding,
// the record list and its total, and the values that are refused.
#include "store/trade_store.h"
#include "golden_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

// Records the way the screen does: the next seq of the date.
void Record(int month, int day, const QString& trade, const QString& detail, const QString& name, const QString& money,
            const QString& rate) {
    DBInsT_Trade(2020, month, day, DBSelT_TradeMaxSeq(2020, month, day) + 1, trade, detail, name, money, rate);
}

// Corrects the way the screen does: history copy first.
void Correct(const QString& date, int seq, const QString& name, const QString& money) {
    DBInsTradeHistoryBeforeUpdate(date, seq, DBSelTradeHistoryMaxNum(date, seq) + 1);
    DBUpdT_Trade(date, seq, "D1", "02", name, money, "100");
}

}  // namespace

TEST(TradeStore, ScenarioAsLogged) {
    TempInstall install;
    install.openDatabase();
    install.setTime("2020-04-01T09:05:07");
    Record(4, 1, "D1", "01", "a", "199", "50");
    Record(4, 1, "D1", "01", "b", "199", "50");
    Record(4, 1, "D1", "01", "f", "500", "100");
    DBUpdT_TradeIsValid("2020", "04", "01", 3);
    Record(4, 1, "D1", "02", "Bob's", "1000", "100");  // seq 4: the voided row keeps its number
    Record(5, 1, "D1", "02", "d", "1000", "100");
    Record(4, 2, "B1", "01", "あいうえおかきくけこさしすせそ", "2147483647", "0");
    DBInsT_Trade(2020, 4, 5, 1234, "B1", "01", "ABCDEFGHIJKLMNOPQRSTUVWXYZ123あ", "1234567890", "100");
    install.setTime("2020-04-02T10:00:00");
    Correct("2020/4/1", 4, "O'Neil's", "1200");
    install.setTime("2020-04-03T11:30:00");
    Correct("2020/04/01", 4, "O'Neil's", "1300");

    LogResult(DBSelT_TradeRecordsYM("2020", "", ""));
    LogResult(DBSelT_TradeRecordsYM("2020", "04", "03"));
    const char* filters[][4] = {
        {"04", "01", "D1", "01"}, {"04", "", "D1", ""}, {"", "", "D1", ""}, {"", "", "B1", ""}, {"04", "03", "D1", ""}};
    for (const auto& f : filters) {
        LogResult(DBSelT_TradeRecordsYMTD("2020", f[0], f[1], f[2], f[3]));
        LogResult({DBSelT_TradeSumYMTD("2020", f[0], f[1], f[2], f[3])});
    }
    for (const int seq : {4, 3}) LogResult(DBSelTradeRecord("2020/04/01", seq));

    // Values the lists could not read back, and dates that do not convert.
    const char* refused[][3] = {{"a", "2147483648", "100"}, {"a", "99999999999999999999", "100"},
                                {"a", "", "100"},           {"a", "-1", "100"},
                                {"a", "1,000", "100"},      {"a", "１０", "100"},
                                {"a", "1", "101"},          {"a", "1", ""},
                                {"a", "1", "50%"},          {"a\tb", "1", "100"}};
    for (const auto& v : refused) {
        LogRunTimeError([&] { DBInsT_Trade(2020, 4, 1, 9, "D1", "01", v[0], v[1], v[2]); });
        LogRunTimeError([&] { DBUpdT_Trade("2020/04/01", 1, "D1", "01", v[0], v[1], v[2]); });
    }
    LogRunTimeError([] { DBInsTradeHistoryBeforeUpdate("2020/02/30", 1, 1); });
    LogRunTimeError([] { DBUpdT_Trade("2020/13/01", 1, "01", "01", "a", "1", "100"); });
    LogRunTimeError([] { DBSelTradeRecord("x", 1); });

    LogResult(install.rows("select * from t_trade_history order by 1, 2, 3, 4, 5"));
    LogResult(install.rows("select * from t_trade order by 1, 2, 3, 4"));
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(GoldenDiff("store/trade_store.log", RunLogBytes()), "");
}
