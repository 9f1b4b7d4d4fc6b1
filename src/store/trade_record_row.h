#pragma once
// One transaction as the record list and the record report read it: the
// full amount and the percentage, not the business share, each value the
// text the database returned.
#include <QString>

struct TradeRecordRow {
    QString month, day, seq, tradeCd, detailCd, detailName, money, rate;
};
