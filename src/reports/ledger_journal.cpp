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

void AppendLedgerLineStart(QString& line, const QString& date, const QString& counterAccount, const QString& summary) {
    line += date;
    line += kBlank;
    AppendByteWidth(line, counterAccount, 34, false);
    line += kBlank;
    AppendByteWidth(line, summary, 30, false);
}

LedgerJournal::LedgerJournal(const QStringList& accounts, qsizetype heldBytes) : spill_(accounts.size(), heldBytes) {
    for (qsizetype page = 0; page < accounts.size(); ++page) pageOf_.insert(accounts[page], page);
}

void LedgerJournal::addRow(const QString& yearText, const QueryRow& row) {
    // The columns of DBSelJournalTable: month, day, seq, trade_cd, debit_cd,
    // debit_name, credit_cd, credit_name, money_val, detail_name.
    LedgerEntry& entry = entry_;
    entry.date.resize(0);
    AppendSlashDate(entry.date, DateOf(yearText, row.text(0), row.text(1)));
    row.assign(entry.tradeCd, 3);
    if (!trades_.contains(entry.tradeCd)) {
        row.assign(entry.debitCd, 4);
        row.assign(entry.debitName, 5);
        row.assign(entry.creditCd, 6);
        row.assign(entry.creditName, 7);
    }
    row.assign(entry.detailName, 9);
    if (!IsOneLine(entry.detailName)) entry.detailName = OneLineSummary(entry.detailName);
    entry.amount = row.isInteger(8) ? row.integer(8) : AmountOrZero(row.text(8));
    add(entry);
}

const LedgerJournal::TradeSides& LedgerJournal::sidesOf(const LedgerEntry& entry) {
    const auto known = trades_.constFind(entry.tradeCd);
    if (known != trades_.constEnd()) return *known;
    TradeSides sides;
    sides.debitPage = pageOf_.value(entry.debitCd, -1);
    if (entry.creditCd != entry.debitCd) sides.creditPage = pageOf_.value(entry.creditCd, -1);
    AppendByteWidth(sides.debitPageCounter, entry.creditCd + kBlank + entry.creditName, 34, false);
    AppendByteWidth(sides.creditPageCounter, entry.debitCd + kBlank + entry.debitName, 34, false);
    return *trades_.insert(entry.tradeCd, sides);
}

void LedgerJournal::add(const LedgerEntry& entry) {
    const TradeSides& sides = sidesOf(entry);
    summary_.resize(0);
    AppendByteWidth(summary_, entry.detailName, 30, false);
    if (sides.debitPage >= 0) post(sides.debitPage, true, sides.debitPageCounter, entry);
    if (sides.creditPage >= 0) post(sides.creditPage, false, sides.creditPageCounter, entry);
}

void LedgerJournal::post(qsizetype page, bool debit, const QString& counter, const LedgerEntry& entry) {
    // Built in a string kept from posting to posting: a busy year has millions.
    line_.resize(0);
    line_ += entry.date;
    line_ += kBlank;
    line_ += counter;
    line_ += kBlank;
    line_ += summary_;
    const QString& line = line_;
    const qint64 amount = entry.amount;
    const qsizetype textBytes = line.size() * static_cast<qsizetype>(sizeof(char16_t));
    record_.resize(kSideAndAmount + textBytes);
    record_[0] = debit ? 1 : 0;
    std::memcpy(record_.data() + 1, &amount, sizeof amount);
    std::memcpy(record_.data() + kSideAndAmount, line.utf16(), static_cast<size_t>(textBytes));
    spill_.add(page, record_);
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
