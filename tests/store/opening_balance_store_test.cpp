// The opening-balance statements as logged, each followed by what it
// returned, and the tables at the end; then a re-creation that fails half-way.
#include "store/opening_balance_store.h"
#include "app/context.h"
#include "golden_log.h"
#include "sqlite/transaction.h"
#include "temp_install.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

// The screen's order for storing one amount: history copy, amount, both totals.
void StoreAmount(const QString& code, const QString& money) {
    DBInsBSHistoryBeforeUpdate("2020", code, DBSelBSHistoryMaxNum("2020", code) + 1);
    DBUpdBS_Begining("2020", code, money);
    DBUpdBS_Begining("2020", "340", DBSelBS_BeginingSum(2020, "a"));
    DBUpdBS_Begining("2020", "640", DBSelBS_BeginingSum(2020, "d"));
}

// The screen's order for re-creating the year: every row kept in the
// history, then the default chart, all in one transaction.
void Recreate(const QString& year) {
    SQLite3Transaction([&] {
        DBInsBSHistoryBeforeRecreate(year);
        DBDelBS_Begining(year);
        DBInsBS_Begining(year);
    });
}

QString Number(qint64 n) { return QString::number(n); }

const QString kYearRows = "select * from t_bs_begining where year = 2020 order by account_cd";

}  // namespace

TEST(OpeningBalanceStore, ScenarioAsLogged) {
    TempInstall install;
    install.openDatabase();
    install.setTime("2020-04-01T09:05:07");
    LogResult({Number(DBSelBS_Begining("2020"))});
    DBInsBS_Begining("2020");
    LogResult({Number(DBSelBS_Begining("2020")), Number(DBSelBS_Begining("2021"))});
    for (const char* side : {"a", "d"}) LogResult(DBSelBS_BeginingAD(2020, side) << DBSelBS_BeginingSum(2020, side));
    install.setTime("2020-04-02T10:00:00");
    StoreAmount("100", "1000");
    install.setTime("2020-04-03T11:00:00");
    StoreAmount("100", "007");
    StoreAmount("620", "2500");
    StoreAmount("110", "1500");
    // Totals well above the other rows still do not enter the sums.
    install.exec("update t_bs_begining set money = 900000 where account_cd in ('340', '640')");
    LogResult({DBSelBS_BeginingSum(2020, "a"), DBSelBS_BeginingSum(2020, "d"), DBSelBS_BeginingSum(2021, "a")});

    install.exec("update t_bs_begining set money = null where account_cd = '110'");
    LogResult({DBSelBS_BeginingName(2020, "100"), DBSelBS_BeginingName(2020, "260")});
    LogRunTimeError([] { DBSelBS_BeginingName(2020, "700"); });
    LogResult(DBSelBS_BeginingNameMoney(2020, "100"));
    for (const QString key : {"2020 100", "2020 110", "2020 700", "2021 100", "2020 A01"})
        LogResult({Number(DBSelBSBeginingMoney(key.left(4).toInt(), key.mid(5)))});

    for (const QString money :
         {"", "-1", "1.5", "1,000", "１０", " 5", "2147483648", "99999999999999999999", "0 or 1=1"})
        LogRunTimeError([&] { DBUpdBS_Begining("2020", "100", money); });
    // A side whose true sum no longer fits is refused rather than handed on.
    DBUpdBS_Begining("2020", "100", "2147483647");
    DBUpdBS_Begining("2020", "130", "2147483647");
    LogRunTimeError([] { DBSelBS_BeginingSum(2020, "a"); });

    // Re-creating copies every row into the history, and the numbering goes on.
    install.exec("update t_bs_begining set account_name = 'ソフト' where account_cd = '260'");
    install.setTime("2020-06-01T08:00:00");
    Recreate("2020");
    StoreAmount("100", "300");
    LogResult(install.rows("select * from t_bs_begining_history order by 1, 2, 3"));
    LogResult(install.rows(kYearRows));
    EXPECT_NE(sqlite3_get_autocommit(ctx().db), 0) << "a transaction was left open";
    EXPECT_EQ(GoldenDiff("store/opening_balance_store.log", RunLogBytes()), "");
}

// Each account of the re-created year gets its next version, whatever it had
// before; other years' rows and history are left alone.
TEST(OpeningBalanceStore, HistoryBeforeRecreateKeepsEveryRowAsItsNextVersion) {
    TempInstall install;
    install.openDatabase();
    for (const QString year : {"2020", "2021"}) DBInsBS_Begining(year);
    StoreAmount("100", "5000");
    StoreAmount("100", "6000");
    install.exec("update t_bs_begining set account_name = '特許権' where year = 2020 and account_cd = '260'");
    const QStringList yearBefore = install.rows(kYearRows);
    Recreate("2020");

    const QString latest =
        " from t_bs_begining_history h where year = 2020 and ver_idx = (select max(ver_idx) from "
        "t_bs_begining_history where year = h.year and account_cd = h.account_cd) order by account_cd";
    // The copies are the rows as they stood, names and time stamps included.
    EXPECT_EQ(install.rows("select year, account_cd, account_name, asset_or_debit, money, dt_update" + latest),
              yearBefore);
    // Account 100 had two versions; every other one, the totals included, none.
    const QStringList versions = install.rows("select ver_idx" + latest);
    EXPECT_EQ(versions.first(), "3");
    EXPECT_EQ(versions.count("1"), 49);
    EXPECT_EQ(install.rows("select count(*) from t_bs_begining_history where year = 2021"), QStringList{"0"});
    EXPECT_EQ(install.rows("select money from t_bs_begining where year = 2020 and account_cd in ('100', '340')"),
              (QStringList{"0", "0"}));
}
