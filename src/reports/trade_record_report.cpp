#include "reports/trade_record_report.h"

#include "app/sjis_text.h"
#include "reports/report_lines.h"
#include "store/report_queries.h"

namespace {

QString TradeRecordHeading(const ReportValues& values) {
    const QString columns = PadByteWidth(QStringLiteral("日付"), 10, false) + QStringLiteral("  連 取 詳 ") +
                            PadByteWidth(QStringLiteral("摘要"), 30, false) + QStringLiteral(" ") +
                            PadByteWidth(QStringLiteral("金額"), 10, true) + QStringLiteral("  割合");
    return QStringLiteral("取引記録 ") + QString::number(values.year) + QStringLiteral("年度") + TitleMonth(values) +
           TitleUserAndDbFile(values) + kCrLf + kCrLf + columns + kCrLf +
           QString(kTradeRecordLineWidth, QLatin1Char('-'));
}

}  // namespace

ReportQuestion TradeRecordQuestion(const ReportValues& values) {
    return QuestionFor(PeriodSubject(values, QStringLiteral("取引記録")),
                       PeriodFileName(values, QStringLiteral("取引.txt")));
}

LineSource BuildTradeRecordReport(const ReportValues& values) {
    return [values](const LineSink& put) {
        put(TradeRecordHeading(values));
        QString line;
        DBSelTradeRecordsForFile(values.year, QueryMonth(values), [&](const TradeRecordRow& row) {
            line.resize(0);
            AppendTradeRecordReportLine(line, values.year, row);
            put(line);
        });
    };
}
