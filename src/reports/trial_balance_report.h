#pragma once
// The trial balance report (試算表) of the fiscal year in two layouts: the
// totals layout with each account's opening balance, debit and credit sums
// and closing balance, and the monthly layout (月別試算表) with each month's
// net movement between the opening and the closing balance, the one users
// copy into the year's summary of their return. Both total the accounts by
// group and end with the income before the blue-return special deduction.
#include "reports/report_text.h"
#include "reports/trial_balance.h"

#include <QStringList>

#include <optional>

enum class TrialBalanceLayout { Totals, Monthly };

// The message that stops the report when the fiscal year has no opening
// balance sheet; nothing when it has one.
std::optional<QString> TrialBalanceRefusal(const QString& fiscalYearText);

// Always the whole year of the calendar.
ReportQuestion TrialBalanceQuestion(const ReportValues& values, TrialBalanceLayout layout);

// The heading and the lines of the report, elements 1..n (element 0 unused).
QStringList TrialBalanceLines(const TrialBalance& balance, TrialBalanceLayout layout);

// The whole report, element 0 the title.
QStringList BuildTrialBalanceReport(const ReportValues& values, TrialBalanceLayout layout);
