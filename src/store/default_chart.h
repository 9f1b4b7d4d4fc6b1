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
