// The carried amounts the sheet cannot hold, and when a sheet holds amounts
// that the carry would replace.
#include "ui/opening_balance/carried_balances.h"

#include <gtest/gtest.h>

TEST(CarriedBalances, AmountsTheSheetCannotHoldAreRefused) {
    const QString tail = QStringLiteral("円が，期首データに登録できる範囲を超えます。");
    const struct {
        qint64 cash, capital, assetTotal;  // the debit side totals the capital alone
        const char* message;               // after the first line; empty: the sheet holds them
    } cases[] = {
        {2147483647, 2147483647, 2147483647, ""},
        {0, -2147483648, 0, "繰越後の負債の合計-2147483648"},
        {2147483648, 0, 2147483648, "勘定科目コード100の金額2147483648"},
        {0, -2147483649, 0, "勘定科目コード620の金額-2147483649"},
        {2147483647, 0, 2147483648, "繰越後の資産の合計2147483648"},
    };
    for (const auto& c : cases) {
        const CarriedSheet sheet{{{"100", c.cash, true}, {"620", c.capital, false}}, c.assetTotal, c.capital};
        const QString message = QString::fromUtf8(c.message);
        EXPECT_EQ(CarriedSheetProblem(sheet, QStringLiteral("2020")),
                  message.isEmpty()
                      ? std::nullopt
                      : std::optional(QStringLiteral("2020年度末の残高を繰越できません。\r\n") + message + tail));
    }
}

TEST(CarriedBalances, OnlyAmountsOtherThanZeroAreReplaced) {
    const QString header = QStringLiteral("account_cd\taccount_name\tmoney");
    EXPECT_FALSE(HoldsAmounts({{header, "100\t現　金\t0", "340\t合　　計\t0"}, {header, "610\t事業主借\t"}}));
    EXPECT_TRUE(HoldsAmounts({{header, "100\t現　金\t0"}, {header, "620\t元入金\t-1"}}));
}
