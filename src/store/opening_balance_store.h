#pragma once
// The statements on t_bs_begining and t_bs_begining_history behind the
// opening balance screen, the general ledger and the opening-balance export:
// creating and deleting a year's 50 rows, changing one amount after copying
// the old row, totalling one side, and reading rows back.
#include "sqlite/result_table.h"

#include <QString>

// True when the year has opening-balance rows.
bool DBSelBS_Begining(const QString& year);

// Inserts the 50 default rows of the year, all with amount 0 and one time
// stamp; each insert is a statement of its own.
void DBInsBS_Begining(const QString& year);

// Deletes every row of the year; its history rows stay.
void DBDelBS_Begining(const QString& year);

// Copies every row of the year, time stamp included, into the history, each
// as the next version of its account, so that re-creating the year's rows
// throws nothing away.
void DBInsBSHistoryBeforeRecreate(const QString& year);

// Replaces the year's rows by the default chart, all in one transaction:
// when rows exist they are first copied into the history, and a year carried
// into is recorded as carried no longer. A crash or a failed statement leaves
// the year as it was, never without its rows.
void DBRecreateBS_Begining(const QString& year, bool rowsExist);

// The largest history version of the account in the year; 0 when none.
int DBSelBSHistoryMaxNum(const QString& year, const QString& accountCd);

// Copies the account's current row, time stamp included, into the history as
// version verIdx.
void DBInsBSHistoryBeforeUpdate(const QString& year, const QString& accountCd, int verIdx);

// Stores one opening amount: the account's row is copied into the history
// as its next version, the amount set and both totals recomputed, all in one
// transaction. A refused amount or a failed statement stores nothing.
void DBUpdBS_BeginingWithHistory(const QString& year, const QString& accountCd, const QString& money);

// Recomputes both total rows of the year from the other rows; the caller
// holds the transaction.
void DBUpdBS_BeginingTotals(const QString& year);

// Sets the account's amount. Money must be digits within the signed 32-bit
// range (leading zeros allowed); anything else raises a run-time error and
// nothing is stored.
void DBUpdBS_Begining(const QString& year, const QString& accountCd, const QString& money);

// The sum of the side ("a" or "d") without the two total rows, as plain
// decimal text; empty when nothing matches. A sum beyond the signed 32-bit
// range raises a run-time error rather than being handed on.
QString DBSelBS_BeginingSum(int year, const QString& assetOrDebit);

// account_cd, account_name and money of every row of the side, by code.
ResultTable DBSelBS_BeginingAD(int year, const QString& assetOrDebit);

// The account's name (empty for an unnamed account); a run-time error when
// the year has no such row.
QString DBSelBS_BeginingName(int year, const QString& accountCd);

// account_name and money of the account's row.
ResultTable DBSelBS_BeginingNameMoney(int year, const QString& accountCd);

// The account's opening amount; 0 when the row is missing or its amount is NULL.
int DBSelBSBeginingMoney(int year, const QString& accountCd);
