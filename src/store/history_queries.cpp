#include "store/history_queries.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

namespace {

// The totals are recomputed from the other rows and never typed, so their
// versions say nothing the accounts' own versions do not.
const QString kNoTotalRows = QStringLiteral("  and  account_cd <> '340'  and  account_cd <> '640'");

// Both queries of a kind select the same columns, read back by position; the
// row as it stands has no version number.
QStringList TradeVersionColumns(const QString& verIdx) {
    return {
        QStringLiteral("select month"),       QStringLiteral("      ,day"),       QStringLiteral("      ,seq"),
        QStringLiteral("      ,") + verIdx,   QStringLiteral("      ,trade_cd"),  QStringLiteral("      ,detail_cd"),
        QStringLiteral("      ,detail_name"), QStringLiteral("      ,money"),     QStringLiteral("      ,rate"),
        QStringLiteral("      ,is_valid"),    QStringLiteral("      ,dt_update"),
    };
}

TradeVersionRow TradeVersionOf(const QString& row) {
    const QStringList f = RowFields(row, 11, 6);
    return {.month = f[0],
            .day = f[1],
            .seq = f[2],
            .verIdx = f[3],
            .tradeCd = f[4],
            .detailCd = f[5],
            .detailName = f[6],
            .money = f[7],
            .rate = f[8],
            .isValid = f[9],
            .dtUpdate = f[10]};
}

QStringList OpeningVersionColumns(const QString& verIdx) {
    return {
        QStringLiteral("select account_cd"), QStringLiteral("      ,") + verIdx, QStringLiteral("      ,account_name"),
        QStringLiteral("      ,money"),      QStringLiteral("      ,dt_update"),
    };
}

OpeningVersionRow OpeningVersionOf(const QString& row) {
    const QStringList f = RowFields(row, 5, 2);
    return {.accountCd = f[0], .verIdx = f[1], .accountName = f[2], .money = f[3], .dtUpdate = f[4]};
}

template <class Row, class RowOf>
std::vector<Row> RowsOf(const QStringList& sql, RowOf rowOf) {
    ResultTable table;
    SQLite3Query(SqlLines(sql), table);
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(RowCount(table)));
    for (qsizetype i = 1; i <= RowCount(table); ++i) rows.push_back(rowOf(table[i]));
    return rows;
}

}  // namespace

std::vector<TradeVersionRow> DBSelTradeHistoryForFile(int year) {
    WriteLog(QStringLiteral("DBSelTradeHistoryForFile"));
    QStringList sql = TradeVersionColumns(QStringLiteral("ver_idx"));
    sql += QStringList{
        QStringLiteral("from   t_trade_history"),
        QStringLiteral("where  year  = ") + QString::number(year),
        QStringLiteral("order by"),
        QStringLiteral("       month,day,seq,ver_idx"),
    };
    return RowsOf<TradeVersionRow>(sql, TradeVersionOf);
}

std::vector<TradeVersionRow> DBSelT_TradeChangedForFile(int year) {
    WriteLog(QStringLiteral("DBSelT_TradeChangedForFile"));
    QStringList sql = TradeVersionColumns(QStringLiteral("null as ver_idx"));
    sql += QStringList{
        QStringLiteral("from   t_trade t"),
        QStringLiteral("where  year  = ") + QString::number(year),
        QStringLiteral("  and  (is_valid <> 1"),
        QStringLiteral("        or exists (select 1"),
        QStringLiteral("                   from   t_trade_history h"),
        QStringLiteral("                   where  h.year  = t.year"),
        QStringLiteral("                     and  h.month = t.month"),
        QStringLiteral("                     and  h.day   = t.day"),
        QStringLiteral("                     and  h.seq   = t.seq))"),
        QStringLiteral("order by"),
        QStringLiteral("       month,day,seq"),
    };
    return RowsOf<TradeVersionRow>(sql, TradeVersionOf);
}

std::vector<OpeningVersionRow> DBSelBSHistoryForFile(int year) {
    WriteLog(QStringLiteral("DBSelBSHistoryForFile"));
    QStringList sql = OpeningVersionColumns(QStringLiteral("ver_idx"));
    sql += QStringList{
        QStringLiteral("from   t_bs_begining_history"),
        QStringLiteral("where  year = ") + QString::number(year),
        kNoTotalRows,
        QStringLiteral("order by"),
        QStringLiteral("       account_cd,ver_idx"),
    };
    return RowsOf<OpeningVersionRow>(sql, OpeningVersionOf);
}

std::vector<OpeningVersionRow> DBSelBS_BeginingChangedForFile(int year) {
    WriteLog(QStringLiteral("DBSelBS_BeginingChangedForFile"));
    QStringList sql = OpeningVersionColumns(QStringLiteral("null as ver_idx"));
    sql += QStringList{
        QStringLiteral("from   t_bs_begining b"),
        QStringLiteral("where  year = ") + QString::number(year),
        kNoTotalRows,
        QStringLiteral("  and  exists (select 1"),
        QStringLiteral("               from   t_bs_begining_history h"),
        QStringLiteral("               where  h.year = b.year"),
        QStringLiteral("                 and  h.account_cd = b.account_cd)"),
        QStringLiteral("order by"),
        QStringLiteral("       account_cd"),
    };
    return RowsOf<OpeningVersionRow>(sql, OpeningVersionOf);
}
