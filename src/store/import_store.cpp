#include "store/import_store.h"

#include "app/run_log.h"
#include "sqlite/statements.h"
#include "sqlite/transaction.h"
#include "store/store_common.h"
#include "store/trade_store.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {

// Rows per insert of the list of recorded transactions: one statement each
// would double the work of a long import.
constexpr size_t kKeysPerInsert = 100;

QString Num(qint64 n) { return QString::number(n); }
QString Quoted(const QString& text) { return QStringLiteral("'") + SqlQuoted(text) + QStringLiteral("'"); }
// A rule's percentage; none (the detail's own) when empty.
QString RateValue(const QString& rate) { return rate.isEmpty() ? QStringLiteral("null") : Num(rate.toInt()); }

// The definitions, as data/schema.sql makes them for new books.
const struct {
    const char* name;
    const char* columns;
} kTables[] = {
    {"t_import_layout",
     "layout_name text not null primary key, header_lines integer, date_col integer, text_col integer, "
     "amount_col integer, out_col integer, in_col integer, positive_is_out integer, dt_update text"},
    {"t_import_rule",
     "rule_id integer primary key, direction text not null, contains_text text not null, trade_cd text, "
     "detail_cd text, rate integer, dt_update text"},
    {"t_import",
     "import_id integer primary key, file_name text, dt_import text, lines_read integer, lines_recorded integer, "
     "lines_left_out integer, is_voided integer, dt_update text"},
    {"t_import_trade",
     "import_id integer not null, year integer not null, month integer not null, day integer not null, "
     "seq integer not null, primary key (import_id, year, month, day, seq)"},
};

ResultTable Query(const QStringList& lines) {
    ResultTable table;
    SQLite3Query(SqlLines(lines), table);
    return table;
}

void InsertKeys(int importId, const std::vector<QString>& keys) {
    for (size_t first = 0; first < keys.size(); first += kKeysPerInsert) {
        QStringList lines{QStringLiteral("insert into t_import_trade values")};
        const size_t last = std::min(keys.size(), first + kKeysPerInsert);
        for (size_t i = first; i < last; ++i)
            lines << (i == first ? QStringLiteral("   (") : QStringLiteral("  ,(")) + Num(importId) + QLatin1Char(',') +
                         keys[i] + QLatin1Char(')');
        SQLite3NonQuery(SqlLines(lines, false));
    }
}

}  // namespace

void DBCreateImportTables(const QStringList& present) {
    bool logged = false;
    for (const auto& table : kTables) {
        if (present.contains(QLatin1String(table.name))) continue;
        if (!std::exchange(logged, true)) WriteLog(QStringLiteral("DBCreateImportTables"));
        SQLite3NonQuery(QStringLiteral("create table ") + QLatin1String(table.name) + QStringLiteral(" (") +
                        QLatin1String(table.columns) + QStringLiteral(")"));
    }
}

ResultTable DBSelImportLayouts() {
    WriteLog(QStringLiteral("DBSelImportLayouts"));
    return Query({QStringLiteral("select layout_name,header_lines,date_col,text_col,amount_col,out_col,in_col"),
                  QStringLiteral("      ,positive_is_out"), QStringLiteral("from   t_import_layout"),
                  QStringLiteral("order by dt_update desc, layout_name")});
}

void DBSaveImportLayout(const QString& name, const QList<int>& columns, bool positiveIsOut) {
    WriteLog(QStringLiteral("DBSaveImportLayout"));
    QStringList values{Quoted(name)};
    for (const int column : columns) values << Num(column);
    values << Num(positiveIsOut ? 1 : 0) << Quoted(NowText());
    SQLite3NonQuery(SqlLines({QStringLiteral("insert or replace into t_import_layout values("),
                              QStringLiteral("   ") + values.join(QLatin1Char(',')), QStringLiteral(")")},
                             false));
}

ResultTable DBSelImportRules() {
    WriteLog(QStringLiteral("DBSelImportRules"));
    return Query({QStringLiteral("select rule_id,direction,contains_text,trade_cd,detail_cd,rate"),
                  QStringLiteral("from   t_import_rule"), QStringLiteral("order by rule_id")});
}

void DBInsImportRule(const QString& direction, const QString& containsText, const QString& tradeCd,
                     const QString& detailCd, const QString& rate) {
    WriteLog(QStringLiteral("DBInsImportRule"));
    SQLite3NonQuery(SqlLines(
        {QStringLiteral("insert into t_import_rule (direction,contains_text,trade_cd,detail_cd,rate,dt_update)"),
         QStringLiteral("values(") + Quoted(direction) + QLatin1Char(',') + Quoted(containsText) + QLatin1Char(',') +
             Quoted(tradeCd) + QLatin1Char(',') + Quoted(detailCd) + QLatin1Char(',') + RateValue(rate) +
             QLatin1Char(',') + Quoted(NowText()) + QLatin1Char(')')},
        false));
}

void DBUpdImportRule(int ruleId, const QString& containsText, const QString& tradeCd, const QString& detailCd,
                     const QString& rate) {
    WriteLog(QStringLiteral("DBUpdImportRule"));
    SQLite3NonQuery(SqlLines({
        QStringLiteral("update t_import_rule set"),
        QStringLiteral("       contains_text = ") + Quoted(containsText),
        QStringLiteral("      ,trade_cd = ") + Quoted(tradeCd),
        QStringLiteral("      ,detail_cd = ") + Quoted(detailCd),
        QStringLiteral("      ,rate = ") + RateValue(rate),
        QStringLiteral("      ,dt_update = ") + Quoted(NowText()),
        QStringLiteral("where  rule_id = ") + Num(ruleId),
    }));
}

void DBDelImportRule(int ruleId) {
    WriteLog(QStringLiteral("DBDelImportRule"));
    SQLite3NonQuery(
        SqlLines({QStringLiteral("delete from t_import_rule"), QStringLiteral("where  rule_id = ") + Num(ruleId)}));
}

ResultTable DBSelImportDetails() {
    WriteLog(QStringLiteral("DBSelImportDetails"));
    return Query({QStringLiteral("select trade_cd,detail_cd,detail_name,rate"), QStringLiteral("from   m_trade_detail"),
                  QStringLiteral("where  is_valid = 1"), QStringLiteral("order by trade_cd,detail_cd")});
}

ResultTable DBSelImportKnownTrades(int year) {
    WriteLog(QStringLiteral("DBSelImportKnownTrades"));
    return Query({QStringLiteral("select month,day,money,detail_name"), QStringLiteral("from   t_trade"),
                  QStringLiteral("where  year  = ") + Num(year), QStringLiteral("  and  is_valid = 1")});
}

std::optional<int> DBRecordImport(const QString& fileName, int linesRead, const std::vector<ImportedTrade>& rows) {
    WriteLog(QStringLiteral("DBRecordImport"));
    // Leaves the transaction so that it is rolled back: none of the rows stays.
    struct DateFull {};
    std::optional<int> importId;
    try {
        SQLite3Transaction(
            [&] {
                std::vector<QString> keys;
                keys.reserve(rows.size());
                for (const ImportedTrade& r : rows) {
                    const std::optional<int> seq = DBInsT_TradeUnderNextSeq(r.year, r.month, r.day, r.tradeCd,
                                                                            r.detailCd, r.detailName, r.money, r.rate);
                    if (!seq) throw DateFull{};
                    keys.push_back(Num(r.year) + QLatin1Char(',') + Num(r.month) + QLatin1Char(',') + Num(r.day) +
                                   QLatin1Char(',') + Num(*seq));
                }
                const qint64 recorded = static_cast<qint64>(rows.size());
                const QString now = Quoted(NowText());
                SQLite3NonQuery(
                    SqlLines({QStringLiteral("insert into t_import (file_name,dt_import,lines_read,lines_recorded"),
                              QStringLiteral("      ,lines_left_out,is_voided,dt_update)"),
                              QStringLiteral("values(") + Quoted(fileName) + QLatin1Char(',') + now + QLatin1Char(',') +
                                  Num(linesRead) + QLatin1Char(',') + Num(recorded) + QLatin1Char(',') +
                                  Num(linesRead - recorded) + QStringLiteral(",0,") + now + QLatin1Char(')')},
                             false));
                importId = IntegerOf(Query({QStringLiteral("select last_insert_rowid()")}).value(1));
                InsertKeys(*importId, keys);
                WriteLog(QStringLiteral("CSV入力 ファイル=") + fileName + QStringLiteral(" 読んだ行=") +
                         Num(linesRead) + QStringLiteral(" 登録=") + Num(recorded) + QStringLiteral(" 除外=") +
                         Num(linesRead - recorded));
            },
            QStringLiteral("begin immediate"));
    } catch (const DateFull&) {
        return std::nullopt;
    }
    return importId;
}

ResultTable DBSelImports() {
    WriteLog(QStringLiteral("DBSelImports"));
    return Query({QStringLiteral("select import_id,file_name,dt_import,lines_read,lines_recorded,lines_left_out"),
                  QStringLiteral("      ,is_voided"), QStringLiteral("from   t_import"),
                  QStringLiteral("order by import_id desc")});
}

int DBVoidImport(int importId) {
    WriteLog(QStringLiteral("DBVoidImport"));
    int voided = 0;
    SQLite3Transaction([&] {
        const ResultTable keys = Query({
            QStringLiteral("select k.year,k.month,k.day,k.seq"),
            QStringLiteral("from   t_import_trade k"),
            QStringLiteral("join   t_trade t on t.year = k.year and t.month = k.month and t.day = k.day"),
            QStringLiteral("                and t.seq = k.seq and t.is_valid = 1"),
            QStringLiteral("where  k.import_id = ") + Num(importId),
            QStringLiteral("order by k.year,k.month,k.day,k.seq"),
        });
        for (qsizetype row = 1; row <= RowCount(keys); ++row) {
            const QStringList key = keys[row].split(QLatin1Char('\t'));
            DBUpdT_TradeIsValid(key[0], key[1], key[2], IntegerOf(key[3]));
        }
        voided = static_cast<int>(RowCount(keys));
        SQLite3NonQuery(SqlLines({QStringLiteral("update t_import set"), QStringLiteral("       is_voided = 1"),
                                  QStringLiteral("      ,dt_update = ") + Quoted(NowText()),
                                  QStringLiteral("where  import_id = ") + Num(importId)}));
        WriteLog(QStringLiteral("CSV入力の取り消し 番号=") + Num(importId) + QStringLiteral(" 無効化=") + Num(voided));
    });
    return voided;
}
