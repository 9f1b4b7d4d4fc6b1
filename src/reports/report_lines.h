#pragma once
// The data lines of the transaction record report, the journal and the
// insurance premium report, built from the rows their queries return.
// Widths are Shift_JIS bytes; the reports draw their rules with the same widths.
#include "store/report_queries.h"
#include "store/trade_record_row.h"

#include <QString>

// Codes, summary in 30 bytes, amount with the yen mark in 10 characters,
// rate in 3 and "％", appended to the line: the part the record report and
// the screen's record list share. Odd values are shown as 0 and named after it.
void AppendTradeRecordTail(QString& line, const TradeRecordRow& row);

// The line of one row appended to a line being built (a report builds each
// in a string kept from row to row). A row whose texts name no date raises a
// run-time error.
inline constexpr int kTradeRecordLineWidth = 68;  // with two-character codes
void AppendTradeRecordReportLine(QString& line, int year, const TradeRecordRow& row);

inline constexpr int kJournalLineWidth = 129;  // with a two-character trade code
void AppendJournalLine(QString& line, int year, const JournalRow& row);

// Insurance premium entries: four TAB-separated fields each.
QString InsuranceLine(int year, const InsuranceRow& row);

// The hyphen rule and the social-insurance total below it, as one element.
inline constexpr int kInsuranceTotalWidth = 52;
QString SocialInsuranceTotal(qint64 sum);
