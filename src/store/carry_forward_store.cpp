#include "store/carry_forward_store.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "sqlite/transaction.h"
#include "store/carry_record_store.h"
#include "store/opening_balance_store.h"
#include "store/store_common.h"

void DBCarryForwardBS_Begining(const QString& year, const QString& fromYear, bool rowsExist,
                               const std::vector<CarriedRow>& rows) {
    SQLite3Transaction([&] {
        WriteLog(QStringLiteral("繰越を記録"));
        DBInsT_BsCarry(year, fromYear, CarriedDigest(rows));
        if (rowsExist) {
            WriteLog(QStringLiteral("その会計年度のレコードを履歴に保存"));
            DBInsBSHistoryBeforeRecreate(year);
        } else {
            WriteLog(QStringLiteral("その会計年度のレコードを前年度から作成"));
            DBInsBS_BeginingFromYear(year, fromYear);
        }
        WriteLog(QStringLiteral("前年度末の残高を登録"));
        for (const CarriedRow& row : rows) DBUpdBS_BeginingCarried(year, row.accountCd, row.money, fromYear);
        DBUpdBS_BeginingTotals(year);
    });
}

void DBInsBS_BeginingFromYear(const QString& year, const QString& fromYear) {
    WriteLog(QStringLiteral("DBInsBS_BeginingFromYear"));
    const QString sql = SqlLines({
        QStringLiteral("insert into t_bs_begining"),
        QStringLiteral("   select ") + year,
        QStringLiteral("         ,account_cd"),
        QStringLiteral("         ,account_name"),
        QStringLiteral("         ,asset_or_debit"),
        QStringLiteral("         ,0"),
        QStringLiteral("         ,'") + NowText() + QStringLiteral("'"),
        QStringLiteral("   from  t_bs_begining"),
        QStringLiteral("   where year = ") + fromYear,
    });
    SQLite3NonQuery(sql);
}

void DBUpdBS_BeginingCarried(const QString& year, const QString& accountCd, int money, const QString& fromYear) {
    WriteLog(QStringLiteral("DBUpdBS_BeginingCarried"));
    const QString code = SqlQuoted(accountCd);
    const QString sql = SqlLines({
        QStringLiteral("update t_bs_begining set"),
        QStringLiteral("    money = ") + QString::number(money),
        QStringLiteral("   ,account_name = case when account_name = ''"),
        QStringLiteral("                        then ifnull((select f.account_name"),
        QStringLiteral("                                     from   t_bs_begining f"),
        QStringLiteral("                                     where  f.year = ") + fromYear,
        QStringLiteral("                                       and  f.account_cd = '") + code +
            QStringLiteral("'),'')"),
        QStringLiteral("                        else account_name end"),
        QStringLiteral("   ,dt_update = '") + NowText() + QStringLiteral("'"),
        QStringLiteral("where year = ") + year,
        QStringLiteral("  and account_cd = '") + code + QStringLiteral("'"),
    });
    SQLite3NonQuery(sql);
}
