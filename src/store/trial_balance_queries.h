#pragma once
// The accounts behind the trial balance: every account of the master with
// its classes and the year's opening amount, so that one reading serves all
// lines of the report.
#include "sqlite/result_table.h"

#include <QString>

#include <functional>

// account_cd, account_name, account_class, output_class and money of every
// account of m_account except the two total rows, by code. money is the
// year's opening amount, 0 when the sheet has no row for the account or none
// at all; an account the master leaves unnamed takes the name the user gave
// its row of the sheet.
ResultTable DBSelTrialBalanceAccounts(int year);

// One sum of the year's valid transactions: the business shares of the rows
// of one trade in one month, with the accounts the trade debits and credits
// and the first and the last day among them, each value the text the
// database returned. A row whose month, day or share is not a whole number
// is summed by no one: it comes back alone, for the reader to read as it
// reads one row.
struct MovementRow {
    QString debitCd, creditCd, month, firstDay, lastDay, amount;
};

// The year's sums, grouped in the database: the trial balance needs its
// accounts' totals, never the journal's lines. The trades' accounts are read
// first; books holding such odd rows are grouped a second time, row by row
// for those.
void DBSelTrialBalanceMovements(int year, const std::function<void(const MovementRow& row)>& each);
