#include "app/text_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(IsDigitsOnly, AsciiDigitsOnly) {
    const struct {
        QString text;
        bool digits;
    } cases[] = {
        {"0", true},   {"2020", true},  {"0123456789", true}, {"", false},   {"２０２０", false},
        {"-1", false}, {"+1", false},   {"1.5", false},       {" 1", false}, {"1 ", false},
        {"١٢", false}, {"12a", false},  {"/", false},         {":", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsDigitsOnly(c.text), c.digits) << c.text.toStdString();
}

TEST(CollapseSpaces, OneBlankPerRunNoneAtTheEnd) {
    const struct {
        QString text, expected;
    } cases[] = {
        {"x  y   z  ", "x y z"}, {"   x", " x"},     {"x", "x"},           {"", ""},
        {"   ", ""},             {"a b", "a b"},    {"x　　y", "x　　y"}, {"a\t\tb ", "a\t\tb"},
        {"  a  b", " a b"},
    };
    for (const auto& c : cases) EXPECT_EQ(CollapseSpaces(c.text), c.expected) << c.text.toStdString();
}

TEST(AppendStringArray, CopiesElementsOneToNAfterTheLast) {
    const struct {
        QStringList source, destination, expected;
    } cases[] = {
        {{"", "a", "b"}, {"", "x"}, {"", "x", "a", "b"}},
        {{"head", "a"}, {""}, {"", "a"}},
        {{""}, {"", "x"}, {"", "x"}},
        {{"", "", "c"}, {"", "x", "y"}, {"", "x", "y", "", "c"}},
    };
    for (auto c : cases) {
        AppendStringArray(c.source, c.destination);
        EXPECT_EQ(c.destination, c.expected);
    }
}

TEST(SelectListItemByPrefix, FirstItemWithThePrefix) {
    const QStringList accounts{"101 現金", "102 普通預金", "1020 定期", "abc", "ABC"};
    const struct {
        QStringList items;
        QString prefix;
        int index;
    } cases[] = {
        {accounts, "102", 1}, {accounts, "1020", 2}, {accounts, "", 0},  {accounts, "9", -1},
        {accounts, "AB", 4},  {accounts, "ab", 3},   {{}, "", -1},       {accounts, "101 現金 ", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(SelectListItemByPrefix(c.items, c.prefix), c.index) << c.prefix.toStdString();
}

TEST(EraTextOf, ReiwaFrom2019) {
    const struct {
        QString year;
        std::optional<QString> era;
    } cases[] = {
        {"2018", ""},   {"2019", "令和1"}, {"2020", "令和2"},   {"2026", "令和8"},
        {"1989", ""},   {"0", ""},         {"abc", std::nullopt}, {"", std::nullopt},
        {"２０２０", std::nullopt}, {"2020 ", std::nullopt}, {"-2020", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(EraTextOf(c.year), c.era) << c.year.toStdString();
}

}  // namespace
