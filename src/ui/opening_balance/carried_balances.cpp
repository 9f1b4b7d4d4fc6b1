#include "ui/opening_balance/carried_balances.h"

#include "store/default_chart.h"
#include "store/opening_balance_store.h"
#include "store/store_common.h"
#include "ui/opening_balance/balance_rows.h"

#include <QHash>

#include <limits>

namespace {

// An amount left empty (NULL) counts as 0, as in the stored totals.
qint64 MoneyOf(const QString& row) { return RowMoney(row).toLongLong(); }

bool IsTotal(const QString& code) { return code == kAssetTotalCode || code == kDebitTotalCode; }

bool StartsAgainFromZero(const QString& code) {
    return code == kDrawingsCode || code == kContributionsCode || code == kIncomeCode;
}

// The sheet's own amount moved by the year. An account that the ledger
// starts from nothing every year may still hold an opening amount on the
// sheet; it is carried as it stands, since dropping it would leave the next
// sheet out of balance.
qint64 ClosingOf(const QString& row, const TrialBalance& balance) {
    const TrialBalanceLine* line = balance.LineOf(RowCode(row));
    return MoneyOf(row) + (line ? line->closing - line->opening : 0);
}

QString Refusal(const QString& closedYear, const QString& what, qint64 money) {
    return closedYear + QStringLiteral("年度末の残高を繰越できません。\r\n") + what + QString::number(money) +
           QStringLiteral("円が，期首データに登録できる範囲を超えます。");
}

}  // namespace

SheetSides ReadSheetSides(int year) {
    return {DBSelBS_BeginingAD(year, QStringLiteral("a")), DBSelBS_BeginingAD(year, QStringLiteral("d"))};
}

bool HoldsAmounts(const SheetSides& sheet) {
    for (const ResultTable* side : {&sheet.asset, &sheet.debit})
        for (qsizetype i = 1; i <= RowCount(*side); ++i)
            if (MoneyOf((*side)[i]) != 0) return true;
    return false;
}

CarriedSheet CarriedBalances(const SheetSides& closedSheet, const TrialBalance& balance) {
    CarriedSheet carried;
    QHash<QString, qint64> closing;
    for (const ResultTable* side : {&closedSheet.asset, &closedSheet.debit})
        for (qsizetype i = 1; i <= RowCount(*side); ++i) {
            const QString code = RowCode((*side)[i]);
            if (IsTotal(code)) continue;
            closing[code] = ClosingOf((*side)[i], balance);
            carried.rows.push_back({code, closing[code], side == &closedSheet.asset});
        }
    const qint64 capital = closing.value(kCapitalCode.toString()) + closing.value(kContributionsCode.toString()) +
                           closing.value(kIncomeCode.toString()) + IncomeBeforeDeduction(balance) -
                           closing.value(kDrawingsCode.toString());
    for (CarriedAmount& row : carried.rows) {
        if (StartsAgainFromZero(row.code)) row.money = 0;
        if (row.code == kCapitalCode) row.money = capital;
        (row.asset ? carried.assetTotal : carried.debitTotal) += row.money;
    }
    return carried;
}

std::optional<QString> CarriedSheetProblem(const CarriedSheet& sheet, const QString& closedYear) {
    for (const CarriedAmount& row : sheet.rows)
        if (row.money < std::numeric_limits<int>::min() || row.money > std::numeric_limits<int>::max())
            return Refusal(closedYear, QStringLiteral("勘定科目コード") + row.code + QStringLiteral("の金額"),
                           row.money);
    // The totals are stored as the screen stores them: whole yen from 0 up.
    if (sheet.assetTotal < 0 || sheet.assetTotal > kMaxAmount)
        return Refusal(closedYear, QStringLiteral("繰越後の資産の合計"), sheet.assetTotal);
    if (sheet.debitTotal < 0 || sheet.debitTotal > kMaxAmount)
        return Refusal(closedYear, QStringLiteral("繰越後の負債の合計"), sheet.debitTotal);
    return std::nullopt;
}

CarriedSheet CarriedFromBooks(int closedYear) {
    // The sheet first: the run log shows its statements before the journal's.
    const SheetSides sheet = ReadSheetSides(closedYear);
    return CarriedBalances(sheet, ReadTrialBalance(closedYear));
}

std::vector<CarriedRow> RowsToStore(const CarriedSheet& sheet) {
    std::vector<CarriedRow> rows;
    for (const CarriedAmount& row : sheet.rows) rows.push_back({row.code, static_cast<int>(row.money)});
    return rows;
}
