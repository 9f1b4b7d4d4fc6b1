#include "reports/trial_balance.h"

#include "reports/ledger_journal.h"
#include "store/odd_values.h"
#include "store/store_common.h"
#include "store/trial_balance_queries.h"

#include <QHash>

#include <algorithm>

namespace {

AccountGroup GroupOf(const QString& accountClass) {
    if (accountClass == QStringLiteral("a")) return AccountGroup::Asset;
    if (accountClass == QStringLiteral("r")) return AccountGroup::Revenue;
    if (accountClass == QStringLiteral("c")) return AccountGroup::Cost;
    return AccountGroup::LiabilityAndCapital;
}

using MovementsByAccount = QHash<QString, std::vector<const JournalMovement*>>;

MovementsByAccount ByAccount(const std::vector<JournalMovement>& movements) {
    MovementsByAccount byAccount;
    for (const JournalMovement& movement : movements) {
        byAccount[movement.debitCd].push_back(&movement);
        if (movement.creditCd != movement.debitCd) byAccount[movement.creditCd].push_back(&movement);
    }
    return byAccount;
}

// The year's movements of the account added to its line.
void Move(TrialBalanceLine& line, const std::vector<const JournalMovement*>& movements, bool debitIncreases) {
    const qint64 debitSign = debitIncreases ? 1 : -1;
    for (const JournalMovement* movement : movements) {
        qint64& month = line.months.at(static_cast<size_t>(movement->month - 1));
        if (movement->debitCd == line.code) {
            line.debit += movement->amount;
            month += debitSign * movement->amount;
        }
        if (movement->creditCd == line.code) {
            line.credit += movement->amount;
            month -= debitSign * movement->amount;
        }
    }
}

}  // namespace

const TrialBalanceLine* TrialBalance::LineOf(const QString& accountCd) const {
    const auto found =
        std::find_if(lines.begin(), lines.end(), [&](const TrialBalanceLine& line) { return line.code == accountCd; });
    return found == lines.end() ? nullptr : &*found;
}

TrialBalance TrialBalanceOf(const ResultTable& accounts, const std::vector<JournalMovement>& movements) {
    TrialBalance balance;
    const MovementsByAccount byAccount = ByAccount(movements);
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
        const auto moves = byAccount.constFind(line.code);
        const bool moved = moves != byAccount.constEnd();
        if (!moved && line.opening == 0) continue;
        if (moved) Move(line, *moves, DebitIncreases(f[accountClass]));
        line.closing = line.opening;
        for (const qint64 movement : line.months) line.closing += movement;
        balance.lines.push_back(line);
    }
    std::stable_sort(balance.lines.begin(), balance.lines.end(),
                     [](const TrialBalanceLine& a, const TrialBalanceLine& b) { return a.group < b.group; });
    return balance;
}

TrialBalance ReadTrialBalance(int year) {
    const ResultTable accounts = DBSelTrialBalanceAccounts(year);
    const QString yearText = QString::number(year);
    std::vector<JournalMovement> movements;
    DBSelTrialBalanceMovements(year, [&](const MovementRow& row) {
        // The days between two days of a month are days of it too.
        DateOf(yearText, row.month, row.firstDay);
        movements.push_back({.debitCd = row.debitCd,
                             .creditCd = row.creditCd,
                             .month = DateOf(yearText, row.month, row.lastDay).month(),
                             .amount = AmountOrZero(row.amount)});
    });
    return TrialBalanceOf(accounts, movements);
}

qint64 IncomeBeforeDeduction(const TrialBalance& balance) {
    qint64 income = 0;
    for (const TrialBalanceLine& line : balance.lines) {
        if (line.group == AccountGroup::Revenue) income += line.closing;
        if (line.group == AccountGroup::Cost) income -= line.closing;
    }
    return income;
}
