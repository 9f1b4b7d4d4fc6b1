#pragma once
// The correction and deletion history (訂正削除履歴) of the fiscal year, for
// answering who changed what and when: every corrected transaction with each
// version it went through, every voided transaction, every opening amount
// changed after it was first set, and how many of each there are.
#include "reports/report_text.h"

#include <QStringList>

// Always the whole year of the calendar.
ReportQuestion HistoryQuestion(const ReportValues& values);

// The whole report, element 0 the title line.
QStringList BuildHistoryReport(const ReportValues& values);
