#pragma once
// The data lines of the transaction record report, the journal and the
// insurance premium report, built from the field texts of one query row.
// Widths are Shift_JIS bytes; the reports draw their rules with the same widths.
#include <QString>

// A numeric field text as a whole number: digits as they are, a fraction
// rounded to the nearest whole number (halves to the even neighbour). Read
// into 64 bits, so that a sum past the 32-bit range shows its real digits
// instead of wrapping. A text that is no number raises a run-time error.
qint64 WholeNumberOf(const QString& text);

// One transaction as the record list and the record report show it: the
// full amount and the percentage, not the business share.
struct TradeRecordFields {
    QString month, day, seq, tradeCd, detailCd, detailName, money, rate;
};

// An item of the transaction screen's record list: the date with its weekday,
// then seq in three characters (a larger seq keeps its last three digits, as
// the screen reads it back by position).
QString TradeListItem(const QString& year, const TradeRecordFields& row);

// A line of the transaction record report (取引記録).
inline constexpr int kTradeRecordLineWidth = 68;  // with two-character codes
QString TradeRecordReportLine(int year, const TradeRecordFields& row);

// Journal (仕訳帳): the business share with both accounts.
struct JournalFields {
    QString month, day, seq, tradeCd, debitCd, debitName, creditCd, creditName, amount, detailName;
};
inline constexpr int kJournalLineWidth = 129;  // with a two-character trade code
QString JournalLine(int year, const JournalFields& row);

// Insurance premium report (保険料): one entry line, four TAB-separated fields.
struct InsuranceFields {
    QString month, day, seq, detailName, amount;
};
QString InsuranceLine(int year, const InsuranceFields& row);

// The hyphen rule and the social-insurance total below it, as one element.
inline constexpr int kInsuranceTotalWidth = 52;
QString SocialInsuranceTotal(qint64 sum);
