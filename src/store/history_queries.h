#pragma once
// The queries behind the correction and deletion history report (訂正削除履歴):
// the earlier versions kept of the year's corrected transactions and changed
// opening amounts, and those rows as they stand now. Values come back as the
// texts the database returned, in the order the report lists them.
#include <QString>

#include <vector>

// One version of a transaction; verIdx is empty for the row in t_trade.
struct TradeVersionRow {
    QString month, day, seq, verIdx, tradeCd, detailCd, detailName, money, rate, isValid, dtUpdate;
};

// One version of an opening amount; verIdx is empty for the row in t_bs_begining.
struct OpeningVersionRow {
    QString accountCd, verIdx, accountName, money, dtUpdate;
};

// Every earlier version of the year's transactions, by month, day, seq, ver_idx.
std::vector<TradeVersionRow> DBSelTradeHistoryForFile(int year);

// The year's transactions as they stand that were corrected or voided, by
// month, day, seq.
std::vector<TradeVersionRow> DBSelT_TradeChangedForFile(int year);

// Every earlier version of the year's opening amounts, by account and
// ver_idx; the two total rows, which are computed, are left out.
std::vector<OpeningVersionRow> DBSelBSHistoryForFile(int year);

// The year's opening rows as they stand that have earlier versions, by
// account; the two total rows are left out.
std::vector<OpeningVersionRow> DBSelBS_BeginingChangedForFile(int year);
