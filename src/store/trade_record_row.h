#pragma once
// One transaction as the record list and the record report read it: the
// full amount and the percentage, not the business share, each value the
// text the database returned.
#include "sqlite/query_row.h"

#include <QString>

#include <functional>

struct TradeRecordRow {
    QString month, day, seq, tradeCd, detailCd, detailName, money, rate;
};

// Rows are handed to `each` one by one as they are read, so that a busy
// year is listed or written without being held.
template <class Row>
using RowsTo = std::function<void(const Row& row)>;

// A row of a query whose select list is month, day, seq, trade_cd,
// detail_cd, detail_name, money, rate, read into one row kept from row to
// row: its strings keep their room.
inline void ReadTradeRecordRow(TradeRecordRow& row, const QueryRow& r) {
    QString* fields[] = {&row.month,    &row.day,        &row.seq,   &row.tradeCd,
                         &row.detailCd, &row.detailName, &row.money, &row.rate};
    for (int i = 0; i < 8; ++i) r.assign(*fields[i], i);
}
