#pragma once
// What every store procedure shares: statement text built line by line,
// the update time stamp, dates from texts, and the two ways a failed query ends.
#include "app/date_text.h"
#include "sqlite/result_table.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <exception>

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

// Runs the work; a run-time error inside it ends in the fatal-error report,
// shown first in a message box of its own when asked to.
enum class OnRunTimeError { Report, ShowThenReport };
template <class Work>
auto TrapRunTimeErrors(Work work, OnRunTimeError onError = OnRunTimeError::Report) -> decltype(work());

// The fields of a result row by position. The summary phrase is the only
// text the user types; a TAB inside it would split it and shift every field
// after it, so the surplus pieces are joined back into that field. Fewer
// fields than `count` is a run-time error.
QStringList RowFields(const QString& row, qsizetype count, qsizetype textField);

// A 32-bit integer read back from a query; anything else is a run-time error.
int IntegerOf(const QString& text);

// The 32-bit range that every amount and every sum of amounts must stay in.
inline constexpr qint64 kMaxAmount = 2147483647;
// True when the text is digits only and its value fits that range.
bool IsStorableAmount(const QString& digits);

[[noreturn]] void ReportTrappedError(const std::exception& error, OnRunTimeError onError);

template <class Work>
auto TrapRunTimeErrors(Work work, OnRunTimeError onError) -> decltype(work()) {
    try {
        return work();
    } catch (const std::exception& error) {
        ReportTrappedError(error, onError);
    }
}
