#include "reports/journal_report.h"

#include "app/sjis_text.h"
#include "reports/report_lines.h"
#include "store/report_queries.h"

namespace {

QString JournalHeading(const ReportValues& values) {
    const QString blanks30(30, QLatin1Char(' '));
    const QString columns = PadByteWidth(QStringLiteral("日付"), 10, false) + QStringLiteral("  連 取 借方") +
                            blanks30 + QStringLiteral(" 貸方 ") + blanks30 +
                            PadByteWidth(QStringLiteral("金額"), 10, true) + QStringLiteral(" 摘要");
    return QStringLiteral("仕訳帳 ") + QString::number(values.year) + QStringLiteral("年度") + TitleMonth(values) +
           TitleUserAndDbFile(values) + kCrLf + kCrLf + columns + kCrLf + QString(kJournalLineWidth, QLatin1Char('-'));
}

}  // namespace

ReportQuestion JournalQuestion(const ReportValues& values) {
    return QuestionFor(PeriodSubject(values, QStringLiteral("仕訳帳")),
                       PeriodFileName(values, QStringLiteral("仕訳.txt")));
}

LineSource BuildJournalReport(const ReportValues& values) {
    return [values](const LineSink& put) {
        put(JournalHeading(values));
        QString line;
        DBSelJournalRecordsForFile(values.year, QueryMonth(values), [&](const JournalRow& row) {
            line.resize(0);
            AppendJournalLine(line, values.year, row);
            put(line);
        });
    };
}
