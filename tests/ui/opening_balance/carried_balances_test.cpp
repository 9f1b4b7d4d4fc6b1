// The next year's opening amounts from plain values: the owner's rows and
// the income folded into the capital, and the amounts the sheet cannot hold.
#include "ui/opening_balance/carried_balances.h"

#include <gtest/gtest.h>

namespace {

TrialBalanceLine Line(const char* code, AccountGroup group, qint64 opening, qint64 closing) {
    return {.code = QString::fromLatin1(code), .name = {}, .group = group, .opening = opening, .closing = closing};
}

// Opening sheet: cash 1000 and drawings 500 against a loan of 300 and the
// capital of 1200. The year sells 1000 and buys 300 in cash, the owner takes
// 200 out and puts 100 in. Drawings start each year from nothing in the
// ledger, but their 500 on the sheet still belong to the closing sheet.
TEST(CarriedBalances, FoldTheOwnersRowsAndTheIncomeIntoTheCapital) {
    const QString header = QStringLiteral("account_cd\taccount_name\tmoney");
    const SheetSides sheet{{header, QStringLiteral("100\t現　金\t1000"), QStringLiteral("330\t事業主貸\t500"),
                            QStringLiteral("340\t合　　計\t1500")},
                           {header, QStringLiteral("420\t借入金\t300"), QStringLiteral("610\t事業主借\t"),
                            QStringLiteral("620\t元入金\t1200"), QStringLiteral("630\t青色申告特別控除前の所得金額\t0"),
                            QStringLiteral("640\t合　計\t1500")}};
    const TrialBalance balance{{Line("100", AccountGroup::Asset, 1000, 1600), Line("330", AccountGroup::Asset, 0, 200),
                                Line("610", AccountGroup::LiabilityAndCapital, 0, 100),
                                Line("700", AccountGroup::Revenue, 0, 1000), Line("720", AccountGroup::Cost, 0, 300)}};
    const CarriedSheet carried = CarriedBalances(sheet, balance);
    QStringList rows;
    for (const CarriedAmount& row : carried.rows)
        rows << row.code + (row.asset ? QStringLiteral(" a ") : QStringLiteral(" d ")) + QString::number(row.money);
    // 元入金 1200 + 事業主借 100 + 所得 700 − 事業主貸 (500 + 200) = 1300
    EXPECT_EQ(rows, (QStringList{"100 a 1600", "330 a 0", "420 d 300", "610 d 0", "620 d 1300", "630 d 0"}));
    EXPECT_EQ(carried.assetTotal, 1600);
    EXPECT_EQ(carried.debitTotal, 1600);
    EXPECT_TRUE(HoldsAmounts(sheet));
    EXPECT_FALSE(
        HoldsAmounts({{header, QStringLiteral("100\t現　金\t0")}, {header, QStringLiteral("610\t事業主借\t")}}));
}

TEST(CarriedBalances, AmountsTheSheetCannotHoldAreRefused) {
    const QString cannot = QStringLiteral("2020年度末の残高を繰越できません。\r\n");
    const QString tail = QStringLiteral("円が，期首データに登録できる範囲を超えます。");
    const struct {
        qint64 asset, debit;  // the amounts of 100 and 620, and the side totals
        QString message;      // empty: the sheet holds them
    } cases[] = {
        {2147483647, 2147483647, QString()},
        {0, 0, QString()},
        {2147483648, 2147483648, cannot + QStringLiteral("勘定科目コード100の金額2147483648") + tail},
        {0, -2147483649, cannot + QStringLiteral("勘定科目コード620の金額-2147483649") + tail},
        {0, -1, cannot + QStringLiteral("繰越後の負債の合計-1") + tail},
    };
    for (const auto& c : cases) {
        const CarriedSheet sheet{{{"100", c.asset, true}, {"620", c.debit, false}}, c.asset, c.debit};
        EXPECT_EQ(CarriedSheetProblem(sheet, QStringLiteral("2020")).value_or(QString()), c.message) << c.asset;
    }
    const CarriedSheet tooMuch{{{"100", 2147483647, true}, {"110", 1, true}}, 2147483648, 0};
    EXPECT_EQ(CarriedSheetProblem(tooMuch, QStringLiteral("2020")),
              cannot + QStringLiteral("繰越後の資産の合計2147483648") + tail);
}

}  // namespace
