#include "reports/report_lines.h"

#include "app/date_text.h"
#include "app/sjis_text.h"
#include "app/text_utils.h"
#include "store/odd_values.h"
#include "store/store_common.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace {

const QChar kBlank = QLatin1Char(' ');
// Enough for every line these functions make, so each is built in one allocation.
constexpr qsizetype kLineCapacity = 160;

QDate DateOfRow(int year, const QString& month, const QString& day) {
    return DateOf(QString::number(year), month, day);
}

// "2020/04/01"; a run-time error when the texts name no date. Written
// straight from the numbers: a busy year's report has a million dates.
void AppendReportDate(QString& line, int year, const QString& month, const QString& day) {
    const std::optional<int> m = DigitsValue(month), d = DigitsValue(day);
    if (!m || !d || !QDate::isValid(year, *m, *d)) {
        line += SlashDate(DateOfRow(year, month, day));
        return;
    }
    AppendSlashDate(line, year, *m, *d);
}

// A whole number right-aligned in the width, cut to its first characters
// when longer, as the fixed-width field of any text is.
void AppendNumberField(QString& line, qint64 n, int width) {
    char digits[24];
    const auto length = static_cast<int>(std::to_chars(digits, std::end(digits), n).ptr - digits);
    AppendBlanks(line, width - length);
    line += QLatin1StringView(digits, std::min(length, width));
}

QString NewLine() {
    QString line;
    line.reserve(kLineCapacity);
    return line;
}

}  // namespace

void AppendTradeRecordReportLine(QString& line, int year, const TradeRecordRow& row) {
    AppendReportDate(line, year, row.month, row.day);
    line += kBlank;
    AppendByteWidth(line, row.seq, 3, true);
    line += kBlank;
    AppendTradeRecordTail(line, row);
}

void AppendJournalLine(QString& line, int year, const JournalRow& row) {
    AppendReportDate(line, year, row.month, row.day);
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
    const std::optional<qint64> amount = ReadableAmount(row.amount);
    line += kBlank;
    AppendNumberField(line, amount.value_or(0), 10);
    field(OneLineSummary(row.detailName), 30, false);
    if (!amount) line += OddMark(OddShare(row.amount));
}

QString InsuranceLine(int year, const InsuranceRow& row) {
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

void AppendTradeRecordTail(QString& line, const TradeRecordRow& row) {
    const std::optional<qint64> money = ReadableAmount(row.money), rate = ReadableAmount(row.rate);
    const bool oneLine = IsOneLine(row.detailName);
    line += row.tradeCd;
    line += kBlank;
    line += row.detailCd;
    line += kBlank;
    AppendByteWidth(line, oneLine ? row.detailName : OneLineSummary(row.detailName), 30, false);
    line += kBlank;
    AppendRightAlignYen(line, money.value_or(0), 10);
    line += kBlank;
    AppendRightAlign(line, rate.value_or(0), 3);
    line += QChar(u'％');
    // The usual row has nothing to mark; what is odd is put into words only when something is.
    if (!money || !rate || !oneLine) line += OddMark(OddTradeValues(row.money, row.rate, row.detailName));
}

QString SocialInsuranceTotal(qint64 sum) {
    return QString(kInsuranceTotalWidth, QLatin1Char('-')) + QStringLiteral("\r\n") + QString(38, QLatin1Char(' ')) +
           QStringLiteral("合計") + RightAlignYen(sum, 10);
}
