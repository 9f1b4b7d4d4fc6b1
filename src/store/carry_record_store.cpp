#include "store/carry_record_store.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "store/store_common.h"

#include <QCryptographicHash>

QString CarriedDigest(const std::vector<CarriedRow>& rows) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const CarriedRow& row : rows)
        hash.addData((row.accountCd + QLatin1Char('\t') + QString::number(row.money) + QLatin1Char('\n')).toUtf8());
    return QString::fromLatin1(hash.result().toHex());
}

void DBInsT_BsCarry(const QString& year, const QString& fromYear, const QString& digest) {
    WriteLog(QStringLiteral("DBInsT_BsCarry"));
    const QString sql = SqlLines({
        QStringLiteral("insert into t_bs_carry"),
        QStringLiteral("   select ") + year,
        QStringLiteral("         ,ifnull(max(carry_idx),0) + 1"),
        QStringLiteral("         ,") + fromYear,
        QStringLiteral("         ,'") + digest + QStringLiteral("'"),
        QStringLiteral("         ,'") + NowText() + QStringLiteral("'"),
        QStringLiteral("   from  t_bs_carry"),
        QStringLiteral("   where year = ") + year,
    });
    SQLite3NonQuery(sql);
}

void DBInsT_BsCarryEnded(const QString& year) {
    WriteLog(QStringLiteral("DBInsT_BsCarryEnded"));
    const QString sql = SqlLines({
        QStringLiteral("insert into t_bs_carry"),
        QStringLiteral("   select ") + year,
        QStringLiteral("         ,max(carry_idx) + 1"),
        QStringLiteral("         ,null"),
        QStringLiteral("         ,''"),
        QStringLiteral("         ,'") + NowText() + QStringLiteral("'"),
        QStringLiteral("   from  t_bs_carry"),
        QStringLiteral("   where year = ") + year,
        QStringLiteral("   having count(*) > 0"),
    });
    SQLite3NonQuery(sql);
}

std::optional<CarryRecord> DBSelT_BsCarryLast(int year) {
    WriteLog(QStringLiteral("DBSelT_BsCarryLast"));
    const QString sql = SqlLines({
        QStringLiteral("select from_year"),
        QStringLiteral("      ,carried_digest"),
        QStringLiteral("      ,dt_update"),
        QStringLiteral("from   t_bs_carry"),
        QStringLiteral("where  year = ") + QString::number(year),
        QStringLiteral("order by carry_idx desc"),
        QStringLiteral("limit 1"),
    });
    ResultTable table;
    SQLite3Query(sql, table);
    if (RowCount(table) == 0 || FindColumn(table, 1, QStringLiteral("from_year")).isEmpty()) return std::nullopt;
    return CarryRecord{IntegerOf(FindColumn(table, 1, QStringLiteral("from_year"))),
                       FindColumn(table, 1, QStringLiteral("carried_digest")),
                       FindColumn(table, 1, QStringLiteral("dt_update"))};
}

void DBCreateT_BsCarry() {
    WriteLog(QStringLiteral("DBCreateT_BsCarry"));
    const QString sql = SqlLines({
        QStringLiteral("create table t_bs_carry ("),
        QStringLiteral("    year           integer not null,"),
        QStringLiteral("    carry_idx      integer not null,"),
        QStringLiteral("    from_year      integer,"),
        QStringLiteral("    carried_digest text    not null,"),
        QStringLiteral("    dt_update      text    not null,"),
        QStringLiteral("    primary key (year, carry_idx)"),
        QStringLiteral(")"),
    });
    SQLite3NonQuery(sql);
}
