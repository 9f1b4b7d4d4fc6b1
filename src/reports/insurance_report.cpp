#include "reports/insurance_report.h"

#include "app/run_log.h"
#include "app/text_utils.h"
#include "reports/report_lines.h"
#include "store/report_queries.h"
#include "store/store_common.h"

namespace {

// The part's entry lines with its heading before the first, or the heading
// and "(なし)" when the part has no entry.
bool HasEntries(const QStringList& lines) { return lines.size() > 1; }

QStringList InsurancePart(QStringList entries, const QString& heading) {
    if (!HasEntries(entries)) return {QString(), heading + QStringLiteral("(なし)")};
    entries[1] = heading + entries[1];
    return entries;
}

}  // namespace

ReportQuestion InsuranceQuestion(const ReportValues& values) {
    const QString year = QString::number(values.year);
    return QuestionFor(year + QStringLiteral("年の社会保険料"), year + QStringLiteral("_all保険.txt"));
}

QStringList ReadDBInsurance(const QString& yearText) {
    WriteLog(QStringLiteral("ReadDBInsurance"));
    const int year = IntegerOf(yearText);
    const QStringList social = InsuranceLines(year, DBSelSocialInsurance(year));
    // With entries the social heading stands right below the title; without
    // them it stands one empty line lower.
    const QString socialHeading = (HasEntries(social) ? QString() : kCrLf) + QStringLiteral("(1)社会保険") + kCrLf;
    QStringList body = InsurancePart(social, socialHeading);
    body << SocialInsuranceTotal(DBSelSumSocialInsurance(year));
    AppendStringArray(
        InsurancePart(InsuranceLines(year, DBSelOtherInsurance(year)), kCrLf + QStringLiteral("(2)その他保険") + kCrLf),
        body);
    return body;
}

QStringList BuildInsuranceReport(const ReportValues& values) {
    QStringList lines = ReadDBInsurance(QString::number(values.year));
    lines[0] = QStringLiteral("保険料 ") + QString::number(values.year) + QStringLiteral("年度 ") +
               TitleUserAndDbFile(values) + kCrLf;
    return lines;
}
