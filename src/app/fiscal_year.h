#pragma once
// The fiscal year as the menu holds it: free text in a box, which the working
// screens put into SQL statements, folder names and the calendar.
#include <QString>

#include <optional>

// Four digits, so that every year text is one the statements and the
// reports lay out alike; one year short of 9999, so that the year after
// (the calendar's last day plus one, the year carried into) is four digits too.
inline constexpr int kFirstFiscalYear = 1900;
inline constexpr int kLastFiscalYear = 9998;

// True for a text of exactly four digits naming a year in that range.
bool IsFiscalYearText(const QString& yearText);

// The text of the year plus the step, kept inside the range; no value
// (leave the text as it is) when the text is not a number.
std::optional<QString> SteppedYearText(const QString& yearText, int step);
