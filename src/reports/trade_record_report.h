#pragma once
// The transaction record report (取引記録): every valid transaction of the
// month or the year as recorded, with its full amount and its percentage.
#include "app/safe_write.h"
#include "reports/report_text.h"

ReportQuestion TradeRecordQuestion(const ReportValues& values);

// The report's lines, handed over as the rows are read: the title, the
// column heading and the rule, then one line per transaction in the order
// month, day, seq.
LineSource BuildTradeRecordReport(const ReportValues& values);
