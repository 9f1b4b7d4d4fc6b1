#include "store/report_lines.h"

#include "app/date_text.h"
#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/store_common.h"

#include <cmath>

namespace {

const QString kBlank = QStringLiteral(" ");

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
// rate in 3 and "％": the part the list item and the report line share.
QString TradeRecordTail(const TradeRecordFields& row) {
    return row.tradeCd + kBlank + row.detailCd + kBlank + PadByteWidth(row.detailName, 30, false) + kBlank +
           RightAlignYen(WholeNumberOf(row.money), 10) + kBlank + RightAlign(WholeNumberOf(row.rate), 3) +
           QStringLiteral("％");
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
    const QString seq = (QStringLiteral("  ") + row.seq).right(3);
    return DateWithWeekday(DateOf(year, row.month, row.day)) + seq + kBlank + TradeRecordTail(row);
}

QString TradeRecordReportLine(int year, const TradeRecordFields& row) {
    return ReportDate(year, row.month, row.day) + kBlank + PadByteWidth(row.seq, 3, true) + kBlank +
           TradeRecordTail(row);
}

QString JournalLine(int year, const JournalFields& row) {
    return QStringList{ReportDate(year, row.month, row.day),
                       PadByteWidth(row.seq, 3, true),
                       row.tradeCd,
                       PadByteWidth(row.debitCd, 3, false),
                       PadByteWidth(row.debitName, 30, false),
                       PadByteWidth(row.creditCd, 3, false),
                       PadByteWidth(row.creditName, 30, false),
                       PadByteWidth(QString::number(WholeNumberOf(row.amount)), 10, true),
                       PadByteWidth(row.detailName, 30, false)}
        .join(kBlank);
}

QString InsuranceLine(int year, const InsuranceFields& row) {
    const QChar tab = QLatin1Char('\t');
    return DateWithWeekday(DateOfRow(year, row.month, row.day)) + tab + RightAlign(WholeNumberOf(row.seq), 3) + tab +
           PadByteWidth(row.detailName, 20, false) + tab + RightAlignYen(WholeNumberOf(row.amount), 10);
}

QString SocialInsuranceTotal(qint64 sum) {
    return QString(kInsuranceTotalWidth, QLatin1Char('-')) + QStringLiteral("\r\n") + QString(38, QLatin1Char(' ')) +
           QStringLiteral("合計") + RightAlignYen(sum, 10);
}
