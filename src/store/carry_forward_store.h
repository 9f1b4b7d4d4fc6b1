#pragma once
// The statements that carry one year's closing balances into the next
// year's opening balance sheet. The caller runs them in one transaction,
// after the history copy of the rows they replace.
#include <QString>

// Creates the year's sheet as a copy of the rows of fromYear: the same
// codes, names and sides, every amount 0, one time stamp.
void DBInsBS_BeginingFromYear(const QString& year, const QString& fromYear);

// Sets the account's carried amount, which may lie below zero (元入金 does
// when the owner took out more than the business earned). A row still
// without a name takes the name its account has in fromYear, so that an
// amount never lands in a row the screen cannot choose.
void DBUpdBS_BeginingCarried(const QString& year, const QString& accountCd, int money, const QString& fromYear);
