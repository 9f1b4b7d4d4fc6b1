#pragma once
// The year's books as a plain-text journal that hledger and ledger read, so
// that the same books are timed through them in the same run: each valid
// transaction in journal order as its date, its summary as the payee, and two
// postings, the debit account with the business share and the credit
// account with the same amount taken away.
#include <QString>

struct sqlite3;

void WritePeerJournal(sqlite3* db, int year, const QString& path);
