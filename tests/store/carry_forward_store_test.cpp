// The statements of carrying a year forward and of the trial balance's
// accounts, as logged, with what they read and the rows they leave.
#include "store/carry_forward_store.h"
#include "golden_log.h"
#include "store/trial_balance_queries.h"
#include "temp_install.h"

#include <gtest/gtest.h>

TEST(CarryForwardStore, ScenarioAsLogged) {
    TempInstall install;
    install.openDatabase();
    install.exec(
        "insert into t_bs_begining select 2020, account_cd, account_name, case when account_cd < '400' "
        "then 'a' else 'd' end, 0, '2021/01/04 10:00:00' from m_account where account_cd < '700'");
    install.exec("update t_bs_begining set account_name = 'ソフトウェア', money = 5000 where account_cd = '260'");
    install.exec("update t_bs_begining set money = 7000 where account_cd = '100'");
    // The master's own name wins; an account the master leaves unnamed shows the sheet's.
    install.exec("update t_bs_begining set account_name = '現金(手元)' where account_cd = '100'");

    install.setTime("2021-01-05T11:00:00");
    DBInsBS_BeginingFromYear("2021", "2020");
    LogResult(install.rows("select * from t_bs_begining where year = 2021 and account_cd in ('100', '260', '270')"));
    install.exec("update t_bs_begining set account_name = '' where year = 2021 and account_cd = '260'");
    install.exec("update t_bs_begining set account_name = '特許権' where year = 2021 and account_cd = '270'");
    install.setTime("2021-01-06T12:00:00");
    // Left unnamed, named in both years, unnamed in both: only the first takes a name.
    DBUpdBS_BeginingCarried("2021", "260", 5000, "2020");
    DBUpdBS_BeginingCarried("2021", "270", -180000, "2020");
    DBUpdBS_BeginingCarried("2021", "280", 2147483647, "2020");
    LogResult(install.rows("select * from t_bs_begining where year = 2021 and account_cd in ('260', '270', '280')"));
    EXPECT_EQ(install.rows("select count(*), sum(money) from t_bs_begining where year = 2021"),
              QStringList{"50\t2147308647"});
    EXPECT_EQ(install.rows("select count(*) from t_bs_begining_history"), QStringList{"0"});

    LogResult(DBSelTrialBalanceAccounts(2020));
    // A year without a sheet still lists every account, each opening at 0.
    const ResultTable none = DBSelTrialBalanceAccounts(2019);
    EXPECT_EQ(none.size(), 70);
    for (qsizetype i = 1; i < none.size(); ++i) EXPECT_TRUE(none[i].endsWith("\t0")) << none[i].toStdString();
    EXPECT_EQ(GoldenDiff("store/carry_forward_store.log", RunLogBytes()), "");
}
