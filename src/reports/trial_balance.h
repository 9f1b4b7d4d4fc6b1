#pragma once
// A year's trial balance as plain values: per account its opening balance,
// the sums of its debit and of its credit amounts, the net movement of each
// month and the closing balance, the accounts in the groups the report
// totals. Balances follow the general ledger, so that each closing balance
// is the last balance of the account's ledger page.
#include "sqlite/result_table.h"

#include <QString>

#include <array>
#include <vector>

// In the order the report lists them.
enum class AccountGroup { Asset, LiabilityAndCapital, Revenue, Cost };
inline constexpr std::array kAccountGroups{AccountGroup::Asset, AccountGroup::LiabilityAndCapital,
                                           AccountGroup::Revenue, AccountGroup::Cost};

struct TrialBalanceLine {
    QString code;
    QString name;
    AccountGroup group = AccountGroup::Asset;
    qint64 opening = 0;
    qint64 debit = 0;   // the year's debit amounts
    qint64 credit = 0;  // the year's credit amounts
    // January to December: each month's net movement, positive where the
    // balance grows.
    std::array<qint64, 12> months{};
    qint64 closing = 0;
};

struct TrialBalance {
    // Group by group, by code within a group.
    std::vector<TrialBalanceLine> lines;

    // The account's line; nothing when the account has none.
    const TrialBalanceLine* LineOf(const QString& accountCd) const;
};

// What the year's journal moves: the sum of the rows of one month that
// debit and credit these two accounts (several sums may share them).
struct JournalMovement {
    QString debitCd, creditCd;
    int month = 0;
    qint64 amount = 0;
};

// A line for every account that the journal moves or that opens with an
// amount. Accounts are the rows of DBSelTrialBalanceAccounts: class "a" is an
// asset, "r" revenue, "c" a cost, any other class liabilities and capital.
// A movement that debits and credits the same account counts on both sides.
TrialBalance TrialBalanceOf(const ResultTable& accounts, const std::vector<JournalMovement>& movements);

// The year's trial balance from the books: the accounts and the sums of the
// journal, each read once. A day that does not exist is a run-time error;
// an amount that is no number counts as 0, as in the general ledger.
TrialBalance ReadTrialBalance(int year);

// Revenue less costs, the income before the blue-return special deduction.
qint64 IncomeBeforeDeduction(const TrialBalance& balance);
