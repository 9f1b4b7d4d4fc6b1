#pragma once
// Each measured operation is registered beside its floor, so that both are
// timed in the same run and the table can give their ratio.
#include <QString>

#include <functional>
#include <string>

struct MeasuredPair {
    std::string operation;
    std::function<void()> measured;
    // Makes the floor before its timing (statements compiled, fixed texts
    // taken); what it returns is what is timed.
    std::function<std::function<void()>()> floor;
    bool withMemory = false;  // also report the operation's peak memory
    // Empty when what the operation made agrees with the books (the same
    // transactions, the same totals); otherwise what differs.
    std::function<QString()> disagreement = {};
    // After the floor's runs: empty when the floor made exactly what the
    // operation made (the same file bytes, the same items); otherwise where
    // they part. A floor that skipped work cannot pass.
    std::function<QString()> floorDisagreement = {};
};

// A floor with nothing to make before its timing.
inline std::function<std::function<void()>()> Ready(std::function<void()> floor) {
    return [floor] { return floor; };
}

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
// The file reports and the journal export.
void RegisterReportBenchmarks(int transactions);
// A statement imported beside recording its rows through the store.
void RegisterImportBenchmarks(int transactions);
// hledger's and ledger's register and balance of the same books, where installed.
void RegisterPeerBenchmarks(int transactions);
// The search by its conditions.
void RegisterSearchBenchmarks(int transactions);
