#include "store/report_lines.h"

#include "app/date_text.h"
#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/odd_values.h"
#include "store/store_common.h"

#include <cmath>

namespace {

const QChar kBlank = QLatin1Char(' ');
// Enough for every line these functions make, so each is built in one allocation.
constexpr qsizetype kLineCapacity = 160;

QDate DateOfRow(int year, const QString& month, const QString& day) {
    return DateOf(QString::number(year), month, day);
}

// "2020/04/01"; a run-time error when the texts name no date.
QString ReportDate(int year, const QString& month, const QString& day) {
    return SlashDate(DateOfRow(year, month, day));
}

qint64 RoundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double whole = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) whole = below + 1.0;
    // 2^63 itself is already out of range; anything below it converts exactly.
    if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0))
        throw RunTimeError(QStringLiteral("オーバーフローしました。"));
    return static_cast<qint64>(whole);
}

// Codes, summary in 30 bytes, amount with the yen mark in 10 characters,
// rate in 3 and "％": the part the list item and the report line share. Odd
// values are shown as 0 and named after the line.
void AppendTradeRecordTail(QString& line, const TradeRecordFields& row) {
    line += row.tradeCd;
    line += kBlank;
    line += row.detailCd;
    line += kBlank;
    AppendByteWidth(line, OneLineSummary(row.detailName), 30, false);
    line += kBlank;
    AppendRightAlignYen(line, AmountOrZero(row.money), 10);
    line += kBlank;
    AppendRightAlign(line, AmountOrZero(row.rate), 3);
    line += QChar(u'％');
    line += OddMark(OddTradeValues(row.money, row.rate, row.detailName));
}

QString NewLine() {
    QString line;
    line.reserve(kLineCapacity);
    return line;
}

}  // namespace

qint64 WholeNumberOf(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qint64 whole = trimmed.toLongLong(&ok);
    if (ok) return whole;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value)) throw RunTimeError(QStringLiteral("型が一致しません。: ") + text);
    return RoundHalfToEven(value);
}

QString TradeListItem(const QString& year, const TradeRecordFields& row) {
    QString line = NewLine();
    AppendDateWithWeekday(line, DateOf(year, row.month, row.day));
    // The seq in three characters, its last three when longer.
    AppendBlanks(line, 3 - row.seq.size());
    line += QStringView(row.seq).right(3);
    line += kBlank;
    AppendTradeRecordTail(line, row);
    return line;
}

QString TradeRecordReportLine(int year, const TradeRecordFields& row) {
    QString line = NewLine();
    line += ReportDate(year, row.month, row.day);
    line += kBlank;
    AppendByteWidth(line, row.seq, 3, true);
    line += kBlank;
    AppendTradeRecordTail(line, row);
    return line;
}

QString JournalLine(int year, const JournalFields& row) {
    QString line = NewLine();
    line += ReportDate(year, row.month, row.day);
    const auto field = [&line](const QString& text, int width, bool rightAlign) {
        line += kBlank;
        AppendByteWidth(line, text, width, rightAlign);
    };
    field(row.seq, 3, true);
    line += kBlank;
    line += row.tradeCd;
    field(row.debitCd, 3, false);
    field(row.debitName, 30, false);
    field(row.creditCd, 3, false);
    field(row.creditName, 30, false);
    field(QString::number(AmountOrZero(row.amount)), 10, true);
    field(OneLineSummary(row.detailName), 30, false);
    line += OddMark(OddShare(row.amount));
    return line;
}

QString InsuranceLine(int year, const InsuranceFields& row) {
    const QChar tab = QLatin1Char('\t');
    QString line = NewLine();
    AppendDateWithWeekday(line, DateOfRow(year, row.month, row.day));
    line += tab;
    AppendRightAlign(line, WholeNumberOf(row.seq), 3);
    line += tab;
    AppendByteWidth(line, OneLineSummary(row.detailName), 20, false);
    line += tab;
    AppendRightAlignYen(line, AmountOrZero(row.amount), 10);
    line += OddMark(OddShare(row.amount));
    return line;
}

QString SocialInsuranceTotal(qint64 sum) {
    return QString(kInsuranceTotalWidth, QLatin1Char('-')) + QStringLiteral("\r\n") + QString(38, QLatin1Char(' ')) +
           QStringLiteral("合計") + RightAlignYen(sum, 10);
}
