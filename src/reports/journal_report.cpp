#include "reports/journal_report.h"

#include "app/sjis_text.h"
#include "reports/report_lines.h"
#include "store/report_queries.h"

ReportQuestion JournalQuestion(const ReportValues& values) {
    return QuestionFor(PeriodSubject(values, QStringLiteral("仕訳帳")),
                       PeriodFileName(values, QStringLiteral("仕訳.txt")));
}

QStringList BuildJournalReport(const ReportValues& values) {
    QStringList lines = JournalLines(values.year, DBSelJournalRecordsForFile(values.year, QueryMonth(values)));
    const QString blanks30(30, QLatin1Char(' '));
    const QString columns = PadByteWidth(QStringLiteral("日付"), 10, false) + QStringLiteral("  連 取 借方") +
                            blanks30 + QStringLiteral(" 貸方 ") + blanks30 +
                            PadByteWidth(QStringLiteral("金額"), 10, true) + QStringLiteral(" 摘要");
    lines[0] = QStringLiteral("仕訳帳 ") + QString::number(values.year) + QStringLiteral("年度") + TitleMonth(values) +
               TitleUserAndDbFile(values) + kCrLf + kCrLf + columns + kCrLf +
               QString(kJournalLineWidth, QLatin1Char('-'));
    return lines;
}
