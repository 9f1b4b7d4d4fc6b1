#include "reports/trial_balance.h"

#include "store/report_queries.h"
#include "store/store_common.h"
#include "store/trial_balance_queries.h"

#include <algorithm>

namespace {

AccountGroup GroupOf(const QString& accountClass) {
    if (accountClass == QStringLiteral("a")) return AccountGroup::Asset;
    if (accountClass == QStringLiteral("r")) return AccountGroup::Revenue;
    if (accountClass == QStringLiteral("c")) return AccountGroup::Cost;
    return AccountGroup::LiabilityAndCapital;
}

// The year's movements of the account added to its line.
void Move(TrialBalanceLine& line, const LedgerJournal& journal, bool debitIncreases) {
    const qint64 debitSign = debitIncreases ? 1 : -1;
    for (const LedgerEntry* entry : journal.EntriesOf(line.code)) {
        qint64& month = line.months.at(static_cast<size_t>(entry->month - 1));
        if (entry->debitCd == line.code) {
            line.debit += entry->amount;
            month += debitSign * entry->amount;
        }
        if (entry->creditCd == line.code) {
            line.credit += entry->amount;
            month -= debitSign * entry->amount;
        }
    }
    line.closing = line.opening;
    for (const qint64 movement : line.months) line.closing += movement;
}

}  // namespace

const TrialBalanceLine* TrialBalance::LineOf(const QString& accountCd) const {
    const auto found =
        std::find_if(lines.begin(), lines.end(), [&](const TrialBalanceLine& line) { return line.code == accountCd; });
    return found == lines.end() ? nullptr : &*found;
}

TrialBalance TrialBalanceOf(const ResultTable& accounts, const LedgerJournal& journal) {
    TrialBalance balance;
    if (RowCount(accounts) == 0) return balance;
    const auto column = [&accounts](const char* name) { return ColumnIndex(accounts, QString::fromLatin1(name)); };
    const qsizetype code = column("account_cd"), name = column("account_name"), accountClass = column("account_class"),
                    outputClass = column("output_class"), money = column("money");
    const qsizetype columnCount = accounts.value(0).count(QLatin1Char('\t')) + 1;
    for (qsizetype i = 1; i <= RowCount(accounts); ++i) {
        // A name typed with a TAB in a database tool stays one field.
        const QStringList f = RowFields(accounts[i], columnCount, name);
        TrialBalanceLine line{.code = f[code], .name = f[name], .group = GroupOf(f[accountClass])};
        if (StartsFromOpening(f[outputClass])) line.opening = IntegerOf(f[money]);
        const bool moved = !journal.EntriesOf(line.code).empty();
        if (!moved && line.opening == 0) continue;
        Move(line, journal, DebitIncreases(f[accountClass]));
        balance.lines.push_back(line);
    }
    std::stable_sort(balance.lines.begin(), balance.lines.end(),
                     [](const TrialBalanceLine& a, const TrialBalanceLine& b) { return a.group < b.group; });
    return balance;
}

TrialBalance ReadTrialBalance(int year) {
    const ResultTable accounts = DBSelTrialBalanceAccounts(year);
    return TrialBalanceOf(accounts, LedgerJournal(year, DBSelJournalTable(year)));
}

qint64 IncomeBeforeDeduction(const TrialBalance& balance) {
    qint64 income = 0;
    for (const TrialBalanceLine& line : balance.lines) {
        if (line.group == AccountGroup::Revenue) income += line.closing;
        if (line.group == AccountGroup::Cost) income -= line.closing;
    }
    return income;
}
