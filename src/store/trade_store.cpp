#include "store/trade_store.h"

#include "app/context.h"
#include "app/error_trap.h"
#include "app/fatal_error.h"
#include "app/identity.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/text_utils.h"
#include "sqlite/statements.h"
#include "sqlite/transaction.h"
#include "store/odd_values.h"
#include "store/store_common.h"

namespace {

constexpr int kMaxRate = 100;

QString Num(qint64 n) { return QString::number(n); }

// Y, M and D of a date text, the month and day without leading zero.
struct DateParts {
    QString year, month, day;
};
DateParts PlainDateParts(const QString& dateText) {
    const QDate date = DateFromText(dateText);
    return {date.toString(QStringLiteral("yyyy")), Num(date.month()), Num(date.day())};
}

// The first value of row 1 as an integer; 0 when there is no row or it is NULL.
int FirstValueOrZero(const ResultTable& table) {
    if (RowCount(table) < 1 || table[1].isEmpty()) return 0;
    return IntegerOf(table[1]);
}

bool IsStorableRate(const QString& rate) {
    bool ok = false;
    const qint64 value = rate.toLongLong(&ok);
    return IsDigitsOnly(rate) && ok && value <= kMaxRate;
}

// Values that would be lost or would break the record list are never stored:
// amounts beyond what the queries can read and add, rates that are not a
// percentage, and summaries holding a TAB or line break, which would split
// the row when it is read back.
void RefuseUnstorable(const QString& detailName, const QString& money, const QString& rate) {
    if (!IsStorableAmount(money))
        throw RunTimeError(QStringLiteral("金額は0から") + Num(kMaxAmount) + QStringLiteral("までの数字です: ") +
                           money);
    if (!IsStorableRate(rate))
        throw RunTimeError(QStringLiteral("割合は0から") + Num(kMaxRate) + QStringLiteral("までの数字です: ") + rate);
    for (const QChar c : detailName)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            throw RunTimeError(QStringLiteral("摘要にタブや改行は使えません: ") + detailName);
}

// The conditions shared by the record list and its total, up to the trade filter.
QStringList PeriodConditions(const QString& year, const QString& month, const QString& day) {
    QStringList lines{QStringLiteral("where  year  = ") + year};
    if (!month.isEmpty()) lines << QStringLiteral("  and  month = ") + month;
    if (!day.isEmpty()) lines << QStringLiteral("  and  day   = ") + day;
    return lines;
}

QStringList TradeConditions(const QString& tradeCd, const QString& detailCd) {
    QStringList lines{QStringLiteral("  and  trade_cd = '") + SqlQuoted(tradeCd) + QStringLiteral("'")};
    if (!detailCd.isEmpty())
        lines << QStringLiteral("  and  detail_cd = '") + SqlQuoted(detailCd) + QStringLiteral("'");
    return lines;
}

void RecordRows(const QString& year, const QStringList& conditions, const RowsTo<TradeRecordRow>& each,
                QStringList* oddRows) {
    QStringList lines{
        QStringLiteral("select month"),    QStringLiteral("      ,day"),       QStringLiteral("      ,seq"),
        QStringLiteral("      ,trade_cd"), QStringLiteral("      ,detail_cd"), QStringLiteral("      ,detail_name"),
        QStringLiteral("      ,money"),    QStringLiteral("      ,rate"),      QStringLiteral("from   t_trade"),
    };
    lines << conditions << QStringLiteral("  and  is_valid = 1") << QStringLiteral("order by")
          << QStringLiteral("       month,day,seq");
    TradeRecordRow row;
    LoggedQuery(SqlLines(lines)).each([&](const QueryRow& r) {
        ReadTradeRecordRow(row, r);
        const QString odd = OddTradeValues(row.money, row.rate, row.detailName);
        if (oddRows && !odd.isEmpty()) *oddRows << OddRowName(year, row.month, row.day, row.seq, odd);
        each(row);
    });
}

}  // namespace

void DBInsT_Trade(int year, int month, int day, int seq, const QString& tradeCd, const QString& detailCd,
                  const QString& detailName, const QString& money, const QString& rate) {
    WriteLog(QStringLiteral("DBInsT_Trade"));
    RefuseUnstorable(detailName, money, rate);
    const auto quoted = [](const QString& value) { return QStringLiteral("  ,'") + value + QStringLiteral("'"); };
    SQLite3NonQuery(SqlLines(
        {
            QStringLiteral("insert into t_trade values("),
            QStringLiteral("   ") + Num(year),
            QStringLiteral("  ,") + Num(month),
            QStringLiteral("  ,") + Num(day),
            QStringLiteral("  ,") + Num(seq),
            quoted(SqlQuoted(tradeCd)),
            quoted(SqlQuoted(detailCd)),
            quoted(SqlQuoted(detailName)),
            quoted(money),
            quoted(rate),
            quoted(QStringLiteral("1")),
            quoted(NowText()),
            QStringLiteral(")"),
        },
        false));
}

std::optional<int> DBRecordT_Trade(int year, int month, int day, const QString& tradeCd, const QString& detailCd,
                                   const QString& detailName, const QString& money, const QString& rate) {
    std::optional<int> recorded;
    SQLite3Transaction(
        [&] { recorded = DBInsT_TradeUnderNextSeq(year, month, day, tradeCd, detailCd, detailName, money, rate); },
        QStringLiteral("begin immediate"));
    return recorded;
}

std::optional<int> DBInsT_TradeUnderNextSeq(int year, int month, int day, const QString& tradeCd,
                                            const QString& detailCd, const QString& detailName, const QString& money,
                                            const QString& rate) {
    const int seq = DBSelT_TradeMaxSeq(year, month, day) + 1;
    if (seq > kLastAddressableSeq) return std::nullopt;
    DBInsT_Trade(year, month, day, seq, tradeCd, detailCd, detailName, money, rate);
    return seq;
}

void DBInsTradeHistoryBeforeUpdate(const QString& dateText, int seq, int verIdx) {
    WriteLog(QStringLiteral("DBInsTradeHistoryBeforeUpdate"));
    const DateParts date = PlainDateParts(dateText);
    SQLite3NonQuery(SqlLines(
        {
            QStringLiteral("insert into t_trade_history"),
            QStringLiteral("  select year"),
            QStringLiteral("        ,month"),
            QStringLiteral("        ,day"),
            QStringLiteral("        ,seq"),
            QStringLiteral("        ,") + Num(verIdx),
            QStringLiteral("        ,trade_cd"),
            QStringLiteral("        ,detail_cd"),
            QStringLiteral("        ,detail_name"),
            QStringLiteral("        ,money"),
            QStringLiteral("        ,rate"),
            QStringLiteral("        ,is_valid"),
            QStringLiteral("        ,dt_update"),
            QStringLiteral("  from   t_trade"),
            QStringLiteral("  where  year  = ") + date.year,
            QStringLiteral("    and  month = ") + date.month,
            QStringLiteral("    and  day   = ") + date.day,
            QStringLiteral("    and  seq   = ") + Num(seq),
        },
        false));
}

void DBUpdT_Trade(const QString& dateText, int seq, const QString& tradeCd, const QString& detailCd,
                  const QString& detailName, const QString& money, const QString& rate) {
    WriteLog(QStringLiteral("DBUpdT_Trade"));
    RefuseUnstorable(detailName, money, rate);
    const QDate date = DateFromText(dateText);
    SQLite3NonQuery(SqlLines({
        QStringLiteral("update t_trade set"),
        QStringLiteral("       trade_cd = '") + SqlQuoted(tradeCd) + QStringLiteral("'"),
        QStringLiteral("      ,detail_cd = '") + SqlQuoted(detailCd) + QStringLiteral("'"),
        QStringLiteral("      ,detail_name = '") + SqlQuoted(detailName) + QStringLiteral("'"),
        QStringLiteral("      ,money = ") + money,
        QStringLiteral("      ,rate = ") + rate,
        QStringLiteral("      ,dt_update = '") + NowText() + QStringLiteral("'"),
        QStringLiteral("where  year  = ") + date.toString(QStringLiteral("yyyy")),
        QStringLiteral("  and  month = ") + date.toString(QStringLiteral("MM")),
        QStringLiteral("  and  day   = ") + date.toString(QStringLiteral("dd")),
        QStringLiteral("  and  seq   = ") + Num(seq) + QStringLiteral(";"),
    }));
}

void DBUpdT_TradeWithHistory(const QString& dateText, int seq, const QString& tradeCd, const QString& detailCd,
                             const QString& detailName, const QString& money, const QString& rate) {
    SQLite3Transaction([&] {
        DBInsTradeHistoryBeforeUpdate(dateText, seq, DBSelTradeHistoryMaxNum(dateText, seq) + 1);
        DBUpdT_Trade(dateText, seq, tradeCd, detailCd, detailName, money, rate);
    });
}

void DBUpdT_TradeIsValid(const QString& year, const QString& month, const QString& day, int seq) {
    WriteLog(QStringLiteral("DBUpdT_TradeIsValid"));
    SQLite3NonQuery(SqlLines({
        QStringLiteral("update t_trade set"),
        QStringLiteral("       is_valid = 0"),
        QStringLiteral("      ,dt_update = '") + NowText() + QStringLiteral("'"),
        QStringLiteral("where  year  = ") + year,
        QStringLiteral("  and  month = ") + month,
        QStringLiteral("  and  day   = ") + day,
        QStringLiteral("  and  seq   = ") + Num(seq),
    }));
}

int DBSelT_TradeMaxSeq(int year, int month, int day) {
    WriteLog(QStringLiteral("DBSelT_TradeMaxSeq"));
    ResultTable table;
    SQLite3Query(SqlLines({
                     QStringLiteral("select max(seq)"),
                     QStringLiteral("from   t_trade"),
                     QStringLiteral("where  year  = ") + Num(year),
                     QStringLiteral("  and  month = ") + Num(month),
                     QStringLiteral("  and  day   = ") + Num(day),
                 }),
                 table);
    return FirstValueOrZero(table);
}

int DBSelTradeHistoryMaxNum(const QString& dateText, int seq) {
    WriteLog(QStringLiteral("DBSelTradeHistoryMaxNum"));
    return TrapRunTimeErrors([&] {
        const DateParts date = PlainDateParts(dateText);
        ResultTable table;
        QueryExOrEnd(SqlLines(
                         {
                             QStringLiteral("select ifnull(max(ver_idx),0) as max_idx"),
                             QStringLiteral("from   t_trade_history"),
                             QStringLiteral("where  year  = ") + date.year,
                             QStringLiteral("  and  month = ") + date.month,
                             QStringLiteral("  and  day   = ") + date.day,
                             QStringLiteral("  and  seq   = ") + Num(seq),
                         },
                         false),
                     table, OnQueryFailure::ShowError);
        return FirstValueOrZero(table);
    });
}

void DBSelT_TradeRecordsYM(const QString& year, const QString& month, const QString& day,
                           const RowsTo<TradeRecordRow>& each, QStringList* oddRows) {
    WriteLog(QStringLiteral("DBSelT_TradeRecordsYM"));
    TrapRunTimeErrors([&] { RecordRows(year, PeriodConditions(year, month, day), each, oddRows); },
                      OnRunTimeError::ShowThenReport);
}

void DBSelT_TradeRecordsYMTD(const QString& year, const QString& month, const QString& day, const QString& tradeCd,
                             const QString& detailCd, const RowsTo<TradeRecordRow>& each, QStringList* oddRows) {
    WriteLog(QStringLiteral("DBSelT_TradeRecordsYMTD"));
    TrapRunTimeErrors(
        [&] {
            RecordRows(year, PeriodConditions(year, month, day) + TradeConditions(tradeCd, detailCd), each, oddRows);
        },
        OnRunTimeError::ShowThenReport);
}

QString DBSelT_TradeSumYMTD(const QString& year, const QString& month, const QString& day, const QString& tradeCd,
                            const QString& detailCd) {
    WriteLog(QStringLiteral("DBSelT_TradeSumYMTD"));
    return TrapRunTimeErrors(
        [&] {
            QStringList lines{QStringLiteral("select sum(money * rate / 100) as sum"),
                              QStringLiteral("from   t_trade")};
            lines << PeriodConditions(year, month, day) << TradeConditions(tradeCd, detailCd)
                  << QStringLiteral("  and  is_valid = 1");
            ResultTable table;
            SQLite3Query(SqlLines(lines), table);
            if (RowCount(table) != 1) return QString();
            const QString sum = FindColumn(table, 1, QStringLiteral("sum"));
            return sum.isEmpty() ? QString() : QStringLiteral("\\") + sum;
        },
        OnRunTimeError::ShowThenReport);
}

ResultTable DBSelTradeRecord(const QString& dateText, int seq) {
    WriteLog(QStringLiteral("DBSelTradeRecord"));
    const DateParts date = PlainDateParts(dateText);
    ResultTable table;
    SQLite3Query(SqlLines({
                     QStringLiteral("select trade_cd"),
                     QStringLiteral("      ,detail_cd"),
                     QStringLiteral("      ,detail_name"),
                     QStringLiteral("      ,money"),
                     QStringLiteral("      ,rate"),
                     QStringLiteral("from   t_trade"),
                     QStringLiteral("where  year  = ") + date.year,
                     QStringLiteral("  and  month = ") + date.month,
                     QStringLiteral("  and  day   = ") + date.day,
                     QStringLiteral("  and  seq   = ") + Num(seq),
                     QStringLiteral("  and  is_valid = 1"),
                 }),
                 table);
    // A TAB or line break typed into the summary with a database tool is
    // offered as a blank, so the other values stay in their columns.
    if (RowCount(table) == 1) {
        QStringList f = RowFields(table[1], 5, 2);
        f[2] = OneLineSummary(f[2]);
        table[1] = f.join(QLatin1Char('\t'));
    }
    return table;
}
