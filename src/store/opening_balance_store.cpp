#include "store/opening_balance_store.h"

#include "app/error_trap.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/text_utils.h"
#include "sqlite/statements.h"
#include "sqlite/transaction.h"
#include "store/carry_record_store.h"
#include "store/default_chart.h"
#include "store/store_common.h"

namespace {

QString InsertDefaultRow(const QString& year, const DefaultChartRow& row, const QString& now) {
    return QStringLiteral("insert into t_bs_begining values(") + year + QStringLiteral(",'") + row.code.toString() +
           QStringLiteral("','") + SqlQuoted(row.name.toString()) + QStringLiteral("'") + QStringLiteral(",'") +
           row.side.toString() + QStringLiteral("',0,'") + now + QStringLiteral("');");
}

}  // namespace

bool DBSelBS_Begining(const QString& year) {
    WriteLog(QStringLiteral("DBSelBS_Begining"));
    const QString sql = SqlLines({
        QString(),
        QStringLiteral("select count(year) as cnt"),
        QStringLiteral("from t_bs_begining"),
        QStringLiteral("where  year = ") + year,
    });
    ResultTable table;
    SQLite3Query(sql, table);
    if (RowCount(table) == 0) return false;
    return FindColumn(table, 1, QStringLiteral("cnt")) != QStringLiteral("0");
}

void DBInsBS_Begining(const QString& year) {
    WriteLog(QStringLiteral("DBInsBS_Begining"));
    // One time stamp for the whole sheet.
    const QString now = NowText();
    for (const DefaultChartRow& row : DefaultChart()) SQLite3NonQuery(InsertDefaultRow(year, row, now));
}

void DBDelBS_Begining(const QString& year) {
    WriteLog(QStringLiteral("DBDelBS_Begining"));
    const QString sql = SqlLines(
        {
            QStringLiteral("delete from t_bs_begining"),
            QStringLiteral("where  year = ") + year + QStringLiteral(";"),
        },
        false);
    SQLite3NonQuery(sql);
}

void DBInsBSHistoryBeforeRecreate(const QString& year) {
    WriteLog(QStringLiteral("DBInsBSHistoryBeforeRecreate Year=") + year);
    const QString sql = SqlLines({
        QStringLiteral("insert into t_bs_begining_history"),
        QStringLiteral("   select b.year"),
        QStringLiteral("         ,b.account_cd"),
        QStringLiteral("         ,ifnull((select max(h.ver_idx)"),
        QStringLiteral("                    from   t_bs_begining_history h"),
        QStringLiteral("                    where  h.year = b.year"),
        QStringLiteral("                      and  h.account_cd = b.account_cd),0) + 1"),
        QStringLiteral("         ,b.account_name"),
        QStringLiteral("         ,b.asset_or_debit"),
        QStringLiteral("         ,b.money"),
        QStringLiteral("         ,b.dt_update"),
        QStringLiteral("   from  t_bs_begining b"),
        QStringLiteral("   where b.year = ") + year,
    });
    SQLite3NonQuery(sql);
}

void DBRecreateBS_Begining(const QString& year, bool rowsExist) {
    SQLite3Transaction([&] {
        if (rowsExist) DBInsT_BsCarryEnded(year);
        WriteLog(QStringLiteral("その会計年度のレコードを削除"));
        if (rowsExist) DBInsBSHistoryBeforeRecreate(year);
        DBDelBS_Begining(year);
        WriteLog(QStringLiteral("その会計年度の資産・負債の初期レコードを追加"));
        DBInsBS_Begining(year);
    });
}

int DBSelBSHistoryMaxNum(const QString& year, const QString& accountCd) {
    return TrapRunTimeErrors([&] {
        WriteLog(QStringLiteral("DBSelBSHistoryMaxNum"));
        const QString sql = SqlLines({
            QStringLiteral("select ifnull(max(ver_idx),0) as max_idx"),
            QStringLiteral("from   t_bs_begining_history"),
            QStringLiteral("where  year = ") + year,
            QStringLiteral("  and  account_cd = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::ShowError);
        if (RowCount(table) == 0) return 0;
        return IntegerOf(FindColumn(table, 1, QStringLiteral("max_idx")));
    });
}

void DBInsBSHistoryBeforeUpdate(const QString& year, const QString& accountCd, int verIdx) {
    WriteLog(QStringLiteral("DBInsBSHistoryBeforeUpdate Year=") + year + QStringLiteral(",CD=") + accountCd +
             QStringLiteral(",MaxNum=") + QString::number(verIdx));
    const QString sql = SqlLines({
        QStringLiteral("insert into t_bs_begining_history"),
        QStringLiteral("   select year"),
        QStringLiteral("         ,account_cd "),
        QStringLiteral("         ,") + QString::number(verIdx),
        QStringLiteral("         ,account_name"),
        QStringLiteral("         ,asset_or_debit"),
        QStringLiteral("         ,money"),
        QStringLiteral("         ,dt_update"),
        QStringLiteral("   from  t_bs_begining"),
        QStringLiteral("   where year = ") + year,
        QStringLiteral("     and account_cd = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
    });
    SQLite3NonQuery(sql);
}

void DBUpdBS_Begining(const QString& year, const QString& accountCd, const QString& money) {
    WriteLog(QStringLiteral("DBUpdBS_Begining"));
    // The amount goes into the statement bare: anything but a storable number
    // would either break the statement or store a value the lists, totals and
    // reports cannot read back.
    if (!IsStorableAmount(money)) throw RunTimeError(QStringLiteral("金額が正しくありません: ") + money);
    const QString sql = SqlLines({
        QStringLiteral("update t_bs_begining set"),
        QStringLiteral("    money = ") + money,
        QStringLiteral("   ,dt_update = '") + NowText() + QStringLiteral("'"),
        QStringLiteral("where year = ") + year,
        QStringLiteral("  and account_cd = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
    });
    SQLite3NonQuery(sql);
}

void DBUpdBS_BeginingWithHistory(const QString& year, const QString& accountCd, const QString& money) {
    SQLite3Transaction([&] {
        DBInsBSHistoryBeforeUpdate(year, accountCd, DBSelBSHistoryMaxNum(year, accountCd) + 1);
        WriteLog(QStringLiteral("指定の金額をテーブルに登録"));
        DBUpdBS_Begining(year, accountCd, money);
        DBUpdBS_BeginingTotals(year);
    });
}

void DBUpdBS_BeginingTotals(const QString& year) {
    WriteLog(QStringLiteral("資産の合計を取得"));
    const QString assetSum = DBSelBS_BeginingSum(IntegerOf(year), QStringLiteral("a"));
    WriteLog(QStringLiteral("資産の合計を更新"));
    DBUpdBS_Begining(year, kAssetTotalCode.toString(), assetSum);
    WriteLog(QStringLiteral("負債の合計を取得"));
    const QString debitSum = DBSelBS_BeginingSum(IntegerOf(year), QStringLiteral("d"));
    WriteLog(QStringLiteral("負債の合計を更新"));
    DBUpdBS_Begining(year, kDebitTotalCode.toString(), debitSum);
}

QString DBSelBS_BeginingSum(int year, const QString& assetOrDebit) {
    WriteLog(QStringLiteral("DBSelBS_BeginingSum"));
    const QString sql = SqlLines(
        {
            QStringLiteral("select sum(money)"),
            QStringLiteral("from   t_bs_begining"),
            QStringLiteral("where  year = ") + QString::number(year),
            QStringLiteral("  and  asset_or_debit = '") + SqlQuoted(assetOrDebit) + QStringLiteral("'"),
            QStringLiteral("  and  account_cd <> '340'  and  account_cd <> '640'"),
        },
        false);
    ResultTable table;
    SQLite3Query(sql, table);
    const QString sum = table.value(1);
    // The total row must hold the true sum or nothing: a sum beyond the
    // 32-bit range cannot be stored or shown, so it is refused here.
    if (!sum.isEmpty() && !IsStorableAmount(sum))
        throw RunTimeError(QStringLiteral("合計金額が範囲を超えています: ") + sum);
    return sum;
}

ResultTable DBSelBS_BeginingAD(int year, const QString& assetOrDebit) {
    WriteLog(QStringLiteral("DBSelBS_BeginingAD"));
    const QString sql = SqlLines({
        QStringLiteral("select account_cd"),
        QStringLiteral("      ,account_name"),
        QStringLiteral("      ,money"),
        QStringLiteral("from   t_bs_begining"),
        QStringLiteral("where  year = ") + QString::number(year),
        QStringLiteral("  and  asset_or_debit = '") + SqlQuoted(assetOrDebit) + QStringLiteral("'"),
        QStringLiteral("order by"),
        QStringLiteral("       account_cd"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

QString DBSelBS_BeginingName(int year, const QString& accountCd) {
    WriteLog(QStringLiteral("DBSelBS_BeginingName"));
    const QString sql = SqlLines({
        QStringLiteral("select account_name"),
        QStringLiteral("from   t_bs_begining"),
        QStringLiteral("where  year = ") + QString::number(year),
        QStringLiteral("  and  account_cd = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    if (RowCount(table) == 0)
        throw RunTimeError(QStringLiteral("勘定科目がありません: ") + QString::number(year) + QLatin1Char(' ') +
                           accountCd);
    return table[1];
}

ResultTable DBSelBS_BeginingNameMoney(int year, const QString& accountCd) {
    WriteLog(QStringLiteral("DBSelBS_BeginingNameMoney"));
    const QString sql = SqlLines({
        QStringLiteral("select account_name"),
        QStringLiteral("      ,money"),
        QStringLiteral("from   t_bs_begining"),
        QStringLiteral("where  year = ") + QString::number(year),
        QStringLiteral("  and  account_cd = '") + SqlQuoted(accountCd) + QStringLiteral("'"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    return table;
}

int DBSelBSBeginingMoney(int year, const QString& accountCd) {
    return TrapRunTimeErrors([&] {
        WriteLog(QStringLiteral("DBSelBSBeginingMoney"));
        // A numeric code is written bare and compares as the text code; any
        // other master code is quoted, since bare it would not even parse.
        const QString code =
            IsDigitsOnly(accountCd) ? accountCd : QStringLiteral("'") + SqlQuoted(accountCd) + QStringLiteral("'");
        const QString sql = SqlLines({
            QStringLiteral("select ifnull(money,0) as val_money"),
            QStringLiteral("from   t_bs_begining"),
            QStringLiteral("where  year = ") + QString::number(year),
            QStringLiteral("  and  account_cd = ") + code,
        });
        ResultTable table;
        QueryExOrEnd(sql, table, OnQueryFailure::ShowError);
        if (RowCount(table) == 0) return 0;
        return IntegerOf(FindColumn(table, 1, QStringLiteral("val_money")));
    });
}
