#include "app/runtime_error.h"
#include "store/report_lines.h"

#include <gtest/gtest.h>

namespace {

TEST(TradeListItem, FixedColumns) {
    const struct {
        TradeRecordFields row;
        QString line;
    } cases[] = {
        {{"4", "1", "1", "01", "02", "電気代", "12000", "50"},
         "2020/04/01(水)  1 01 02 電気代" + QString(24, ' ') + "     \\12000  50％"},
        // Cut before a double-byte character: 29 bytes and one blank. Ten
        // digits push out the yen mark; seq shows its last three digits.
        {{"4", "5", "1234", "01", "02", "ABCDEFGHIJKLMNOPQRSTUVWXYZ123あ", "1234567890", "100"},
         "2020/04/05(日)234 01 02 ABCDEFGHIJKLMNOPQRSTUVWXYZ123  1234567890 100％"},
        {{"12", "31", "12", "01", "02", "Bob's", "123456789", "5"},
         "2020/12/31(木) 12 01 02 Bob's" + QString(25, ' ') + " \\123456789   5％"},
        // Exactly 30 bytes is kept whole.
        {{"2", "29", "3", "B1", "01", "あいうえおかきくけこさしすせそ", "0", "0"},
         "2020/02/29(土)  3 B1 01 あいうえおかきくけこさしすせそ         \\0   0％"},
    };
    for (const auto& c : cases) EXPECT_EQ(TradeListItem(QStringLiteral("2020"), c.row), c.line);
}

TEST(TradeListItem, ValuesThatCannotBeLaidOutAreRunTimeErrors) {
    const TradeRecordFields rows[] = {
        {"2", "30", "1", "01", "02", "x", "1", "100"},
        {"13", "1", "1", "01", "02", "x", "1", "100"},
        {"4", "1", "1", "01", "02", "x", "", "100"},
        {"4", "1", "1", "01", "02", "x", "1", "abc"},
    };
    for (const auto& row : rows) EXPECT_THROW(TradeListItem(QStringLiteral("2020"), row), RunTimeError);
}

}  // namespace
