#include "store/trial_balance_queries.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/default_chart.h"
#include "store/store_common.h"

ResultTable DBSelTrialBalanceAccounts(int year) {
    WriteLog(QStringLiteral("DBSelTrialBalanceAccounts"));
    const QString sql = SqlLines({
        QStringLiteral("select ma.account_cd"),
        QStringLiteral("      ,case when ma.account_name = '' then ifnull(b.account_name,'')"),
        QStringLiteral("            else ma.account_name end as account_name"),
        QStringLiteral("      ,ma.account_class"),
        QStringLiteral("      ,ma.output_class"),
        QStringLiteral("      ,ifnull(b.money,0) as money"),
        QStringLiteral("from   m_account ma"),
        QStringLiteral("       left join t_bs_begining b"),
        QStringLiteral("          on b.account_cd = ma.account_cd"),
        QStringLiteral("         and b.year = ") + QString::number(year),
        QStringLiteral("where  ma.account_cd <> '") + kAssetTotalCode.toString() + QStringLiteral("'"),
        QStringLiteral("  and  ma.account_cd <> '") + kDebitTotalCode.toString() + QStringLiteral("'"),
        QStringLiteral("order by"),
        QStringLiteral("       ma.account_cd"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

void DBSelTrialBalanceMovements(int year, const std::function<void(const MovementRow& row)>& each) {
    WriteLog(QStringLiteral("DBSelTrialBalanceMovements"));
    const QString share = QStringLiteral("t.money * t.rate / 100");
    const QString sql = SqlLines({
        QStringLiteral("select m.debit_cd"),
        QStringLiteral("      ,m.credit_cd"),
        QStringLiteral("      ,t.month"),
        QStringLiteral("      ,min(t.day) as first_day"),
        QStringLiteral("      ,max(t.day) as last_day"),
        QStringLiteral("      ,sum(") + share + QStringLiteral(") as amount"),
        QStringLiteral("from   t_trade t"),
        QStringLiteral("       inner join m_trade m"),
        QStringLiteral("          on t.trade_cd = m.trade_cd"),
        QStringLiteral("where  t.year  = ") + QString::number(year),
        QStringLiteral("  and  t.is_valid = 1"),
        QStringLiteral("group by"),
        QStringLiteral("       m.debit_cd,m.credit_cd,t.month"),
        QStringLiteral("      ,case when typeof(t.month) = 'integer' and typeof(t.day) = 'integer'"),
        QStringLiteral("             and typeof(") + share + QStringLiteral(") = 'integer' then null else t.rowid end"),
    });
    LoggedQuery(sql).each([&each](const QueryRow& r) {
        each({.debitCd = r.text(0),
              .creditCd = r.text(1),
              .month = r.text(2),
              .firstDay = r.text(3),
              .lastDay = r.text(4),
              .amount = r.text(5)});
    });
}
