#include "reports/ledger_journal.h"

#include "store/odd_values.h"
#include "store/store_common.h"

bool DebitIncreases(const QString& accountClass) {
    return accountClass == QStringLiteral("a") || accountClass == QStringLiteral("c");
}

bool StartsFromOpening(const QString& outputClass) { return outputClass != QStringLiteral("B"); }

LedgerJournal::LedgerJournal(int year, const ResultTable& rows) {
    // A year without rows has no column names to look up.
    if (RowCount(rows) == 0) return;
    const auto column = [&rows](const char* name) { return ColumnIndex(rows, QString::fromLatin1(name)); };
    const qsizetype month = column("month"), day = column("day"), debitCd = column("debit_cd"),
                    debitName = column("debit_name"), creditCd = column("credit_cd"),
                    creditName = column("credit_name"), amount = column("money_val"),
                    detailName = column("detail_name");
    const qsizetype columnCount = rows.value(0).count(QLatin1Char('\t')) + 1;
    const QString yearText = QString::number(year);
    entries_.reserve(static_cast<size_t>(RowCount(rows)));
    for (qsizetype i = 1; i <= RowCount(rows); ++i) {
        const QStringList f = RowFields(rows[i], columnCount, detailName);
        const QDate date = DateOf(yearText, f[month], f[day]);
        entries_.push_back({.date = SlashDate(date),
                            .month = date.month(),
                            .debitCd = f[debitCd],
                            .debitName = f[debitName],
                            .creditCd = f[creditCd],
                            .creditName = f[creditName],
                            .detailName = OneLineSummary(f[detailName]),
                            .amount = AmountOrZero(f[amount])});
    }
    // Filled only now: the entries no longer move.
    for (const LedgerEntry& entry : entries_) {
        byAccount_[entry.debitCd].push_back(&entry);
        if (entry.creditCd != entry.debitCd) byAccount_[entry.creditCd].push_back(&entry);
    }
}

const std::vector<const LedgerEntry*>& LedgerJournal::EntriesOf(const QString& accountCd) const {
    static const std::vector<const LedgerEntry*> none;
    const auto found = byAccount_.constFind(accountCd);
    return found == byAccount_.constEnd() ? none : *found;
}
