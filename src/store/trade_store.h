#pragma once
// The statements on t_trade and t_trade_history behind the transaction
// screen: recording, correcting with a history copy, voiding, the next seq of
// a date, the record list with its total, and reading one transaction back.
#include <QString>
#include <QStringList>

#include "sqlite/result_table.h"
#include "store/trade_record_row.h"

#include <optional>

// The seq a record line can show: three characters.
inline constexpr int kLastAddressableSeq = 999;

// Records a new valid transaction. Money must be digits within the 32-bit
// range, rate digits from 0 to 100, and the summary free of TAB and line
// breaks; otherwise a run-time error is raised and nothing is stored.
void DBInsT_Trade(int year, int month, int day, int seq, const QString& tradeCd, const QString& detailCd,
                  const QString& detailName, const QString& money, const QString& rate);

// Records a new valid transaction under the next seq of its date: the seq is
// taken and the row inserted in one write transaction, so that two programs
// on one books file never take the same seq. Returns the seq used; nothing,
// and nothing stored, when the date already holds kLastAddressableSeq
// transactions. The values are refused as by DBInsT_Trade.
std::optional<int> DBRecordT_Trade(int year, int month, int day, const QString& tradeCd, const QString& detailCd,
                                   const QString& detailName, const QString& money, const QString& rate);

// The same inside the caller's write transaction, so that many rows are
// stored together or not at all.
std::optional<int> DBInsT_TradeUnderNextSeq(int year, int month, int day, const QString& tradeCd,
                                            const QString& detailCd, const QString& detailName, const QString& money,
                                            const QString& rate);

// Copies the current row of the transaction into t_trade_history as version verIdx.
void DBInsTradeHistoryBeforeUpdate(const QString& dateText, int seq, int verIdx);

// Corrects the transaction's values; the same refusals as DBInsT_Trade.
void DBUpdT_Trade(const QString& dateText, int seq, const QString& tradeCd, const QString& detailCd,
                  const QString& detailName, const QString& money, const QString& rate);

// Copies the current row into the history as the next version, then corrects
// it: both are stored or, when either fails, neither.
void DBUpdT_TradeWithHistory(const QString& dateText, int seq, const QString& tradeCd, const QString& detailCd,
                             const QString& detailName, const QString& money, const QString& rate);

// Voids the transaction (is_valid = 0); the row is kept.
void DBUpdT_TradeIsValid(const QString& year, const QString& month, const QString& day, int seq);

// The largest seq of the date, voided rows included; 0 when there is none.
int DBSelT_TradeMaxSeq(int year, int month, int day);

// The largest history version of the transaction; 0 when there is none.
int DBSelTradeHistoryMaxNum(const QString& dateText, int seq);

// The valid transactions of the year, or of its month, or of one day (month
// and day may be empty), ordered by month, day, seq, for the record list,
// each handed to `each` as it is read. A row holding odd values (see
// odd_values.h) is named in `oddRows` when given.
void DBSelT_TradeRecordsYM(const QString& year, const QString& month, const QString& day,
                           const RowsTo<TradeRecordRow>& each, QStringList* oddRows = nullptr);
// The same, narrowed to one trade and, when detailCd is not empty, one detail.
void DBSelT_TradeRecordsYMTD(const QString& year, const QString& month, const QString& day, const QString& tradeCd,
                             const QString& detailCd, const RowsTo<TradeRecordRow>& each,
                             QStringList* oddRows = nullptr);

// The caption of the total label: "\" and the sum of the business shares of
// the same rows as DBSelT_TradeRecordsYMTD, or empty when there is none.
QString DBSelT_TradeSumYMTD(const QString& year, const QString& month, const QString& day, const QString& tradeCd,
                            const QString& detailCd);

// trade_cd, detail_cd, detail_name, money and rate of the valid transaction
// as stored, TAB and line breaks of the summary as blanks; no row when it does
// not exist or is voided.
ResultTable DBSelTradeRecord(const QString& dateText, int seq);
