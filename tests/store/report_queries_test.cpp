#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/report_lines.h"
#include "store/report_queries.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

// Readable failure output for texts and lists of texts.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{";
    for (const QString& text : list) *os << "\n  \"" << text.toStdString() << '"';
    *os << " }";
}

namespace {

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

QString Logged(const QString& procedure, const QString& runner, const QStringList& statement) {
    const QString at = QStringLiteral("09:30:05   ");
    return at + procedure + "\r\n" + at + runner + "\r\n" + at + statement.join("\r\n") + "\r\n\r\n";
}

// Masters and transactions of our own. B3 (account 150) is used only by a
// voided row, B2 (account 720) only in 2021, X1 credits 999 which m_account
// lacks, ZZ has no m_trade row; 610 and 700 are used only on the credit side.
void Arrange(TempInstall& install) {
    install.openDatabase();
    install.exec(
        "delete from m_trade_detail; delete from m_trade; delete from m_account;"
        "insert into m_account values ('100','現　金','a','A'), ('130','その他の預金','a','A'),"
        " ('150','売掛金','a','A'), ('330','事業主貸','a','A'), ('610','事業主借','d','A'),"
        " ('700','売上','r','B'), ('720','仕入','c','B'), ('820','水道光熱費','c','B');"
        "insert into m_trade values"
        " ('B1','現金売上','B','100','現　金','700','売上',10,1,''),"
        " ('B2','仕入','B','720','仕入','100','現　金',10,2,''),"
        " ('B3','掛売上','B','150','売掛金','700','売上',10,3,''),"
        " ('D1','電気代','D','820','水道光熱費','610','事業主借',20,1,''),"
        " ('S1','国民年金','P','330','事業主貸','130','その他の預金',30,1,'S'),"
        " ('S2','国民健康保険','P','330','事業主貸','130','その他の預金',30,2,'S'),"
        " ('O1','生命保険料','P','330','事業主貸','130','その他の預金',30,3,'O'),"
        " ('X1','不明口座','B','100','現　金','999','不明',40,1,'');"
        "insert into t_trade values"
        " (2020,12,31,1,'B1','01','年末売上','500','100','1','2020/12/31 10:00:00'),"
        " (2020,4,1,'10','B1','02','十番','7','100','1','2020/04/01 10:00:00'),"
        " (2020,4,1,2,'B1','01','店頭売上','3000','100','1','2020/04/01 10:00:00'),"
        " (2020,4,1,1,'D1','01','電気代4月分','101','50','1','2020/04/01 10:00:00'),"
        " (2020,4,1,3,'B3','01','取消分','999','100','0','2020/04/01 10:00:00'),"
        " (2020,4,2,1,'X1','01','口座なし','300','100','1','2020/04/02 10:00:00'),"
        " (2020,5,10,1,'S1','01','国民年金5月分','16610','100','1','2020/05/10 10:00:00'),"
        " (2020,5,10,2,'S1','01','取消した年金','99999','100','0','2020/05/10 10:00:00'),"
        " (2020,6,1,1,'ZZ','01','マスタなし','700','100','1','2020/06/01 10:00:00'),"
        " (2020,7,15,1,'O1','01','生命保険料','12000','100','1','2020/07/15 10:00:00'),"
        " (2020,8,1,1,'S2','01','国保','10001','50','1','2020/08/01 10:00:00'),"
        " (2021,4,1,1,'B2','01','翌年の仕入','800','100','1','2021/04/01 10:00:00');");
}

class ReportQueries : public ::testing::Test {
protected:
    void SetUp() override { Arrange(install); }
    TempInstall install;
};

const QString kElectricityLine = "2020/04/01   1 D1 01 電気代4月分" + Blanks(19) + " " + Blanks(6) + "\\101" + "  50％";

TEST_F(ReportQueries, StatementsAsLogged) {
    DBSelTM_Trade("2020");
    DBSelTradeRecordsForFile(2020, 0);
    DBSelTradeRecordsForFile(2020, 4);
    DBSelJournalRecordsForFile(2020, 0);
    DBSelJournalRecordsForFile(2020, 11);
    DBSelJournalTable(2020);
    DBSelAccountHead(2020);
    DBSelSocialInsurance(2020);
    DBSelOtherInsurance(2020);
    DBSelSumSocialInsurance(2020);
    const QStringList records = {"",           "select month", "      ,day",         "      ,seq",
                                 "      ,trade_cd", "      ,detail_cd", "      ,detail_name", "      ,money",
                                 "      ,rate", "from   t_trade", "where  year  = 2020"};
    const QStringList recordsEnd = {"  and  is_valid = 1", "order by", "       month,day,seq"};
    const QStringList journal = {"select month",         "      ,day",        "      ,seq",
                                 "      ,t.trade_cd",     "      ,debit_cd",   "      ,debit_name",
                                 "      ,credit_cd",      "      ,credit_name", "      ,money * rate / 100",
                                 "      ,detail_name",    "from   t_trade t",  "       inner join m_trade m",
                                 "          on t.trade_cd = m.trade_cd", "where  year  = 2020"};
    const QStringList journalEnd = {"  and  t.is_valid = 1", "order by", "       month,day,seq"};
    QStringList ledger = journal + journalEnd;
    ledger[8] = "      ,money * rate / 100 as money_val";
    const auto insurance = [](const char* insuranceClass) {
        return QStringList{"select month", "      ,day", "      ,seq", "      ,detail_name",
                           "      ,money * rate / 100 as mny", "from   t_trade t", "       inner join m_trade m",
                           "          on t.trade_cd = m.trade_cd", "where  year  = 2020", "  and  t.is_valid = 1",
                           QString("  and  m.insurance_class = '") + insuranceClass + "'", "order by",
                           "       month,day,seq"};
    };
    const QString expected[] = {
        Logged("DBSelTM_Trade", "SQLite3Query",
               {"", "select t.month", "      ,t.day", "      ,m.debit_cd", "      ,m.debit_name",
                "      ,m.credit_cd", "      ,m.credit_name", "      ,t.money * t.rate / 100", "      ,t.detail_name",
                "from   t_trade t", "       inner join m_trade m", "          on t.trade_cd = m.trade_cd",
                "where  t.year = 2020", "  and  t.is_valid = 1", "order by", "       t.month,t.day,t.seq"}),
        Logged("DBSelTradeRecordsForFile", "SQLite3Query", records + recordsEnd),
        Logged("DBSelTradeRecordsForFile", "SQLite3Query", records + QStringList{"  and  month = 4"} + recordsEnd),
        Logged("DBSelJournalRecordsForFile", "SQLite3Query", journal + journalEnd),
        Logged("DBSelJournalRecordsForFile", "SQLite3Query", journal + QStringList{"  and  month = 11"} + journalEnd),
        Logged("DBSelJournalTable", "SQLite3Query", ledger),
        Logged("DBSelAccountHead", "SQLite3Query",
               {"with t_journal1 as (", "  select t.trade_cd", "        ,m.debit_cd", "  from   t_trade t",
                "         inner join m_trade m", "            on t.trade_cd = m.trade_cd",
                "         inner join m_account ma", "            on m.debit_cd = ma.account_cd",
                "  where  year  = 2020", "   and  t.is_valid = 1", "), t_journal2 as (", "  select t.trade_cd",
                "        ,m.credit_cd", "  from   t_trade t", "         inner join m_trade m",
                "            on t.trade_cd = m.trade_cd", "         inner join m_account ma",
                "            on m.credit_cd = ma.account_cd", "  where  year  = 2020", "   and  t.is_valid = 1", ")",
                "select distinct", "       debit_cd   as account_cd", "from   t_journal1", "union", "select distinct",
                "       credit_cd", "from   t_journal2"}),
        Logged("DBSelSocialInsurance", "SQLite3Query", insurance("S")),
        Logged("DBSelOtherInsurance", "SQLite3Query", insurance("O")),
        Logged("DBSelSumSocialInsurance", "SQLite3Query",
               {"select ifnull(sum(money * rate / 100),0) as sum_mny", "from   t_trade t",
                "       inner join m_trade m", "          on t.trade_cd = m.trade_cd", "where  year  = 2020",
                "  and  t.is_valid = 1", "  and  m.insurance_class = 'S'"}),
    };
    const QString log = install.runLog();
    for (const QString& statement : expected) EXPECT_TRUE(log.contains(statement)) << statement.toStdString();
}

// Date, seq, trade code and detail code of each record line, after element 0.
QStringList RecordKeys(const QStringList& lines) {
    QStringList keys;
    for (qsizetype i = 1; i < lines.size(); ++i) keys << lines[i].left(20);
    return keys;
}

TEST_F(ReportQueries, RecordReportKeepsEveryValidRowOfThePeriod) {
    const QStringList year = DBSelTradeRecordsForFile(2020, 0);
    ASSERT_FALSE(year.isEmpty());
    EXPECT_EQ(year[0], "");
    // A trade missing from m_trade is still listed; voided rows and other years are not.
    EXPECT_EQ(RecordKeys(year), (QStringList{"2020/04/01   1 D1 01", "2020/04/01   2 B1 01", "2020/04/01  10 B1 02",
                                             "2020/04/02   1 X1 01", "2020/05/10   1 S1 01", "2020/06/01   1 ZZ 01",
                                             "2020/07/15   1 O1 01", "2020/08/01   1 S2 01",
                                             "2020/12/31   1 B1 01"}));
    EXPECT_EQ(year[1], kElectricityLine);
    const QStringList april = DBSelTradeRecordsForFile(2020, 4);
    EXPECT_EQ(RecordKeys(april), (QStringList{"2020/04/01   1 D1 01", "2020/04/01   2 B1 01",
                                              "2020/04/01  10 B1 02", "2020/04/02   1 X1 01"}));
    for (qsizetype i = 1; i < year.size(); ++i) EXPECT_EQ(ByteLength(year[i]), 68) << year[i].toStdString();
}

TEST_F(ReportQueries, JournalShowsBusinessShareAndLeavesOutUnknownTrades) {
    const QStringList year = DBSelJournalRecordsForFile(2020, 0);
    QStringList keys;
    for (qsizetype i = 1; i < year.size(); ++i) {
        keys << year[i].left(17);
        EXPECT_EQ(ByteLength(year[i]), 129) << year[i].toStdString();
    }
    EXPECT_EQ(keys, (QStringList{"2020/04/01   1 D1", "2020/04/01   2 B1", "2020/04/01  10 B1", "2020/04/02   1 X1",
                                 "2020/05/10   1 S1", "2020/07/15   1 O1", "2020/08/01   1 S2",
                                 "2020/12/31   1 B1"}));
    // 101 yen at 50 % is journalled as 50.
    EXPECT_EQ(year.value(1), "2020/04/01   1 D1 820 水道光熱費" + Blanks(20) + " 610 事業主借" + Blanks(22) + " " +
                                 Blanks(8) + "50 電気代4月分" + Blanks(19));
    EXPECT_EQ(DBSelJournalRecordsForFile(2020, 5).size(), 2);
    EXPECT_EQ(DBSelJournalRecordsForFile(2020, 6), QStringList{QString()});
}

TEST_F(ReportQueries, JournalTablesForLedgerAndExport) {
    const ResultTable ledger = DBSelJournalTable(2020);
    ASSERT_EQ(ledger.size(), 9);
    EXPECT_EQ(ledger[0], "month\tday\tseq\ttrade_cd\tdebit_cd\tdebit_name\tcredit_cd\tcredit_name\tmoney_val\tdetail_name");
    EXPECT_EQ(ledger[1], "4\t1\t1\tD1\t820\t水道光熱費\t610\t事業主借\t50\t電気代4月分");
    EXPECT_EQ(ledger[8], "12\t31\t1\tB1\t100\t現　金\t700\t売上\t500\t年末売上");
    const ResultTable exported = DBSelTM_Trade("2020");
    ASSERT_EQ(exported.size(), 9);
    EXPECT_EQ(exported[1], "4\t1\t820\t水道光熱費\t610\t事業主借\t50\t電気代4月分");
    EXPECT_EQ(exported[7], "8\t1\t330\t事業主貸\t130\tその他の預金\t5000\t国保");
}

TEST_F(ReportQueries, AccountHeadListsEachKnownAccountOnceInCodeOrder) {
    EXPECT_EQ(DBSelAccountHead(2020), (QStringList{"account_cd", "100", "130", "330", "610", "700", "820"}));
    EXPECT_EQ(DBSelAccountHead(2021), (QStringList{"account_cd", "100", "720"}));
}

TEST_F(ReportQueries, InsuranceLinesAndTotal) {
    EXPECT_EQ(DBSelSocialInsurance(2020),
              (QStringList{"", "2020/05/10(日)\t  1\t国民年金5月分" + Blanks(7) + "\t    \\16610",
                           "2020/08/01(土)\t  1\t国保" + Blanks(16) + "\t     \\5000"}));
    EXPECT_EQ(DBSelOtherInsurance(2020),
              (QStringList{"", "2020/07/15(水)\t  1\t生命保険料" + Blanks(10) + "\t    \\12000"}));
    EXPECT_EQ(DBSelSumSocialInsurance(2020),
              (QStringList{"", QString(52, '-') + "\r\n" + Blanks(38) + "合計" + Blanks(4) + "\\21610"}));
}

TEST_F(ReportQueries, EmptyYearGivesOnlyTheHeadingElementButStillATotal) {
    const QStringList onlyHeading{QString()};
    EXPECT_EQ(DBSelTradeRecordsForFile(2019, 0), onlyHeading);
    EXPECT_EQ(DBSelTradeRecordsForFile(2020, 9), onlyHeading);
    EXPECT_EQ(DBSelJournalRecordsForFile(2019, 0), onlyHeading);
    EXPECT_EQ(DBSelSocialInsurance(2019), onlyHeading);
    EXPECT_EQ(DBSelOtherInsurance(2021), onlyHeading);
    EXPECT_EQ(DBSelJournalTable(2019), onlyHeading);
    EXPECT_EQ(DBSelAccountHead(2019), onlyHeading);
    EXPECT_EQ(DBSelTM_Trade("2019"), onlyHeading);
    EXPECT_EQ(DBSelSumSocialInsurance(2019),
              (QStringList{"", QString(52, '-') + "\r\n" + Blanks(38) + "合計" + Blanks(8) + "\\0"}));
}

TEST_F(ReportQueries, SumsPast32BitsKeepTheirValue) {
    install.exec(
        "insert into t_trade values"
        " (2022,1,5,1,'S1','01','一括','2000000000','100','1',''),"
        " (2022,1,6,1,'S1','01','一括','2000000000','100','1','');");
    EXPECT_EQ(DBSelSumSocialInsurance(2022).value(1).right(12), "合計4000000000");
}

TEST_F(ReportQueries, TabInsideASummaryStaysInTheSummary) {
    install.exec("insert into t_trade values (2023,3,3,1,'S1','01','a' || char(9) || 'b','1234','100','1','')");
    const QString record = DBSelTradeRecordsForFile(2023, 0).value(1);
    EXPECT_EQ(record, "2023/03/03   1 S1 01 a\tb" + Blanks(27) + "      \\1234 100％");
    const QString journal = DBSelJournalRecordsForFile(2023, 3).value(1);
    EXPECT_TRUE(journal.endsWith("       1234 a\tb" + Blanks(27))) << journal.toStdString();
    EXPECT_EQ(DBSelSocialInsurance(2023).value(1), "2023/03/03(金)\t  1\ta\tb" + Blanks(17) + "\t     \\1234");
}

// A day that does not exist is a run-time error: the line procedures leave
// it to the report's trap, the total reports it itself.
TEST_F(ReportQueries, RunTimeErrorsGoToTheCallerOrToTheFatalReport) {
    install.exec("insert into t_trade values (2020,2,30,1,'S1','01','存在しない日','100','100','1','')");
    const std::function<void()> untrapped[] = {
        [] { DBSelTradeRecordsForFile(2020, 0); },
        [] { DBSelJournalRecordsForFile(2020, 2); },
        [] { DBSelSocialInsurance(2020); },
    };
    for (const auto& call : untrapped) EXPECT_THROW(call(), RunTimeError);
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());

    install.exec("insert into t_trade values (2024,1,1,1,'S1','01','実数','1e300','100','1','')");
    EXPECT_THROW(DBSelSumSocialInsurance(2024), ProcessEnded);
    ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
    EXPECT_EQ(install.desktop.dialogs.shown[0].title, "エラーが発生しました");
    EXPECT_TRUE(install.desktop.dialogs.shown[0].text.contains("Err.Desc=オーバーフローしました。"));
}

TEST(ReportQueriesFailure, RejectedQueryEndsWithTheErrorTextOnlyForTheLedgerJournal) {
    const struct {
        const char* name;
        std::function<void()> call;
        bool showsError;
    } cases[] = {
        {"DBSelJournalTable", [] { DBSelJournalTable(2020); }, true},
        {"DBSelAccountHead", [] { DBSelAccountHead(2020); }, false},
        {"DBSelSocialInsurance", [] { DBSelSocialInsurance(2020); }, false},
        {"DBSelOtherInsurance", [] { DBSelOtherInsurance(2020); }, false},
        {"DBSelSumSocialInsurance", [] { DBSelSumSocialInsurance(2020); }, false},
    };
    for (const auto& c : cases) {
        TempInstall install;
        Arrange(install);
        install.exec("drop table t_trade");
        EXPECT_THROW(c.call(), ProcessEnded) << c.name;
        const auto& shown = install.desktop.dialogs.shown;
        if (c.showsError) {
            ASSERT_EQ(shown.size(), 1u) << c.name;
            EXPECT_TRUE(shown[0].text.startsWith("Returned 21:Library used incorrectly\r\n")) << c.name;
            EXPECT_EQ(shown[0].title, "VelmoAccount");
        } else {
            EXPECT_TRUE(shown.empty()) << c.name;
        }
    }
}

}  // namespace
