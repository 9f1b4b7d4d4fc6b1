#include "reports/search_report.h"

#include "app/sjis_text.h"
#include "reports/report_lines.h"
#include "store/store_common.h"

namespace {

constexpr int kSearchLineWidth = kTradeRecordLineWidth + 16;

}  // namespace

QString SearchConditionsText(const SearchConditions& c, const QString& tradeName, const QString& accountName) {
    const auto date = [](const std::optional<QDate>& d) {
        return d ? d->toString(QStringLiteral("yyyy/MM/dd")) : QString();
    };
    const auto amount = [](const std::optional<qint64>& a) { return a ? QString::number(*a) : QString(); };
    QStringList parts;
    parts << (c.allYears ? QStringLiteral("全年度") : QString::number(c.fiscalYear) + QStringLiteral("年度"));
    if (c.dateFrom || c.dateTo) parts << QStringLiteral("日付 ") + date(c.dateFrom) + "～" + date(c.dateTo);
    if (c.amountFrom || c.amountTo)
        parts << (c.bookedAmount ? QStringLiteral("事業分の金額 ") : QStringLiteral("金額 ")) + amount(c.amountFrom) +
                     "～" + amount(c.amountTo);
    if (!c.text.isEmpty()) parts << QStringLiteral("摘要「") + c.text + QStringLiteral("」");
    if (!c.tradeCd.isEmpty()) parts << QStringLiteral("取引 ") + tradeName;
    if (!c.accountCd.isEmpty()) parts << QStringLiteral("勘定科目 ") + accountName;
    parts << (c.withVoided ? QStringLiteral("無効化した取引を含む") : QStringLiteral("有効な取引のみ"));
    return parts.join(QStringLiteral("　"));
}

ReportQuestion SearchQuestion(const ReportValues& values) {
    return QuestionFor(QStringLiteral("検索結果"), QString::number(values.year) + QStringLiteral("_検索結果.txt"));
}

qint64 SearchTotal(const std::vector<SearchRow>& rows) {
    qint64 total = 0;
    for (const SearchRow& row : rows)
        if (row.valid) total += WholeNumberOf(row.booked);
    return total;
}

QStringList BuildSearchReport(const ReportValues& values, const QString& conditionsText,
                              const std::vector<SearchRow>& rows) {
    const QString columns = PadByteWidth(QStringLiteral("日付"), 10, false) + QStringLiteral("  連 取 詳 ") +
                            PadByteWidth(QStringLiteral("摘要"), 30, false) + QStringLiteral(" ") +
                            PadByteWidth(QStringLiteral("金額"), 10, true) + QStringLiteral("  割合") +
                            PadByteWidth(QStringLiteral("事業分"), 11, true) + QStringLiteral(" 状態");
    const QString rule(kSearchLineWidth, QLatin1Char('-'));
    QStringList lines{QStringLiteral("検索結果 ") + conditionsText + TitleUserAndDbFile(values) + kCrLf + kCrLf +
                      columns + kCrLf + rule};
    for (const SearchRow& row : rows) {
        // The record report's line for the row's own year, which a search across years needs.
        QString line;
        AppendTradeRecordReportLine(line, row.year.toInt(), row.record);
        lines << line + RightAlignYen(WholeNumberOf(row.booked), 11) +
                     (row.valid ? QString() : QStringLiteral(" 無効"));
    }
    lines << rule + kCrLf +
                 PadByteWidth(QString::number(rows.size()) + QStringLiteral("件　有効な取引の事業分の合計"),
                              kSearchLineWidth - 11, true) +
                 RightAlignYen(SearchTotal(rows), 11);
    return lines;
}
