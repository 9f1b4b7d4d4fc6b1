#include "store/master_store.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for texts and lists of texts.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
void PrintTo(const QStringList& list, std::ostream* os) {
    *os << "{";
    for (const QString& text : list) *os << "\n  \"" << text.toStdString() << '"';
    *os << " }";
}

namespace {

// The run log of one store procedure: its name, the runner, then the
// statement with CR LF after every line.
QString Logged(const QString& procedure, const QString& runner, const QStringList& statement) {
    const QString at = QStringLiteral("09:30:05   ");
    return at + procedure + "\r\n" + at + runner + "\r\n" + at + statement.join("\r\n") + "\r\n\r\n";
}

class MasterStore : public ::testing::Test {
protected:
    void SetUp() override {
        install.openDatabase();
        // Masters of our own, so that every case below is exact whatever the
        // bundled chart holds. Codes and numbers go in as quoted texts, as a
        // database tool would write them.
        install.exec(
            "delete from m_trade_detail; delete from m_trade; delete from m_account;"
            "delete from m_percent; delete from m_money;"
            "insert into m_account values ('100','現　金','a','A'), ('700','売上','r','B');"
            "insert into m_trade (trade_cd, trade_name, trade_class_cd, debit_cd, debit_name, credit_cd,"
            " credit_name, group_cd, order_cd) values"
            " ('P1','生活費','P','100','現　金','100','現　金','100','1'),"
            " ('B2','掛売上','B','100','現　金','700','売上','9','2'),"
            " ('B1','現金売上','B','100','現　金','700','売上','9','10'),"
            " ('D1','電気代','D','100','現　金','100','現　金','20','1');"
            "insert into m_trade_detail values"
            " ('B1','02','商品販売代金','100','1'), ('B1','01','店頭売上','100','1'),"
            " ('B1','03','廃止した詳細','100','0'), ('B2','01','掛売上','100','1'),"
            " ('D1','01','旧料金','50','0'), ('D1','02','旧旧料金','30','2');"
            "insert into m_percent values ('100'), ('5'), ('10');"
            "insert into m_money values ('1000'), ('85'), ('500');");
    }

    TempInstall install;
};

TEST_F(MasterStore, StatementsAsLogged) {
    DBSelM_Trade();
    DBSelM_TradeDetail("B1");
    DBSelTradeDetail("B1", "03");
    DBSelMst("m_percent", "value_num");
    QString name, accountClass, outputClass;
    DBSelMAccount("100", name, accountClass, outputClass);
    const QString log = install.runLog();
    const QString expected[] = {
        Logged("DBSelM_Trade", "SQLite3Query",
               {"select trade_cd", "      ,trade_name", "      ,trade_class_cd", "from   m_trade", "order by",
                "       group_cd,order_cd"}),
        Logged("DBSelM_TradeDetail", "SQLite3Query",
               {"select detail_cd", "      ,detail_name", "      ,rate", "from   m_trade_detail",
                "where  trade_cd = 'B1'", "  and  is_valid = 1", "order by", "       detail_cd"}),
        Logged("DBSelTradeDetail", "SQLite3Query",
               {"select detail_name", "      ,rate", "from   m_trade_detail", "where  trade_cd  = 'B1'",
                "  and  detail_cd = '03'"}),
        Logged("DBSelMst", "SQLite3Query", {"select value_num", "from   m_percent", "order by", "       value_num"}),
        Logged("DBSelMAccount", "SQLite3Query",
               {"select account_name", "      ,account_class", "      ,output_class", "from   m_account",
                "where  account_cd  = '100'"}),
    };
    for (const QString& statement : expected) EXPECT_TRUE(log.contains(statement)) << statement.toStdString();
}

TEST_F(MasterStore, TradeListInGroupThenOrderNumerically) {
    EXPECT_EQ(DBSelM_Trade(), (QStringList{"trade_cd\ttrade_name\ttrade_class_cd", "B2\t掛売上\tB",
                                           "B1\t現金売上\tB", "D1\t電気代\tD", "P1\t生活費\tP"}));
}

TEST_F(MasterStore, DetailListHidesInvalidDetailsThatTheSingleLookupStillFinds) {
    EXPECT_EQ(DBSelM_TradeDetail("B1"),
              (QStringList{"detail_cd\tdetail_name\trate", "01\t店頭売上\t100", "02\t商品販売代金\t100"}));
    // Every detail of D1 is hidden: an empty list, yet each is found by code.
    EXPECT_EQ(DBSelM_TradeDetail("D1"), QStringList{QString()});
    const struct {
        const char* trade;
        const char* detail;
        QStringList result;
    } lookups[] = {
        {"B1", "03", {"detail_name\trate", "廃止した詳細\t100"}},
        {"D1", "01", {"detail_name\trate", "旧料金\t50"}},
        {"D1", "02", {"detail_name\trate", "旧旧料金\t30"}},
        {"B2", "02", {QString()}},
        {"ZZ", "01", {QString()}},
    };
    for (const auto& c : lookups) EXPECT_EQ(DBSelTradeDetail(c.trade, c.detail), c.result) << c.trade << c.detail;
}

TEST_F(MasterStore, PresetListsSortedByValue) {
    EXPECT_EQ(DBSelMst("m_percent", "value_num"), (QStringList{"value_num", "5", "10", "100"}));
    EXPECT_EQ(DBSelMst("m_money", "value_num"), (QStringList{"value_num", "85", "500", "1000"}));
    install.exec("delete from m_money");
    EXPECT_EQ(DBSelMst("m_money", "value_num"), QStringList{QString()});
}

TEST_F(MasterStore, AccountLookupFillsValuesOrShowsTheMissingCode) {
    const struct {
        const char* code;
        QStringList values;
        QString message;  // empty: none shown
    } cases[] = {
        {"700", {"売上", "r", "B"}, ""},
        {"100", {"現　金", "a", "A"}, ""},
        {"999", {"前の名前", "x", "y"}, "マスタ m_account にない勘定科目コードです。999"},
        {"", {"前の名前", "x", "y"}, "マスタ m_account にない勘定科目コードです。"},
    };
    for (const auto& c : cases) {
        install.desktop.dialogs.shown.clear();
        QString name = "前の名前", accountClass = "x", outputClass = "y";
        DBSelMAccount(c.code, name, accountClass, outputClass);
        EXPECT_EQ((QStringList{name, accountClass, outputClass}), c.values) << c.code;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(install.desktop.dialogs.shown.empty()) << c.code;
        } else {
            ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u) << c.code;
            EXPECT_EQ(install.desktop.dialogs.shown[0].kind, "ok");
            EXPECT_EQ(install.desktop.dialogs.shown[0].text, c.message);
            EXPECT_EQ(install.desktop.dialogs.shown[0].title, "VelmoAccount");
        }
    }
}

TEST_F(MasterStore, CodeWithAQuoteIsLookedUpAsTyped) {
    install.exec("insert into m_trade_detail values ('B1','9''','引用符''付き','100','1')");
    EXPECT_EQ(DBSelTradeDetail("B1", "9'"), (QStringList{"detail_name\trate", "引用符'付き\t100"}));
    EXPECT_TRUE(install.runLog().contains("  and  detail_cd = '9'''\r\n"));
}

TEST_F(MasterStore, RejectedAccountQueryEndsWithoutAMessage) {
    install.exec("drop table m_account");
    QString name = "前", accountClass = "a", outputClass = "A";
    try {
        DBSelMAccount("100", name, accountClass, outputClass);
        FAIL() << "the process went on";
    } catch (const ProcessEnded& ended) {
        EXPECT_EQ(ended.code, 1);
    }
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(name, "前");
}

}  // namespace
