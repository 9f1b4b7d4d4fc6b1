// A correction stores its history copy and its new values together or not at
// all: the statements as logged, and the tables after a correction that went
// through and after each planted failure.
#include "app/run_log.h"
#include "golden_log.h"
#include "store/trade_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <functional>

TEST(TradeCorrection, BothOrNeitherAsLogged) {
    const struct {
        QString arrange;  // planted before the correction
        QString money;
    } cases[] = {
        {"", "1200"},
        // The update rejected by the database after the history copy went in.
        {"create trigger planted before update on t_trade begin select raise(abort, 'planted'); end", "1200"},
        // A value the store refuses, after the history copy went in.
        {"", "2147483648"},
    };
    QByteArray logs;
    for (const auto& c : cases) {
        TempInstall install;
        install.openDatabase();
        install.setTime("2020-04-01T09:05:07");
        DBInsT_Trade(2020, 4, 5, 2, "50", "01", "電気代", "1000", "30");
        DBUpdT_TradeWithHistory("2020/04/05", 2, "50", "01", "電気代", "1100", "30");
        install.exec(c.arrange);
        install.setTime("2020-04-02T10:00:00");
        try {
            LogRunTimeError([&] { DBUpdT_TradeWithHistory("2020/04/05", 2, "50", "02", "作業場", c.money, "50"); });
        } catch (const ProcessEnded&) {
            WriteLog("ProcessEnded");
        }
        LogDialogs(install.desktop.dialogs.shown);
        LogResult(install.rows("select * from t_trade_history order by ver_idx"));
        LogResult(install.rows("select * from t_trade"));
        logs += RunLogBytes() + "--------\r\n";
    }
    EXPECT_EQ(GoldenDiff("store/trade_correction.log", logs), "");
}
