// The opening-balance statements as logged and what they leave in the
// database: creation, amount changes with history, totals, re-creation that
// survives a crash, and the ways a failure ends.
#include "app/context.h"
#include "app/runtime_error.h"
#include "store/opening_balance_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QRegularExpression>

#include <functional>

namespace {

QString U(const char16_t* text) { return QString::fromUtf16(text); }

// The default chart as the documents list it, side by side in code order.
const QStringList kAssetNames = {
    U(u"現\u3000金"), U(u"当座預金"), U(u"定期預金"), U(u"その他の預金"), U(u"受取手形"), U(u"売掛金"),
    U(u"有価証券"),   U(u"棚卸資産"), U(u"前払金"),   U(u"貸付金"),       U(u"建\u3000物"), U(u"建物付属設備"),
    U(u"機械装置"),   U(u"車両運搬具"), U(u"工具器具備品"), U(u"土\u3000地"), "", "", "", "", "", "", "",
    U(u"事業主貸"),   U(u"合\u3000\u3000計")};
const QStringList kDebitNames = {
    U(u"支払手形"), U(u"買掛金"), U(u"借入金"), U(u"未払金"), U(u"前受金"), U(u"預り金"), "", "", "", "", "", "", "",
    U(u"貸倒引当金"), "", "", "", "", "", "", "", U(u"事業主借"), U(u"元入金"), U(u"青色申告特別控除前の所得金額"),
    U(u"合\u3000計")};

struct ChartRow {
    QString code, side, name;
};
QList<ChartRow> DocumentChart() {
    QList<ChartRow> chart;
    for (int i = 0; i < 25; ++i) chart.append({QString::number(100 + 10 * i), "a", kAssetNames[i]});
    for (int i = 0; i < 25; ++i) chart.append({QString::number(400 + 10 * i), "d", kDebitNames[i]});
    return chart;
}

// code, name, side, money, dt_update of every row of the year, by code.
const QString kYearRows = "select account_cd, account_name, asset_or_debit, money, dt_update from t_bs_begining "
                          "where year = 2020 order by account_cd";
QStringList DefaultRows(const QString& stamp) {
    QStringList rows;
    for (const ChartRow& r : DocumentChart()) rows << QStringList{r.code, r.name, r.side, "0", stamp}.join("\t");
    return rows;
}
const QString kHistory = "select year, account_cd, ver_idx, account_name, asset_or_debit, money, dt_update "
                         "from t_bs_begining_history order by year, account_cd, ver_idx";

// Run-log entries, without time and indent; a statement keeps its own CR LFs.
QStringList LogEntries(const TempInstall& install) {
    QStringList entries;
    static const QRegularExpression entryStart("\r\n(?=\\d\\d:\\d\\d:\\d\\d )");
    static const QRegularExpression timePrefix("^\\d\\d:\\d\\d:\\d\\d ");
    for (QString piece : install.runLog().split(entryStart)) {
        if (!timePrefix.match(piece).hasMatch()) continue;
        piece.remove(0, 9);
        if (piece.startsWith("  ")) piece.remove(0, 2);
        entries << piece;
    }
    if (!entries.isEmpty() && entries.last().endsWith("\r\n")) entries.last().chop(2);
    return entries;
}

// The screen's order for storing one amount: history copy, amount, both totals.
void StoreAmount(const QString& code, const QString& money) {
    DBInsBSHistoryBeforeUpdate("2020", code, DBSelBSHistoryMaxNum("2020", code) + 1);
    DBUpdBS_Begining("2020", code, money);
    DBUpdBS_Begining("2020", "340", DBSelBS_BeginingSum(2020, "a"));
    DBUpdBS_Begining("2020", "640", DBSelBS_BeginingSum(2020, "d"));
}

QString MoneyOf(const TempInstall& install, const QString& code) {
    return install.rows("select money from t_bs_begining where year = 2020 and account_cd = '" + code + "'").value(0);
}

class OpeningBalanceStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        install.openDatabase();
        install.setTime("2020-04-01T09:05:07");
    }
    QStringList entriesSince(qsizetype mark) const { return LogEntries(install).mid(mark); }
    qsizetype logMark() const { return LogEntries(install).size(); }
    void storeAmount(const QString& code, const QString& money) { StoreAmount(code, money); }
    QString moneyOf(const QString& code) const { return MoneyOf(install, code); }

    TempInstall install;
};

TEST_F(OpeningBalanceStoreTest, EveryProcedureLogsItsNameAndItsStatementExactly) {
    DBInsBS_Begining("2020");
    install.setTime("2020-05-06T07:08:09");
    const struct {
        std::function<void()> call;
        QStringList entries;
    } cases[] = {
        {[] { DBSelBS_Begining("2020"); },
         {"DBSelBS_Begining", "SQLite3Query", "\r\nselect count(year) as cnt\r\nfrom t_bs_begining\r\nwhere  year = 2020\r\n"}},
        {[] { DBSelBSHistoryMaxNum("2020", "100"); },
         {"DBSelBSHistoryMaxNum", "SQLite3Query",
          "select ifnull(max(ver_idx),0) as max_idx\r\nfrom   t_bs_begining_history\r\nwhere  year = 2020\r\n"
          "  and  account_cd = '100'\r\n",
          "cols=max_idx", "row.count=1"}},
        {[] { DBInsBSHistoryBeforeUpdate("2020", "100", 1); },
         {"DBInsBSHistoryBeforeUpdate Year=2020,CD=100,MaxNum=1", "SQLite3NonQuery",
          "insert into t_bs_begining_history\r\n   select year\r\n         ,account_cd \r\n         ,1\r\n"
          "         ,account_name\r\n         ,asset_or_debit\r\n         ,money\r\n         ,dt_update\r\n"
          "   from  t_bs_begining\r\n   where year = 2020\r\n     and account_cd = '100'\r\n"}},
        {[] { DBUpdBS_Begining("2020", "100", "1000"); },
         {"DBUpdBS_Begining", "SQLite3NonQuery",
          "update t_bs_begining set\r\n    money = 1000\r\n   ,dt_update = '2020/05/06 07:08:09'\r\n"
          "where year = 2020\r\n  and account_cd = '100'\r\n"}},
        {[] { DBSelBS_BeginingSum(2020, "a"); },
         {"DBSelBS_BeginingSum", "SQLite3Query",
          "select sum(money)\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n  and  asset_or_debit = 'a'\r\n"
          "  and  account_cd <> '340'  and  account_cd <> '640'"}},
        {[] { DBSelBS_BeginingAD(2020, "d"); },
         {"DBSelBS_BeginingAD", "SQLite3Query",
          "select account_cd\r\n      ,account_name\r\n      ,money\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n"
          "  and  asset_or_debit = 'd'\r\norder by\r\n       account_cd\r\n"}},
        {[] { DBSelBS_BeginingName(2020, "100"); },
         {"DBSelBS_BeginingName", "SQLite3Query",
          "select account_name\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n  and  account_cd = '100'\r\n"}},
        {[] { DBSelBS_BeginingNameMoney(2020, "620"); },
         {"DBSelBS_BeginingNameMoney", "SQLite3Query",
          "select account_name\r\n      ,money\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n"
          "  and  account_cd = '620'\r\n"}},
        {[] { DBSelBSBeginingMoney(2020, "100"); },
         {"DBSelBSBeginingMoney", "SQLite3Query",
          "select ifnull(money,0) as val_money\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n  and  account_cd = 100\r\n",
          "cols=val_money", "row.count=1"}},
        {[] { DBDelBS_Begining("2020"); },
         {"DBDelBS_Begining", "SQLite3NonQuery", "delete from t_bs_begining\r\nwhere  year = 2020;"}},
    };
    for (const auto& c : cases) {
        const qsizetype mark = logMark();
        c.call();
        EXPECT_EQ(entriesSince(mark), c.entries) << c.entries.first().toStdString();
    }
}

TEST_F(OpeningBalanceStoreTest, CreationInsertsTheDefaultChartOneLineStatementAtATime) {
    EXPECT_FALSE(DBSelBS_Begining("2020"));
    const qsizetype mark = logMark();
    DBInsBS_Begining("2020");
    EXPECT_TRUE(DBSelBS_Begining("2020"));
    EXPECT_FALSE(DBSelBS_Begining("2021"));

    QStringList expected{"DBInsBS_Begining"};
    for (const ChartRow& r : DocumentChart())
        expected << "SQLite3NonQuery"
                 << "insert into t_bs_begining values(2020,'" + r.code + "','" + r.name + "','" + r.side +
                        "',0,'2020/04/01 09:05:07');";
    const QStringList logged = entriesSince(mark).mid(0, expected.size());
    EXPECT_EQ(logged, expected);
    EXPECT_EQ(logged.value(4), U(u"insert into t_bs_begining values(2020,'110','当座預金','a',0,'2020/04/01 09:05:07');"));

    EXPECT_EQ(install.rows(kYearRows), DefaultRows("2020/04/01 09:05:07"));
    for (const QString side : {"a", "d"}) {
        const ResultTable table = DBSelBS_BeginingAD(2020, side);
        ASSERT_EQ(RowCount(table), 25) << side.toStdString();
        EXPECT_EQ(table[0], "account_cd\taccount_name\tmoney");
        const int first = side == "a" ? 100 : 400;
        const QStringList& names = side == "a" ? kAssetNames : kDebitNames;
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(table[i + 1], QString::number(first + 10 * i) + "\t" + names[i] + "\t0");
        EXPECT_EQ(DBSelBS_BeginingSum(2020, side), "0");
    }
}

TEST_F(OpeningBalanceStoreTest, ChangesCopyTheOldRowAndTotalsNeverCountThemselves) {
    DBInsBS_Begining("2020");
    install.setTime("2020-04-02T10:00:00");
    storeAmount("100", "1000");
    install.setTime("2020-04-03T11:00:00");
    storeAmount("100", "007");
    storeAmount("620", "2500");
    storeAmount("110", "1500");

    // Copies carry the replaced version's time stamp; the totals get none.
    EXPECT_EQ(install.rows(kHistory), (QStringList{
                                          U(u"2020\t100\t1\t現\u3000金\ta\t0\t2020/04/01 09:05:07"),
                                          U(u"2020\t100\t2\t現\u3000金\ta\t1000\t2020/04/02 10:00:00"),
                                          U(u"2020\t110\t1\t当座預金\ta\t0\t2020/04/01 09:05:07"),
                                          U(u"2020\t620\t1\t元入金\td\t0\t2020/04/01 09:05:07"),
                                      }));
    EXPECT_EQ(DBSelBSHistoryMaxNum("2020", "100"), 2);
    EXPECT_EQ(DBSelBSHistoryMaxNum("2020", "340"), 0);
    EXPECT_EQ(moneyOf("100"), "7");
    EXPECT_EQ(moneyOf("340"), "1507");
    EXPECT_EQ(moneyOf("640"), "2500");

    // Totals well above the other rows still do not enter the sums.
    install.exec("update t_bs_begining set money = 900000 where account_cd in ('340', '640')");
    EXPECT_EQ(DBSelBS_BeginingSum(2020, "a"), "1507");
    EXPECT_EQ(DBSelBS_BeginingSum(2020, "d"), "2500");
    EXPECT_EQ(DBSelBS_BeginingSum(2021, "a"), "");
}

TEST_F(OpeningBalanceStoreTest, RecreatingKeepsTheHistoryAndNumberingContinues) {
    const struct {
        const char* way;
        std::function<void()> recreate;
    } ways[] = {
        {"one transaction", [] { DBRecreateBS_Begining("2020"); }},
        {"delete then insert", [] { DBDelBS_Begining("2020"); DBInsBS_Begining("2020"); }},
    };
    for (const auto& w : ways) {
        install.exec("delete from t_bs_begining; delete from t_bs_begining_history;");
        install.setTime("2020-04-01T09:05:07");
        DBInsBS_Begining("2020");
        storeAmount("100", "1000");
        storeAmount("100", "2000");
        install.exec(U(u"update t_bs_begining set account_name = 'ソフト' where account_cd = '260'"));
        install.setTime("2020-06-01T08:00:00");
        w.recreate();
        EXPECT_EQ(install.rows(kYearRows), DefaultRows("2020/06/01 08:00:00")) << w.way;
        EXPECT_EQ(install.rows(kHistory).size(), 2) << w.way;
        storeAmount("100", "300");
        EXPECT_EQ(install.rows(kHistory).value(2), U(u"2020\t100\t3\t現\u3000金\ta\t0\t2020/06/01 08:00:00")) << w.way;
    }
}

TEST_F(OpeningBalanceStoreTest, RecreationIsOneLoggedTransaction) {
    DBInsBS_Begining("2020");
    const qsizetype mark = logMark();
    DBRecreateBS_Begining("2020");
    const QStringList logged = entriesSince(mark);
    ASSERT_EQ(logged.size(), 7 + 2 * 50 + 2);
    EXPECT_EQ(logged.mid(0, 7), (QStringList{"DBRecreateBS_Begining", "SQLite3NonQuery", "begin transaction",
                                            "DBDelBS_Begining", "SQLite3NonQuery",
                                            "delete from t_bs_begining\r\nwhere  year = 2020;", "DBInsBS_Begining"}));
    EXPECT_TRUE(logged[8].startsWith("insert into t_bs_begining values(2020,'100',"));
    EXPECT_TRUE(logged[106].startsWith("insert into t_bs_begining values(2020,'640',"));
    EXPECT_EQ(logged.mid(107), (QStringList{"SQLite3NonQuery", "commit"}));
    EXPECT_NE(sqlite3_get_autocommit(ctx().db), 0) << "a transaction was left open";
}

// A failing statement ends the process without closing the database; what is
// on disk at that moment (file and journal) is what the next start opens.
QStringList RowsAfterCrash(const TempInstall& install) {
    const QString live = install.path("db/velmo.sqlite3");
    const QString copy = install.path("db/after_crash.sqlite3");
    for (const QString suffix : {"", "-journal", "-wal"})
        if (QFile::exists(live + suffix)) {
            EXPECT_TRUE(QFile::copy(live + suffix, copy + suffix));
        }
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(copy.toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, kYearRows.toUtf8().constData(), -1, &statement, nullptr), SQLITE_OK);
    QStringList rows;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QStringList fields;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            fields << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        rows << fields.join("\t");
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

TEST(OpeningBalanceStore, AnInsertFailingHalfWayLeavesTheOldSheetOnlyWhenRecreatedAsOne) {
    const struct {
        const char* way;
        std::function<void()> recreate;
        bool oldSheetKept;
    } ways[] = {
        {"one transaction", [] { DBRecreateBS_Begining("2020"); }, true},
        // The bare sequence loses the year: only the rows before the failure stay.
        {"delete then insert", [] { DBDelBS_Begining("2020"); DBInsBS_Begining("2020"); }, false},
    };
    for (const auto& w : ways) {
        TempInstall crashed;
        crashed.openDatabase();
        crashed.setTime("2020-04-01T09:05:07");
        DBInsBS_Begining("2020");
        DBUpdBS_Begining("2020", "100", "5000");
        const QStringList before = crashed.rows(kYearRows);
        crashed.exec("create trigger full_disk before insert on t_bs_begining when new.account_cd = '330' "
                     "begin select raise(abort, 'disk full'); end;");
        crashed.setTime("2020-06-01T08:00:00");

        EXPECT_THROW(w.recreate(), ProcessEnded) << w.way;
        ASSERT_EQ(crashed.desktop.dialogs.shown.size(), 1u);
        EXPECT_EQ(crashed.desktop.dialogs.shown[0].text,
                  U(u"SQLite3NonQuery Error\r\ninsert into t_bs_begining values(2020,'330','事業主貸','a',0,"
                    u"'2020/06/01 08:00:00');"));
        const QStringList after = RowsAfterCrash(crashed);
        if (w.oldSheetKept) {
            EXPECT_EQ(after, before) << w.way;
        } else {
            EXPECT_EQ(after, DefaultRows("2020/06/01 08:00:00").mid(0, 23)) << w.way;
        }
    }
}

TEST_F(OpeningBalanceStoreTest, OnlyDigitAmountsWithinThe32BitRangeAreStored) {
    DBInsBS_Begining("2020");
    install.exec("update t_bs_begining set money = 1234 where account_cd = '100'");
    const struct {
        QString money;
        QString stored;  // empty: refused
    } cases[] = {
        {"0", "0"}, {"007", "7"}, {"2147483647", "2147483647"},
        {"", ""}, {"-1", ""}, {"1.5", ""}, {"1,000", ""}, {U(u"１０"), ""}, {" 5", ""},
        {"2147483648", ""}, {"99999999999999999999", ""}, {"0 or 1=1", ""},
    };
    for (const auto& c : cases) {
        const qsizetype mark = logMark();
        if (c.stored.isEmpty()) {
            EXPECT_THROW(DBUpdBS_Begining("2020", "100", c.money), RunTimeError) << c.money.toStdString();
            EXPECT_EQ(moneyOf("100"), "1234") << c.money.toStdString();
            EXPECT_FALSE(entriesSince(mark).contains("SQLite3NonQuery")) << c.money.toStdString();
        } else {
            DBUpdBS_Begining("2020", "100", c.money);
            EXPECT_EQ(moneyOf("100"), c.stored) << c.money.toStdString();
            install.exec("update t_bs_begining set money = 1234 where account_cd = '100'");
        }
    }
    // A side whose true sum no longer fits is refused rather than handed on.
    install.exec("update t_bs_begining set money = 2147483647 where account_cd in ('100', '110')");
    EXPECT_THROW(DBSelBS_BeginingSum(2020, "a"), RunTimeError);
    EXPECT_EQ(DBSelBS_BeginingSum(2020, "d"), "0");
}

TEST_F(OpeningBalanceStoreTest, ReadingOneAccount) {
    DBInsBS_Begining("2020");
    install.exec("update t_bs_begining set money = 1234 where account_cd = '100';"
                 "update t_bs_begining set money = null where account_cd = '110';");
    const struct {
        int year;
        QString code;
        int money;
    } amounts[] = {{2020, "100", 1234}, {2020, "110", 0}, {2020, "700", 0}, {2021, "100", 0}, {2020, "A01", 0}};
    for (const auto& a : amounts)
        EXPECT_EQ(DBSelBSBeginingMoney(a.year, a.code), a.money) << a.year << " " << a.code.toStdString();

    EXPECT_EQ(DBSelBS_BeginingName(2020, "100"), U(u"現\u3000金"));
    EXPECT_EQ(DBSelBS_BeginingName(2020, "260"), "");
    EXPECT_THROW(DBSelBS_BeginingName(2020, "700"), RunTimeError);
    EXPECT_EQ(DBSelBS_BeginingNameMoney(2020, "100"), (ResultTable{"account_name\tmoney", U(u"現\u3000金\t1234")}));
}

TEST(OpeningBalanceStore, FailedReadsShowTheErrorOrTheFatalReportAndEnd) {
    const QString maxNumSql = "select ifnull(max(ver_idx),0) as max_idx\r\nfrom   t_bs_begining_history\r\n"
                              "where  year = 2020\r\n  and  account_cd = '100'\r\n";
    const QString moneySql = "select ifnull(money,0) as val_money\r\nfrom   t_bs_begining\r\nwhere  year = 2020\r\n"
                             "  and  account_cd = 100\r\n";
    const struct {
        const char* name;
        QString arrange;
        std::function<void()> call;
        QString text, title;
    } cases[] = {
        {"max num, no table", "drop table t_bs_begining_history", [] { DBSelBSHistoryMaxNum("2020", "100"); },
         "Returned 21:Library used incorrectly\r\n" + maxNumSql + "\r\n", "VelmoAccount"},
        {"money, no table", "drop table t_bs_begining", [] { DBSelBSBeginingMoney(2020, "100"); },
         "Returned 21:Library used incorrectly\r\n" + moneySql + "\r\n", "VelmoAccount"},
        {"max num beyond 32 bits",
         U(u"insert into t_bs_begining_history values(2020,'100',3000000000,'現\u3000金','a',0,'')"),
         [] { DBSelBSHistoryMaxNum("2020", "100"); }, "", U(u"エラーが発生しました")},
        {"money beyond 32 bits", "update t_bs_begining set money = 3000000000 where account_cd = '100'",
         [] { DBSelBSBeginingMoney(2020, "100"); }, "", U(u"エラーが発生しました")},
    };
    for (const auto& c : cases) {
        TempInstall failing;
        failing.openDatabase();
        DBInsBS_Begining("2020");
        failing.exec(c.arrange);
        EXPECT_THROW(c.call(), ProcessEnded) << c.name;
        ASSERT_FALSE(failing.desktop.dialogs.shown.empty()) << c.name;
        const ShownBox& box = failing.desktop.dialogs.shown.back();
        EXPECT_EQ(box.title, c.title) << c.name;
        if (!c.text.isEmpty()) {
            EXPECT_EQ(box.text, c.text) << c.name;
        }
        EXPECT_EQ(ctx().db, nullptr) << c.name << ": the database stays open";
    }
}

}  // namespace
