#pragma once
// One transaction as the entry controls describe it, and the checks it must
// pass before it is recorded or a recorded one is corrected with it.
#include <QString>

#include <optional>

// The summary's limit in Shift_JIS bytes.
inline constexpr int kSummaryMaxBytes = 30;

// The values in the order the store takes them.
struct TradeEntry {
    QString tradeCd, detailCd, detailName, money, rate;
};

// What the checks look at: which lists have a selection, and the three texts.
struct EntryState {
    bool recordSelected = false;
    bool tradeSelected = false;
    bool detailSelected = false;
    QString summary, money, percent;
};

// The control a failed check sends the user to.
enum class EntryField { RecordList, TradeList, DetailList, Summary, Money, Percent };

struct EntryProblem {
    QString message;
    EntryField field;
};

// The first problem of a new transaction, none when it may be recorded.
std::optional<EntryProblem> CheckNewEntry(const EntryState& entry);
// The first problem of a correction, none when it may be stored.
std::optional<EntryProblem> CheckCorrection(const EntryState& entry);
