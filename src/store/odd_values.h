#pragma once
// Values of a transaction that the program would never have stored, as a
// database tool can leave them: an amount or rate that is NULL, empty, not a
// number, a summary holding a TAB or line break.
// Every reader of t_trade reads amounts here, so such a row is shown and
// counted as 0 instead of ending the program.
#include <QString>

#include <optional>

// The whole number of a stored amount, rate or business share: digits as
// they are, a fraction rounded to the nearest (halves to the even neighbour);
// nothing when the text is empty, no number, or beyond 64 bits.
std::optional<qint64> ReadableAmount(QStringView text);
// The same, 0 when it cannot be read.
qint64 AmountOrZero(QStringView text);

// True when the text holds no TAB, CR or LF.
bool IsOneLine(QStringView text);
// The summary on one line: TAB, CR and LF shown as blanks.
QString OneLineSummary(const QString& detailName);

// What is odd about the stored values, e.g. "金額「abc」、割合が空"; empty when
// nothing is.
QString OddTradeValues(const QString& money, const QString& rate, const QString& detailName);
// The same for a business share computed by a query: empty when it can be read.
QString OddShare(const QString& amount);

// The mark after a line whose values are odd: " ※" and what is odd.
QString OddMark(const QString& oddValues);

// One odd transaction named for the user: "2020年4月1日 連番3: 金額「abc」".
QString OddRowName(const QString& year, const QString& month, const QString& day, const QString& seq,
                   const QString& oddValues);
