// The list items of the opening balance screen for the rows a database tool
// can leave behind: long names, unnamed accounts, the widest amount, and
// amounts the list cannot show.
#include "ui/opening_balance/balance_rows.h"
#include "app/runtime_error.h"

#include <gtest/gtest.h>

namespace {

QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

}  // namespace

TEST(BalanceRows, ItemsKeepTheirColumnsWhateverTheNameAndAmount) {
    struct Case {
        const char* row;
        QString item;
    };
    const QString longName = QString(17, QChar(0x6F22));  // 34 bytes
    const Case cases[] = {
        {"100\t現\u3000金\t1000", QStringLiteral("100 現\u3000金") + Blanks(26) + Blanks(1) + Blanks(6) + "1000"},
        {"260\t\t0", "260 " + Blanks(32) + Blanks(1) + Blanks(9) + "0"},
        {"630\t漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢漢\t2147483647", "630 " + longName.left(16) + " 2147483647"},
        // 31 bytes and a double-byte character: cut before it, one blank fills.
        {"150\tABCDEFGHIJKLMNOPQRSTUVWXYZ01234漢\t007",
         "150 ABCDEFGHIJKLMNOPQRSTUVWXYZ01234" + Blanks(1) + Blanks(1) + Blanks(9) + "7"},
    };
    for (const Case& c : cases) {
        const QStringList items = BalanceListItems({"account_cd\taccount_name\tmoney", QString::fromUtf8(c.row)});
        ASSERT_EQ(items.size(), 1);
        EXPECT_EQ(items[0], c.item) << c.row;
        EXPECT_EQ(CodeOf(items[0]), QString::fromUtf8(c.row).left(3));
    }
}

TEST(BalanceRows, AnAmountTheListCannotShowIsARunTimeError) {
    for (const char* money : {"", "2147483648", "12.5"})
        EXPECT_THROW(BalanceListItems({"h", QStringLiteral("100\t現金\t") + money}), RunTimeError) << money;
    EXPECT_THROW(NameAndMoneyOf({QString()}, "620"), RunTimeError);
    const NameAndMoney row = NameAndMoneyOf({"account_name\tmoney", "元入金\t0"}, "620");
    EXPECT_EQ(row.name, "元入金");
    EXPECT_EQ(row.money, "0");
}
