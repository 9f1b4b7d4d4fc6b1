#pragma once
// What every store procedure shares: statement text built line by line,
// the update time stamp, dates from texts, and the two ways a failed query ends.
#include "app/date_text.h"
#include "sqlite/result_table.h"
#include "sqlite/statements.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The lines joined, each followed by CR LF; the last one too unless told otherwise.
QString SqlLines(const QStringList& lines, bool crLfAfterLast = true);

// A text value for inside single quotes: every single quote doubled, so that
// what the user typed is stored as typed.
QString SqlQuoted(const QString& text);

// Now as the dt_update columns hold it: "yyyy/mm/dd hh:nn:ss".
QString NowText();

// The date of year, month and day texts; a run-time error when they name no date.
QDate DateOf(const QString& year, const QString& month, const QString& day);
// The date of a text such as 2020/04/01 or 2020/4/1; a run-time error otherwise.
QDate DateFromText(const QString& dateText);

// Runs the query; when the library rejects it the process ends, after
// showing the error text when `showError` is set.
enum class OnQueryFailure { ShowError, Silent };
void QueryExOrEnd(const QString& sql, ResultTable& table, OnQueryFailure onFailure);
// The same, each row handed to `each` as it is stepped.
void QueryExEachOrEnd(const QString& sql, const RowSink& each, OnQueryFailure onFailure);

// The fields of a result row by position. The summary phrase is the only
// text the user types; a TAB inside it would split it and shift every field
// after it, so the surplus pieces are joined back into that field. Fewer
// fields than `count` is a run-time error.
QStringList RowFields(const QString& row, qsizetype count, qsizetype textField);

// A 32-bit integer read back from a query; anything else is a run-time error.
int IntegerOf(const QString& text);

// A numeric field text as a whole number: digits as they are, a fraction
// rounded to the nearest whole number (halves to the even neighbour). Read
// into 64 bits, so that a sum past the 32-bit range shows its real digits
// instead of wrapping. A text that is no number raises a run-time error.
qint64 WholeNumberOf(const QString& text);

// The 32-bit range that every amount and every sum of amounts must stay in.
inline constexpr qint64 kMaxAmount = 2147483647;
// True when the text is digits only and its value fits that range.
bool IsStorableAmount(const QString& digits);
