#pragma once
// The accounts behind the trial balance: every account of the master with
// its classes and the year's opening amount, so that one reading serves all
// lines of the report.
#include "sqlite/result_table.h"

// account_cd, account_name, account_class, output_class and money of every
// account of m_account except the two total rows, by code. money is the
// year's opening amount, 0 when the sheet has no row for the account or none
// at all; an account the master leaves unnamed takes the name the user gave
// its row of the sheet.
ResultTable DBSelTrialBalanceAccounts(int year);
