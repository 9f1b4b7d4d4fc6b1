#pragma once
// The general ledger in running-balance form (総勘定元帳(残高式)): one page
// per account that the year's valid transactions use, each transaction with
// its counter account, its amount on the debit or the credit side and the
// balance after it.
#include "app/safe_write.h"
#include "reports/ledger_journal.h"
#include "reports/report_text.h"

#include <QString>

#include <optional>

// The message that stops a report whose balances start from the opening
// balance sheet when the fiscal year has none; nothing when it has one.
std::optional<QString> OpeningSheetRefusal(const QString& fiscalYearText, const QString& reportName);
std::optional<QString> GeneralLedgerRefusal(const QString& fiscalYearText);

// Always the whole year of the calendar.
ReportQuestion GeneralLedgerQuestion(const ReportValues& values);

// One account's page, line by line. debitIncreases: a debit raises the
// balance and a credit lowers it, or the reverse when false. An account of
// output class "B" starts at 0 without an opening line. A balance beyond 64
// bits is a run-time error.
void PutLedgerPage(int year, LedgerJournal& journal, bool debitIncreases, const QString& accountCd,
                   const QString& accountName, qint64 opening, const QString& outputClass, const LineSink& put);

// The whole report, the title first, then every account's page in the order
// of the account list (DBSelAccountHead); the journal is read once, its
// postings set aside page by page. Each page is handed over as it is built:
// a busy year's ledger is hundreds of megabytes of text.
LineSource GeneralLedgerReport(const ReportValues& values);
