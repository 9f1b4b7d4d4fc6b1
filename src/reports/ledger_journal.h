#pragma once
// The year's journal as the general ledger pages it: each journal row is
// read once, in journal order, and set aside as a posting on the page of its
// debit and of its credit account; each page then gives its postings back in
// journal order. The postings wait in a page spill, so that a busy year's
// ledger is written without holding the year.
#include "reports/page_spill.h"
#include "sqlite/query_row.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

struct LedgerEntry {
    QString date;  // 2020/04/01
    QString debitCd, debitName, creditCd, creditName, detailName;
    qint64 amount = 0;  // the business share
};

// A row of DBSelJournalTable for the year, read into the entry (its strings
// reused). A day that does not exist is a run-time error; an amount that is
// no number is 0; the summary is on one line.
void ReadLedgerEntry(LedgerEntry& entry, const QString& yearText, const QueryRow& row);

// One line of a page as far as the amounts, appended: the date, the counter
// account in 34 bytes and the summary in 30, separated by blanks.
void AppendLedgerLineStart(QString& line, const QString& date, const QString& counterAccount, const QString& summary);

// One row as a page lists it.
struct LedgerPosting {
    bool debit = false;  // the page's account is the row's debit account
    qint64 amount = 0;
    QString lineStart;
};

// A debit raises the balance of the classes "a" and "c" and lowers that of
// every other class; a credit does the reverse.
bool DebitIncreases(const QString& accountClass);
// An account of output class "B" starts every year from nothing, whatever
// opening amount the sheet holds for it; every other one from that amount.
bool StartsFromOpening(const QString& outputClass);

class LedgerJournal {
public:
    // The pages kept: the rows of other accounts are listed on no page.
    explicit LedgerJournal(const QStringList& accounts, qsizetype heldBytes = PageSpill::kHeldBytes);

    // The row on the page of its debit and of its credit account; a row
    // whose two accounts are the same is listed once, on the debit side.
    void add(const LedgerEntry& entry);
    // The postings of the account's page in journal order.
    void forEachOf(const QString& accountCd, const std::function<void(const LedgerPosting&)>& each);

private:
    void post(const QString& accountCd, bool debit, const QString& counterCd, const QString& counterName,
              const LedgerEntry& entry);

    QHash<QString, qsizetype> pageOf_;
    PageSpill spill_;
    QString counter_, line_;
    QByteArray record_;
};
