#pragma once
// The insurance premium report (保険料): the year's social insurance
// premiums with their total, then the other insurance premiums.
#include "reports/report_text.h"

#include <QStringList>

// Always the whole year of the calendar, whatever period is selected.
ReportQuestion InsuranceQuestion(const ReportValues& values);

// The body, elements 1..n (element 0 is left for the title): the social
// part, its rule and total, then the other part; "(なし)" for an empty part.
QStringList ReadDBInsurance(const QString& yearText);

// The whole report, element 0 the title.
QStringList BuildInsuranceReport(const ReportValues& values);
