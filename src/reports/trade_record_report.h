#pragma once
// The transaction record report (取引記録): every valid transaction of the
// month or the year as recorded, with its full amount and its percentage.
#include "reports/report_text.h"

#include <QStringList>

ReportQuestion TradeRecordQuestion(const ReportValues& values);

// The report's elements: 0 the title, the column heading and the rule, then
// one line per transaction in the order month, day, seq.
QStringList BuildTradeRecordReport(const ReportValues& values);
