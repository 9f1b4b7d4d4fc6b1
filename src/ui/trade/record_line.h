#pragma once
// A line of the record list, written and read back by position, and the
// questions asked before the transaction it shows is corrected or voided, or
// before a new one is recorded while it is loaded.
#include "import/trade_entry.h"
#include "store/trade_record_row.h"

#include <QDate>
#include <QString>
#include <QStringList>

// An item of the record list: the date with its weekday, then seq in three
// characters (a larger seq keeps its last three digits, as RecordKeyOf reads
// it back by position), then the values as the record report shows them.
QString TradeListItem(const QString& year, const TradeRecordRow& row);
// Appends the item of each row handed to it. A row whose texts name no date
// is a run-time error, which the record list's queries end in the
// fatal-error report, shown first in a message box of its own.
RowsTo<TradeRecordRow> ItemsInto(QStringList& items, const QString& year);

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
