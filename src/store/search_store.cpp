#include "store/search_store.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

namespace {

qint64 DateNumber(const QDate& date) { return date.year() * 10000LL + date.month() * 100LL + date.day(); }

}  // namespace

std::vector<SearchRow> DBSelT_TradeSearch(const SearchConditions& c) {
    WriteLog(QStringLiteral("DBSelT_TradeSearch"));
    QStringList lines{
        QStringLiteral("select t.year"),        QStringLiteral("      ,t.month"),
        QStringLiteral("      ,t.day"),         QStringLiteral("      ,t.seq"),
        QStringLiteral("      ,t.trade_cd"),    QStringLiteral("      ,t.detail_cd"),
        QStringLiteral("      ,t.detail_name"), QStringLiteral("      ,t.money"),
        QStringLiteral("      ,t.rate"),        QStringLiteral("      ,t.money * t.rate / 100 as booked"),
        QStringLiteral("      ,t.is_valid"),    QStringLiteral("from   t_trade t"),
    };
    // Each condition given, with the value bound to its parameter.
    QStringList where;
    QList<BoundValue> values;
    if (!c.allYears) {
        where << QStringLiteral("t.year = :year");
        values << BoundValue{QStringLiteral(":year"), qint64{c.fiscalYear}};
    }
    const QString dateKey = QStringLiteral("t.year * 10000 + t.month * 100 + t.day");
    if (c.dateFrom) {
        where << dateKey + QStringLiteral(" >= :date_from");
        values << BoundValue{QStringLiteral(":date_from"), DateNumber(*c.dateFrom)};
    }
    if (c.dateTo) {
        where << dateKey + QStringLiteral(" <= :date_to");
        values << BoundValue{QStringLiteral(":date_to"), DateNumber(*c.dateTo)};
    }
    const QString amount = c.bookedAmount ? QStringLiteral("t.money * t.rate / 100") : QStringLiteral("t.money");
    if (c.amountFrom) {
        where << amount + QStringLiteral(" >= :amount_from");
        values << BoundValue{QStringLiteral(":amount_from"), *c.amountFrom};
    }
    if (c.amountTo) {
        where << amount + QStringLiteral(" <= :amount_to");
        values << BoundValue{QStringLiteral(":amount_to"), *c.amountTo};
    }
    if (!c.text.isEmpty()) {
        // instr compares plainly: no character of the text is a wildcard.
        where << QStringLiteral("instr(t.detail_name, :text) > 0");
        values << BoundValue{QStringLiteral(":text"), c.text};
    }
    if (!c.tradeCd.isEmpty()) {
        where << QStringLiteral("t.trade_cd = :trade_cd");
        values << BoundValue{QStringLiteral(":trade_cd"), c.tradeCd};
    }
    if (!c.accountCd.isEmpty()) {
        // A transaction's accounts are its trade's debit and credit accounts.
        where << SqlLines({QStringLiteral("t.trade_cd in (select m.trade_cd"),
                           QStringLiteral("                      from   m_trade m"),
                           QStringLiteral("                      where  m.debit_cd = :account_cd"),
                           QStringLiteral("                         or  m.credit_cd = :account_cd)")},
                          false);
        values << BoundValue{QStringLiteral(":account_cd"), c.accountCd};
    }
    if (!c.withVoided) where << QStringLiteral("t.is_valid = 1");
    for (qsizetype i = 0; i < where.size(); ++i)
        lines << (i == 0 ? QStringLiteral("where  ") : QStringLiteral("  and  ")) + where[i];
    lines << QStringLiteral("order by") << QStringLiteral("       t.year,t.month,t.day,t.seq");
    ResultTable table;
    SQLite3QueryBound(SqlLines(lines), values, table);
    std::vector<SearchRow> rows;
    rows.reserve(static_cast<size_t>(RowCount(table)));
    for (qsizetype i = 1; i <= RowCount(table); ++i) {
        const QStringList f = RowFields(table[i], 11, 6);
        rows.push_back({.year = f[0],
                        .record = {.month = f[1],
                                   .day = f[2],
                                   .seq = f[3],
                                   .tradeCd = f[4],
                                   .detailCd = f[5],
                                   .detailName = f[6],
                                   .money = f[7],
                                   .rate = f[8]},
                        .booked = f[9],
                        .valid = f[10] == QStringLiteral("1")});
    }
    return rows;
}

ResultTable DBSelM_AccountForSearch() {
    WriteLog(QStringLiteral("DBSelM_AccountForSearch"));
    ResultTable table;
    SQLite3Query(SqlLines({
                     QStringLiteral("select account_cd"),
                     QStringLiteral("      ,account_name"),
                     QStringLiteral("from   m_account"),
                     QStringLiteral("order by"),
                     QStringLiteral("       account_cd"),
                 }),
                 table);
    return table;
}
