#pragma once
// The year's journal rows as the general ledger reads them: each row's
// columns are taken apart, its date formatted and its amount converted once,
// and each account knows its own rows, so that no page scans the whole year.
#include "sqlite/result_table.h"

#include <QHash>
#include <QString>

#include <vector>

struct LedgerEntry {
    QString date;  // 2020/04/01
    int month = 0;
    QString debitCd, debitName, creditCd, creditName, detailName;
    qint64 amount = 0;  // the business share
};

// A debit raises the balance of the classes "a" and "c" and lowers that of
// every other class; a credit does the reverse.
bool DebitIncreases(const QString& accountClass);
// An account of output class "B" starts every year from nothing, whatever
// opening amount the sheet holds for it; every other one from that amount.
bool StartsFromOpening(const QString& outputClass);

class LedgerJournal {
public:
    // The rows of DBSelJournalTable for the year, read by column name. A day
    // that does not exist or an amount that is no number is a run-time error.
    LedgerJournal(int year, const ResultTable& rows);

    // The rows that debit or credit the account, in journal order; a row
    // whose two accounts are the same is listed once.
    const std::vector<const LedgerEntry*>& EntriesOf(const QString& accountCd) const;

private:
    std::vector<LedgerEntry> entries_;
    QHash<QString, std::vector<const LedgerEntry*>> byAccount_;
};
