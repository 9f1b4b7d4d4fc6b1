#include "store/master_store.h"

#include "app/context.h"
#include "app/error_trap.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

ResultTable DBSelM_Trade() {
    WriteLog(QStringLiteral("DBSelM_Trade"));
    const QString sql = SqlLines({
        QStringLiteral("select trade_cd"),
        QStringLiteral("      ,trade_name"),
        QStringLiteral("      ,trade_class_cd"),
        QStringLiteral("from   m_trade"),
        QStringLiteral("order by"),
        QStringLiteral("       group_cd,order_cd"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

ResultTable DBSelM_TradeDetail(const QString& tradeCd) {
    WriteLog(QStringLiteral("DBSelM_TradeDetail"));
    const QString sql = SqlLines({
        QStringLiteral("select detail_cd"),
        QStringLiteral("      ,detail_name"),
        QStringLiteral("      ,rate"),
        QStringLiteral("from   m_trade_detail"),
        QStringLiteral("where  trade_cd = '") + SqlQuoted(tradeCd) + QStringLiteral("'"),
        QStringLiteral("  and  is_valid = 1"),
        QStringLiteral("order by"),
        QStringLiteral("       detail_cd"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

ResultTable DBSelTradeDetail(const QString& tradeCd, const QString& detailCd) {
    WriteLog(QStringLiteral("DBSelTradeDetail"));
    const QString sql = SqlLines({
        QStringLiteral("select detail_name"),
        QStringLiteral("      ,rate"),
        QStringLiteral("from   m_trade_detail"),
        QStringLiteral("where  trade_cd  = '") + SqlQuoted(tradeCd) + QStringLiteral("'"),
        QStringLiteral("  and  detail_cd = '") + SqlQuoted(detailCd) + QStringLiteral("'"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

ResultTable DBSelMst(const QString& table, const QString& column) {
    WriteLog(QStringLiteral("DBSelMst"));
    const QString sql = SqlLines({
        QStringLiteral("select ") + column,
        QStringLiteral("from   ") + table,
        QStringLiteral("order by"),
        QStringLiteral("       ") + column,
    });
    ResultTable values;
    SQLite3Query(sql, values);
    return values;
}

void DBSelMAccount(const QString& accountCd, QString& accountName, QString& accountClass, QString& outputClass) {
    TrapRunTimeErrors([&] {
        WriteLog(QStringLiteral("DBSelMAccount"));
        const QString sql = SqlLines({
            QStringLiteral("select account_name"),
            QStringLiteral("      ,account_class"),
            QStringLiteral("      ,output_class"),
            QStringLiteral("from   m_account"),
            QStringLiteral("where  account_cd  = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::Silent);
        if (RowCount(table) >= 1) {
            accountName = FindColumn(table, 1, QStringLiteral("account_name"));
            accountClass = FindColumn(table, 1, QStringLiteral("account_class"));
            outputClass = FindColumn(table, 1, QStringLiteral("output_class"));
        } else {
            ShowMessage(QStringLiteral("マスタ m_account にない勘定科目コードです。") + accountCd, kAppTitle);
        }
    });
}
