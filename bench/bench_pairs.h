#pragma once
// Each measured operation is registered beside its floor, so that both are
// timed in the same run and the table can give their ratio.
#include <QString>

#include <functional>
#include <string>

struct MeasuredPair {
    std::string operation;
    std::function<void()> measured;
    std::function<void()> floor;
    bool withMemory = false;  // also report the operation's peak memory
    // Empty when what the operation made agrees with the books (the same
    // transactions, the same totals); otherwise what differs.
    std::function<QString()> disagreement = {};
};

// The year's valid transactions and the sum of their business shares,
// counted by SQLite itself, for checking what an operation made.
struct YearTotals {
    qsizetype count = 0;
    qint64 shares = 0;
};
YearTotals ValidTotals();

// Registering a disagreement makes the suite's exit status a failure.
void ReportDisagreement(const QString& what);
bool AnyDisagreement();

// Registers "<operation>/op" and "<operation>/floor" for a year of n transactions.
void RegisterPair(const MeasuredPair& pair, int transactions);

// The operations below the screens: the record list, recording, start-up.
void RegisterStoreBenchmarks(int transactions);
// The four reports' heavy three, the general ledger and the journal export.
void RegisterReportBenchmarks(int transactions);
// A statement imported beside recording its rows through the store.
void RegisterImportBenchmarks(int transactions);
// The search by its conditions.
void RegisterSearchBenchmarks(int transactions);
