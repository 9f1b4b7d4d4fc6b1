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
