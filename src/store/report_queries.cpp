#include "store/report_queries.h"

#include "app/error_trap.h"
#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

#include <exception>

namespace {

QString MonthCondition(int month) { return QStringLiteral("  and  month = ") + QString::number(month); }

void InsuranceRows(const QString& procedure, int year, const QString& insuranceClass,
                   const RowsTo<InsuranceRow>& each) {
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
    // The select list fixes the column order: month, day, seq, detail_name, mny.
    QueryExEachOrEnd(
        sql,
        [&each](const QueryRow& r) {
            each(
                {.month = r.text(0), .day = r.text(1), .seq = r.text(2), .detailName = r.text(3), .amount = r.text(4)});
        },
        OnQueryFailure::Silent);
}

}  // namespace

std::unique_ptr<LoggedQuery> DBSelTM_Trade(const QString& year) {
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
    return std::make_unique<LoggedQuery>(sql);
}

void DBSelTradeRecordsForFile(int year, int month, const RowsTo<TradeRecordRow>& each) {
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
    TradeRecordRow row;
    LoggedQuery(SqlLines(lines)).each([&](const QueryRow& r) {
        ReadTradeRecordRow(row, r);
        each(row);
    });
}

void DBSelJournalRecordsForFile(int year, int month, const RowsTo<JournalRow>& each) {
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
    // One row kept and filled again: its strings keep their room.
    JournalRow row;
    LoggedQuery(SqlLines(lines)).each([&](const QueryRow& r) {
        QString* fields[] = {&row.month,     &row.day,      &row.seq,        &row.tradeCd, &row.debitCd,
                             &row.debitName, &row.creditCd, &row.creditName, &row.amount,  &row.detailName};
        for (int i = 0; i < 10; ++i) r.assign(*fields[i], i);
        each(row);
    });
}

void DBSelJournalTable(int year, const RowSink& each) {
    // A failure of the caller's work on a row leaves as it came, past the
    // trap of the query's own failures.
    struct RowFailure {
        std::exception_ptr error;
    };
    try {
        TrapRunTimeErrors([year, &each] {
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
            const RowSink passing = [&each](const QueryRow& row) {
                try {
                    each(row);
                } catch (...) {
                    throw RowFailure{std::current_exception()};
                }
            };
            QueryExEachOrEnd(sql, passing, OnQueryFailure::ShowError);
        });
    } catch (const RowFailure& failure) {
        std::rethrow_exception(failure.error);
    }
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

void DBSelSocialInsurance(int year, const RowsTo<InsuranceRow>& each) {
    InsuranceRows(QStringLiteral("DBSelSocialInsurance"), year, QStringLiteral("S"), each);
}

void DBSelOtherInsurance(int year, const RowsTo<InsuranceRow>& each) {
    InsuranceRows(QStringLiteral("DBSelOtherInsurance"), year, QStringLiteral("O"), each);
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
