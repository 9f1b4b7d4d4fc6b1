#pragma once
// The journal (仕訳帳): every valid transaction of the month or the year on
// one line with its debit and credit accounts and its business share.
#include "reports/report_text.h"

#include <QStringList>

ReportQuestion JournalQuestion(const ReportValues& values);

// The report's elements: 0 the title, the column heading and the rule, then
// one line per transaction in the order month, day, seq.
QStringList BuildJournalReport(const ReportValues& values);
