#include "store/trial_balance_queries.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/default_chart.h"
#include "store/store_common.h"

#include <QHash>

#include <utility>
#include <vector>

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
    // The accounts of each trade, read once: joining the master in the grouped
    // statement would look it up again for every transaction of the year.
    QHash<QString, std::pair<QString, QString>> accountsOf;
    LoggedQuery(SqlLines({
                    QStringLiteral("select trade_cd"),
                    QStringLiteral("      ,debit_cd"),
                    QStringLiteral("      ,credit_cd"),
                    QStringLiteral("from   m_trade"),
                    QStringLiteral("where  trade_cd is not null"),
                }))
        .each([&accountsOf](const QueryRow& r) {
            accountsOf.insert(r.text(0), {r.text(1), r.text(2)});
        });
    const QString share = QStringLiteral("money * rate / 100");
    const QString wholeNumbers = QStringLiteral("typeof(month) = 'integer' and typeof(day) = 'integer'\r\n") +
                                 QStringLiteral("             and typeof(") + share + QStringLiteral(") = 'integer'");
    const QStringList select = {
        QStringLiteral("select trade_cd"),
        QStringLiteral("      ,month"),
        QStringLiteral("      ,min(day) as first_day"),
        QStringLiteral("      ,max(day) as last_day"),
        QStringLiteral("      ,sum(") + share + QStringLiteral(") as amount"),
    };
    const QStringList from = {
        QStringLiteral("from   t_trade"),
        QStringLiteral("where  year  = ") + QString::number(year),
        QStringLiteral("  and  is_valid = 1"),
        QStringLiteral("  and  trade_cd is not null"),
        QStringLiteral("group by"),
        QStringLiteral("       trade_cd,month"),
    };
    std::vector<MovementRow> rows;
    bool anyOdd = false;
    const auto read = [&](const QueryRow& r) {
        // A trade the master does not know names no accounts: its rows move none.
        const auto accounts = accountsOf.constFind(r.text(0));
        if (accounts == accountsOf.constEnd()) return;
        rows.push_back({.debitCd = accounts->first,
                        .creditCd = accounts->second,
                        .month = r.text(1),
                        .firstDay = r.text(2),
                        .lastDay = r.text(3),
                        .amount = r.text(4)});
    };
    // The usual books: every month, day and share a whole number. The groups
    // follow the order of the year's index, so they are summed as it is read.
    LoggedQuery(SqlLines(select +
                         QStringList{QStringLiteral("      ,count(*) - sum(") + wholeNumbers +
                                     QStringLiteral(") as odd_rows")} +
                         from))
        .each([&](const QueryRow& r) {
            anyOdd = anyOdd || r.text(5) != QStringLiteral("0");
            read(r);
        });
    if (anyOdd) {
        // Books a database tool has touched: each row that is no whole number
        // comes back alone, the rest summed as before.
        rows.clear();
        LoggedQuery(SqlLines(select + from +
                             QStringList{QStringLiteral("      ,case when ") + wholeNumbers +
                                         QStringLiteral(" then null else rowid end")}))
            .each(read);
    }
    for (const MovementRow& row : rows) each(row);
}
