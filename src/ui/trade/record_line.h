#pragma once
// A line of the record list read back by position, and the questions asked
// before the transaction it shows is corrected or voided, or before a new one
// is recorded while it is loaded.
#include "ui/trade/trade_entry.h"

#include <QDate>
#include <QString>

// The transaction a record line shows: "2020/04/05( 日)  2 …".
struct RecordKey {
    QString dateText;          // "2020/04/05"
    QString year, month, day;  // "2020", "04", "05"
    int seq = 0;
};
RecordKey RecordKeyOf(const QString& line);

// The confirmation of a correction: the line's date, its seq, the values as
// listed and the values about to be stored.
QString CorrectionQuestion(const QString& line, const TradeEntry& entry);
// The confirmation of voiding: the whole line, indented.
QString VoidQuestion(const QString& line);
// The question before a new transaction is recorded while a record is loaded
// for correction: the line the new one would get in the record list, indented.
QString NewRecordQuestion(const QDate& date, int seq, const TradeEntry& entry);
