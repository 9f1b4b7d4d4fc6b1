#include "store/report_queries.h"

#include "app/error_trap.h"
#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

namespace {

// The rows of a result, each read by `rowOf`.
template <class RowOf>
auto RowsOf(const ResultTable& table, RowOf rowOf) {
    std::vector<decltype(rowOf(QString()))> rows;
    rows.reserve(static_cast<size_t>(RowCount(table)));
    for (qsizetype i = 1; i <= RowCount(table); ++i) rows.push_back(rowOf(table[i]));
    return rows;
}

QString MonthCondition(int month) { return QStringLiteral("  and  month = ") + QString::number(month); }

std::vector<InsuranceRow> InsuranceRows(const QString& procedure, int year, const QString& insuranceClass) {
    WriteLog(procedure);
    const QString sql = SqlLines({
        QStringLiteral("select month"),
        QStringLiteral("      ,day"),
        QStringLiteral("      ,seq"),
        QStringLiteral("      ,detail_name"),
        QStringLiteral("      ,money * rate / 100 as mny"),
        QStringLiteral("from   t_trade t"),
        QStringLiteral("       inner join m_trade m"),
        QStringLiteral("          on t.trade_cd = m.trade_cd"),
        QStringLiteral("where  year  = ") + QString::number(year),
        QStringLiteral("  and  t.is_valid = 1"),
        QStringLiteral("  and  m.insurance_class = '") + insuranceClass + QStringLiteral("'"),
        QStringLiteral("order by"),
        QStringLiteral("       month,day,seq"),
    });
    ResultTable table;
    QueryExOrEnd(sql, table, OnQueryFailure::Silent);
    // The select list fixes the column order: month, day, seq, detail_name, mny.
    return RowsOf(table, [](const QString& row) {
        const QStringList f = RowFields(row, 5, 3);
        return InsuranceRow{.month = f[0], .day = f[1], .seq = f[2], .detailName = f[3], .amount = f[4]};
    });
}

}  // namespace

ResultTable DBSelTM_Trade(const QString& year) {
    WriteLog(QStringLiteral("DBSelTM_Trade"));
    const QString sql = SqlLines({
        QString(),
        QStringLiteral("select t.month"),
        QStringLiteral("      ,t.day"),
        QStringLiteral("      ,m.debit_cd"),
        QStringLiteral("      ,m.debit_name"),
        QStringLiteral("      ,m.credit_cd"),
        QStringLiteral("      ,m.credit_name"),
        QStringLiteral("      ,t.money * t.rate / 100"),
        QStringLiteral("      ,t.detail_name"),
        QStringLiteral("from   t_trade t"),
        QStringLiteral("       inner join m_trade m"),
        QStringLiteral("          on t.trade_cd = m.trade_cd"),
        QStringLiteral("where  t.year = ") + year,
        QStringLiteral("  and  t.is_valid = 1"),
        QStringLiteral("order by"),
        QStringLiteral("       t.month,t.day,t.seq"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

std::vector<TradeRecordRow> DBSelTradeRecordsForFile(int year, int month) {
    WriteLog(QStringLiteral("DBSelTradeRecordsForFile"));
    QStringList lines = {
        QString(),
        QStringLiteral("select month"),
        QStringLiteral("      ,day"),
        QStringLiteral("      ,seq"),
        QStringLiteral("      ,trade_cd"),
        QStringLiteral("      ,detail_cd"),
        QStringLiteral("      ,detail_name"),
        QStringLiteral("      ,money"),
        QStringLiteral("      ,rate"),
        QStringLiteral("from   t_trade"),
        QStringLiteral("where  year  = ") + QString::number(year),
    };
    if (month != 0) lines << MonthCondition(month);
    lines << QStringLiteral("  and  is_valid = 1") << QStringLiteral("order by")
          << QStringLiteral("       month,day,seq");
    ResultTable table;
    SQLite3Query(SqlLines(lines), table);
    return RowsOf(table, [](const QString& row) {
        const QStringList f = RowFields(row, 8, 5);
        return TradeRecordRow{.month = f[0],
                              .day = f[1],
                              .seq = f[2],
                              .tradeCd = f[3],
                              .detailCd = f[4],
                              .detailName = f[5],
                              .money = f[6],
                              .rate = f[7]};
    });
}

std::vector<JournalRow> DBSelJournalRecordsForFile(int year, int month) {
    WriteLog(QStringLiteral("DBSelJournalRecordsForFile"));
    QStringList lines = {
        QStringLiteral("select month"),
        QStringLiteral("      ,day"),
        QStringLiteral("      ,seq"),
        QStringLiteral("      ,t.trade_cd"),
        QStringLiteral("      ,debit_cd"),
        QStringLiteral("      ,debit_name"),
        QStringLiteral("      ,credit_cd"),
        QStringLiteral("      ,credit_name"),
        QStringLiteral("      ,money * rate / 100"),
        QStringLiteral("      ,detail_name"),
        QStringLiteral("from   t_trade t"),
        QStringLiteral("       inner join m_trade m"),
        QStringLiteral("          on t.trade_cd = m.trade_cd"),
        QStringLiteral("where  year  = ") + QString::number(year),
    };
    if (month != 0) lines << MonthCondition(month);
    lines << QStringLiteral("  and  t.is_valid = 1") << QStringLiteral("order by")
          << QStringLiteral("       month,day,seq");
    ResultTable table;
    SQLite3Query(SqlLines(lines), table);
    return RowsOf(table, [](const QString& row) {
        const QStringList f = RowFields(row, 10, 9);
        return JournalRow{.month = f[0],
                          .day = f[1],
                          .seq = f[2],
                          .tradeCd = f[3],
                          .debitCd = f[4],
                          .debitName = f[5],
                          .creditCd = f[6],
                          .creditName = f[7],
                          .amount = f[8],
                          .detailName = f[9]};
    });
}

ResultTable DBSelJournalTable(int year) {
    return TrapRunTimeErrors([year] {
        WriteLog(QStringLiteral("DBSelJournalTable"));
        const QString sql = SqlLines({
            QStringLiteral("select month"),
            QStringLiteral("      ,day"),
            QStringLiteral("      ,seq"),
            QStringLiteral("      ,t.trade_cd"),
            QStringLiteral("      ,debit_cd"),
            QStringLiteral("      ,debit_name"),
            QStringLiteral("      ,credit_cd"),
            QStringLiteral("      ,credit_name"),
            QStringLiteral("      ,money * rate / 100 as money_val"),
            QStringLiteral("      ,detail_name"),
            QStringLiteral("from   t_trade t"),
            QStringLiteral("       inner join m_trade m"),
            QStringLiteral("          on t.trade_cd = m.trade_cd"),
            QStringLiteral("where  year  = ") + QString::number(year),
            QStringLiteral("  and  t.is_valid = 1"),
            QStringLiteral("order by"),
            QStringLiteral("       month,day,seq"),
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::ShowError);
        return table;
    });
}

ResultTable DBSelAccountHead(int year) {
    return TrapRunTimeErrors([year] {
        WriteLog(QStringLiteral("DBSelAccountHead"));
        const QString yearText = QString::number(year);
        const QString sql = SqlLines({
            QStringLiteral("with t_journal1 as ("),
            QStringLiteral("  select t.trade_cd"),
            QStringLiteral("        ,m.debit_cd"),
            QStringLiteral("  from   t_trade t"),
            QStringLiteral("         inner join m_trade m"),
            QStringLiteral("            on t.trade_cd = m.trade_cd"),
            QStringLiteral("         inner join m_account ma"),
            QStringLiteral("            on m.debit_cd = ma.account_cd"),
            QStringLiteral("  where  year  = ") + yearText,
            QStringLiteral("   and  t.is_valid = 1"),
            QStringLiteral("), t_journal2 as ("),
            QStringLiteral("  select t.trade_cd"),
            QStringLiteral("        ,m.credit_cd"),
            QStringLiteral("  from   t_trade t"),
            QStringLiteral("         inner join m_trade m"),
            QStringLiteral("            on t.trade_cd = m.trade_cd"),
            QStringLiteral("         inner join m_account ma"),
            QStringLiteral("            on m.credit_cd = ma.account_cd"),
            QStringLiteral("  where  year  = ") + yearText,
            QStringLiteral("   and  t.is_valid = 1"),
            QStringLiteral(")"),
            QStringLiteral("select distinct"),
            QStringLiteral("       debit_cd   as account_cd"),
            QStringLiteral("from   t_journal1"),
            QStringLiteral("union"),
            QStringLiteral("select distinct"),
            QStringLiteral("       credit_cd"),
            QStringLiteral("from   t_journal2"),
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::Silent);
        return table;
    });
}

std::vector<InsuranceRow> DBSelSocialInsurance(int year) {
    return InsuranceRows(QStringLiteral("DBSelSocialInsurance"), year, QStringLiteral("S"));
}

std::vector<InsuranceRow> DBSelOtherInsurance(int year) {
    return InsuranceRows(QStringLiteral("DBSelOtherInsurance"), year, QStringLiteral("O"));
}

qint64 DBSelSumSocialInsurance(int year) {
    return TrapRunTimeErrors([year] {
        WriteLog(QStringLiteral("DBSelSumSocialInsurance"));
        const QString sql = SqlLines({
            QStringLiteral("select ifnull(sum(money * rate / 100),0) as sum_mny"),
            QStringLiteral("from   t_trade t"),
            QStringLiteral("       inner join m_trade m"),
            QStringLiteral("          on t.trade_cd = m.trade_cd"),
            QStringLiteral("where  year  = ") + QString::number(year),
            QStringLiteral("  and  t.is_valid = 1"),
            QStringLiteral("  and  m.insurance_class = 'S'"),
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::Silent);
        return WholeNumberOf(FindColumn(table, 1, QStringLiteral("sum_mny")));
    });
}
