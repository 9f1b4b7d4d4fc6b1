#pragma once
// The next year's opening balance sheet from the closing balances of a year,
// as the carry forward stores it: every account keeps its closing balance,
// except that the owner's drawings (事業主貸) and contributions (事業主借)
// and the year's income start again from 0, folded into the capital:
// 元入金 + 事業主借 + 青色申告特別控除前の所得金額 − 事業主貸.
#include "reports/trial_balance.h"
#include "sqlite/result_table.h"
#include "store/carry_forward_store.h"

#include <QString>

#include <optional>
#include <vector>

// Both sides of a year's sheet as DBSelBS_BeginingAD returns them.
struct SheetSides {
    ResultTable asset;
    ResultTable debit;
};
SheetSides ReadSheetSides(int year);

// True when any row of the sheet holds an amount other than 0.
bool HoldsAmounts(const SheetSides& sheet);

struct CarriedAmount {
    QString code;
    qint64 money = 0;
    bool asset = true;  // else a liability or capital row
};

struct CarriedSheet {
    // Every row of the sheet except the two totals: the assets, then the
    // liabilities and capital, by code.
    std::vector<CarriedAmount> rows;
    qint64 assetTotal = 0;
    qint64 debitTotal = 0;
};

// closedSheet is the sheet of the year carried from, balance its trial balance.
CarriedSheet CarriedBalances(const SheetSides& closedSheet, const TrialBalance& balance);
// The same from the books of the closed year as they stand.
CarriedSheet CarriedFromBooks(int closedYear);

// The rows as the carry stores them; only for a sheet without a problem.
std::vector<CarriedRow> RowsToStore(const CarriedSheet& sheet);

// The message that refuses the carry when an amount or a side total would
// not fit the sheet; nothing when everything fits.
std::optional<QString> CarriedSheetProblem(const CarriedSheet& sheet, const QString& closedYear);
