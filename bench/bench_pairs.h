#pragma once
// Each measured operation is registered beside its floor, so that both are
// timed in the same run and the table can give their ratio.
#include <functional>
#include <string>

struct MeasuredPair {
    std::string operation;
    std::function<void()> measured;
    std::function<void()> floor;
    bool withMemory = false;  // also report the operation's peak memory
};

// Registers "<operation>/op" and "<operation>/floor" for a year of n transactions.
void RegisterPair(const MeasuredPair& pair, int transactions);

// The operations below the screens: the record list, recording, start-up.
void RegisterStoreBenchmarks(int transactions);
// The four reports' heavy three, the general ledger and the journal export.
void RegisterReportBenchmarks(int transactions);
