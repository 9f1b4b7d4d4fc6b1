#pragma once
// The journal (仕訳帳): every valid transaction of the month or the year on
// one line with its debit and credit accounts and its business share.
#include "app/safe_write.h"
#include "reports/report_text.h"

ReportQuestion JournalQuestion(const ReportValues& values);

// The report's lines, handed over as the rows are read: the title, the
// column heading and the rule, then one line per transaction in the order
// month, day, seq.
LineSource BuildJournalReport(const ReportValues& values);
