#include "reports/ledger_journal.h"

#include "app/date_text.h"
#include "app/sjis_text.h"
#include "store/odd_values.h"
#include "store/store_common.h"

#include <cstring>

namespace {

const QChar kBlank = QLatin1Char(' ');

// The record of a posting: the side, the amount, the line's UTF-16 units.
constexpr qsizetype kSideAndAmount = 1 + sizeof(qint64);

}  // namespace

bool DebitIncreases(const QString& accountClass) {
    return accountClass == QStringLiteral("a") || accountClass == QStringLiteral("c");
}

bool StartsFromOpening(const QString& outputClass) { return outputClass != QStringLiteral("B"); }

LedgerEntry LedgerEntryOf(const QString& yearText, const QueryRow& row) {
    // The columns of DBSelJournalTable: month, day, seq, trade_cd, debit_cd,
    // debit_name, credit_cd, credit_name, money_val, detail_name.
    return {.date = SlashDate(DateOf(yearText, row.text(0), row.text(1))),
            .debitCd = row.text(4),
            .debitName = row.text(5),
            .creditCd = row.text(6),
            .creditName = row.text(7),
            .detailName = OneLineSummary(row.text(9)),
            .amount = AmountOrZero(row.text(8))};
}

QString LedgerLineStart(const QString& date, const QString& counterAccount, const QString& summary) {
    QString line;
    line.reserve(80);
    line += date;
    line += kBlank;
    AppendByteWidth(line, counterAccount, 34, false);
    line += kBlank;
    AppendByteWidth(line, summary, 30, false);
    return line;
}

LedgerJournal::LedgerJournal(const QStringList& accounts, qsizetype heldBytes) : spill_(accounts.size(), heldBytes) {
    for (qsizetype page = 0; page < accounts.size(); ++page) pageOf_.insert(accounts[page], page);
}

void LedgerJournal::add(const LedgerEntry& entry) {
    post(entry.debitCd, true, entry.amount, entry.creditCd + kBlank + entry.creditName, entry);
    if (entry.creditCd != entry.debitCd)
        post(entry.creditCd, false, entry.amount, entry.debitCd + kBlank + entry.debitName, entry);
}

void LedgerJournal::post(const QString& accountCd, bool debit, qint64 amount, const QString& counterAccount,
                         const LedgerEntry& entry) {
    const auto page = pageOf_.constFind(accountCd);
    if (page == pageOf_.constEnd()) return;
    const QString line = LedgerLineStart(entry.date, counterAccount, entry.detailName);
    const qsizetype textBytes = line.size() * static_cast<qsizetype>(sizeof(char16_t));
    record_.resize(kSideAndAmount + textBytes);
    record_[0] = debit ? 1 : 0;
    std::memcpy(record_.data() + 1, &amount, sizeof amount);
    std::memcpy(record_.data() + kSideAndAmount, line.utf16(), static_cast<size_t>(textBytes));
    spill_.add(*page, record_);
}

void LedgerJournal::forEachOf(const QString& accountCd, const std::function<void(const LedgerPosting&)>& each) {
    const auto page = pageOf_.constFind(accountCd);
    if (page == pageOf_.constEnd()) return;
    LedgerPosting posting;
    spill_.read(*page, [&](QByteArrayView record) {
        posting.debit = record[0] != 0;
        std::memcpy(&posting.amount, record.data() + 1, sizeof posting.amount);
        const qsizetype textBytes = record.size() - kSideAndAmount;
        posting.lineStart.resize(textBytes / static_cast<qsizetype>(sizeof(char16_t)));
        std::memcpy(posting.lineStart.data(), record.data() + kSideAndAmount, static_cast<size_t>(textBytes));
        each(posting);
    });
}
