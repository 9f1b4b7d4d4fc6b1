#pragma once
// The insurance premium report (保険料): the year's social insurance
// premiums with their total, then the other insurance premiums.
#include "app/safe_write.h"
#include "reports/report_text.h"

// Always the whole year of the calendar, whatever period is selected.
ReportQuestion InsuranceQuestion(const ReportValues& values);

// The body, line by line as it is read: the social part, its rule and
// total, then the other part; "(なし)" for an empty part.
void ReadDBInsurance(const QString& yearText, const LineSink& put);

// The whole report, the title first.
LineSource BuildInsuranceReport(const ReportValues& values);
