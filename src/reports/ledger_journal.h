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
    QString date;     // 2020/04/01
    QString tradeCd;  // the trade names the two accounts: each of its rows has the same
    QString debitCd, debitName, creditCd, creditName, detailName;
    qint64 amount = 0;  // the business share
};

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
    // whose two accounts are the same is listed once, on the debit side. The
    // accounts of a trade are taken from its first row.
    void add(const LedgerEntry& entry);
    // A row of DBSelJournalTable for the year, added. A day that does not
    // exist is a run-time error; an amount that is no number is 0; the
    // summary is on one line.
    void addRow(const QString& yearText, const QueryRow& row);
    // The postings of the account's page in journal order.
    void forEachOf(const QString& accountCd, const std::function<void(const LedgerPosting&)>& each);

private:
    // A trade's two pages and the counter account each lists, laid out once:
    // a year has a hundred thousand rows of a few dozen trades.
    struct TradeSides {
        qsizetype debitPage = -1, creditPage = -1;
        QString debitPageCounter, creditPageCounter;
    };
    const TradeSides& sidesOf(const LedgerEntry& entry);
    void post(qsizetype page, bool debit, const QString& counter, const LedgerEntry& entry);

    QHash<QString, qsizetype> pageOf_;
    QHash<QString, TradeSides> trades_;
    PageSpill spill_;
    LedgerEntry entry_;
    QString summary_, line_;
    QByteArray record_;
};
