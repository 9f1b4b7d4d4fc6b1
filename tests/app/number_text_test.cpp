// Numbers typed the way Japanese users type them, against the checks that
// follow: what the box then shows, and whether the year and the amount
// checks take it.
#include "app/number_text.h"
#include "app/fiscal_year.h"
#include "store/store_common.h"

#include <gtest/gtest.h>

namespace {

TEST(NormalizedNumberText, FullWidthDigitsCommasYenMarksAndBlanksOnly) {
    const struct {
        QString typed, shown;
        bool year, amount;
    } cases[] = {
        {"１２００", "1200", false, true},
        {"1,500,000", "1500000", false, true},
        {"１，５００，０００", "1500000", false, true},
        {"¥1,200", "1200", false, true},
        {"￥１２００", "1200", false, true},
        {"\\980", "980", false, true},
        {"￥　1,500 ", "1500", false, true},
        {" ２０２６　", "2026", true, true},
        {"007", "007", false, true},
        {"２，１４７，４８３，６４７", "2147483647", false, true},
        // Still refused: nothing, letters, signs, fractions, blanks inside, a mark elsewhere, past the limit.
        {"", "", false, false},
        {"　 ", "", false, false},
        {"￥", "", false, false},
        {"１２a", "12a", false, false},
        {"-1,200", "-1200", false, false},
        {"－１２００", "－1200", false, false},
        {"1.5", "1.5", false, false},
        {"１．５", "1．5", false, false},
        {"12 00", "12 00", false, false},
        {"1\t200", "1\t200", false, false},
        {"¥¥100", "¥100", false, false},
        {"100¥", "100¥", false, false},
        {"1200円", "1200円", false, false},
        {"2,147,483,648", "2147483648", false, false},
        {"２０２０ー", "2020ー", false, false},
    };
    for (const auto& c : cases) {
        const QString shown = NormalizedNumberText(c.typed);
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(shown.toStdString(), c.shown.toStdString());
        EXPECT_EQ(IsFiscalYearText(shown), c.year);
        EXPECT_EQ(IsStorableAmount(shown), c.amount);
    }
}

}  // namespace
