#pragma once
// The statements that carry one year's closing balances into the next
// year's opening balance sheet, and the carry itself as one transaction.
#include <QString>

#include <vector>

struct CarriedRow {
    QString accountCd;
    int money = 0;
};

// Replaces the year's opening amounts by the rows carried from fromYear, all
// in one transaction: the year's rows, when it has some, are first copied
// into the history, else its sheet is created from fromYear's rows; then
// every carried amount is set and both totals recomputed. The carry is
// recorded with the digest of the rows. A failed statement or a crash leaves
// the year, and the record of its carries, as they were.
void DBCarryForwardBS_Begining(const QString& year, const QString& fromYear, bool rowsExist,
                               const std::vector<CarriedRow>& rows);

// Creates the year's sheet as a copy of the rows of fromYear: the same
// codes, names and sides, every amount 0, one time stamp.
void DBInsBS_BeginingFromYear(const QString& year, const QString& fromYear);

// Sets the account's carried amount, which may lie below zero (元入金 does
// when the owner took out more than the business earned). A row still
// without a name takes the name its account has in fromYear, so that an
// amount never lands in a row the screen cannot choose.
void DBUpdBS_BeginingCarried(const QString& year, const QString& accountCd, int money, const QString& fromYear);
