#pragma once
// The 50 rows every year's opening balance sheet starts with: 25 asset rows
// (100 to 340) and 25 liability and capital rows (400 to 640), in code order.
#include <QStringView>

#include <array>

struct DefaultChartRow {
    QStringView code;  // three digits
    QStringView side;  // "a" asset, "d" liability and capital
    QStringView name;  // empty for the codes reserved for the user
};

inline constexpr qsizetype kDefaultChartRows = 50;
const std::array<DefaultChartRow, kDefaultChartRows>& DefaultChart();

// The two rows that hold the computed side totals; they are never typed in.
inline constexpr QStringView kAssetTotalCode = u"340";
inline constexpr QStringView kDebitTotalCode = u"640";

// Rows with a role of their own: the owner's capital, which the balance
// check expects above zero, and the three rows that carrying a year forward
// folds into it.
inline constexpr QStringView kDrawingsCode = u"330";       // 事業主貸
inline constexpr QStringView kContributionsCode = u"610";  // 事業主借
inline constexpr QStringView kCapitalCode = u"620";        // 元入金
inline constexpr QStringView kIncomeCode = u"630";         // 青色申告特別控除前の所得金額
