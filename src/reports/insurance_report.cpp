#include "reports/insurance_report.h"

#include "app/run_log.h"
#include "reports/report_lines.h"
#include "store/report_queries.h"
#include "store/store_common.h"

namespace {

struct PartHeadings {
    QString withEntries;
    QString withoutEntries;
};

// The part's entry lines, put as they are read, its heading before the
// first; or the heading and "(なし)" when the part has no entry.
void PutInsurancePart(int year, const PartHeadings& heading,
                      const std::function<void(int, const RowsTo<InsuranceRow>&)>& rowsOf, const LineSink& put) {
    bool first = true;
    rowsOf(year, [&](const InsuranceRow& row) {
        put((first ? heading.withEntries : QString()) + InsuranceLine(year, row));
        first = false;
    });
    if (first) put(heading.withoutEntries + QStringLiteral("(なし)"));
}

}  // namespace

ReportQuestion InsuranceQuestion(const ReportValues& values) {
    const QString year = QString::number(values.year);
    return QuestionFor(year + QStringLiteral("年の社会保険料"), year + QStringLiteral("_all保険.txt"));
}

void ReadDBInsurance(const QString& yearText, const LineSink& put) {
    WriteLog(QStringLiteral("ReadDBInsurance"));
    const int year = IntegerOf(yearText);
    // With entries the social heading stands right below the title; without
    // them it stands one empty line lower.
    const QString social = QStringLiteral("(1)社会保険") + kCrLf;
    PutInsurancePart(year, {social, kCrLf + social}, DBSelSocialInsurance, put);
    put(SocialInsuranceTotal(DBSelSumSocialInsurance(year)));
    const QString other = kCrLf + QStringLiteral("(2)その他保険") + kCrLf;
    PutInsurancePart(year, {other, other}, DBSelOtherInsurance, put);
}

LineSource BuildInsuranceReport(const ReportValues& values) {
    return [values](const LineSink& put) {
        put(QStringLiteral("保険料 ") + QString::number(values.year) + QStringLiteral("年度 ") +
            TitleUserAndDbFile(values) + kCrLf);
        ReadDBInsurance(QString::number(values.year), put);
    };
}
