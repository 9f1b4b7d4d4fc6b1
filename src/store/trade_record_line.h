#pragma once
// One item of the transaction record list, laid out in fixed columns so that
// the screen can read the date and seq back by position.
#include <QString>

// The values of one t_trade row as the record-list query returns them.
struct TradeRecordRow {
    QString year;  // the year the list was asked for
    QString month;
    QString day;
    QString seq;
    QString tradeCd;
    QString detailCd;
    QString detailName;
    QString money;
    QString rate;
};

// Date with weekday, seq in 3 characters, trade and detail codes, summary in
// 30 Shift_JIS bytes, amount with the yen mark in 10 characters, rate in 3 and "％".
// A run-time error when the date does not convert or money or rate is not a number.
QString TradeRecordLine(const TradeRecordRow& row);
