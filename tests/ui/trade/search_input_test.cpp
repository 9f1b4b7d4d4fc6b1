// The search frame's boxes as typed: what is normalised into conditions and
// what is refused, with the message and the box that gets the focus.
#include "ui/trade/search_input.h"

#include <gtest/gtest.h>

namespace {

using F = SearchField;

SearchInput In(const QString& dateFrom, const QString& dateTo, const QString& amountFrom, const QString& amountTo,
               const QString& text = {}, bool allYears = false) {
    return {.fiscalYear = 2020,
            .allYears = allYears,
            .dateFrom = dateFrom,
            .dateTo = dateTo,
            .amountFrom = amountFrom,
            .amountTo = amountTo,
            .text = text};
}

QString Shown(const std::optional<QDate>& d) { return d ? d->toString("yyyy-MM-dd") : "-"; }
QString Shown(const std::optional<qint64>& a) { return a ? QString::number(*a) : "-"; }

TEST(SearchInput, NormalisesWhatNamesAValue) {
    const struct {
        SearchInput input;
        const char* want;  // date from, date to, amount from, amount to
    } cases[] = {
        {In("", "", "", ""), "- - - -"},
        {In("2020/4/1", "2020/04/30", "1000", "2000"), "2020-04-01 2020-04-30 1000 2000"},
        {In("２０２０／０４／０１", " 12/31 ", "１，０００", "￥2,147,483,647"),
         "2020-04-01 2020-12-31 1000 2147483647"},
        {In("2020-02-29", "", "0", ""), "2020-02-29 - 0 -"},
        {In("2019/12/31", "2021/1/1", "", "", "", true), "2019-12-31 2021-01-01 - -"},
    };
    for (const auto& c : cases) {
        const auto result = CheckedSearch(c.input);
        const auto* conditions = std::get_if<SearchConditions>(&result);
        ASSERT_NE(conditions, nullptr) << c.want;
        EXPECT_EQ(QStringList({Shown(conditions->dateFrom), Shown(conditions->dateTo), Shown(conditions->amountFrom),
                               Shown(conditions->amountTo)})
                      .join(' '),
                  c.want);
    }
}

TEST(SearchInput, RefusesWithTheBoxToFix) {
    const struct {
        SearchInput input;
        F field;
        const char* message;
    } cases[] = {
        {In("2020/02/30", "", "", ""), F::DateFrom,
         "日付「2020/02/30」はありません。\r\n2020/04/01のように入力してください。"},
        {In("", "4月1日", "", ""), F::DateTo, "日付「4月1日」はありません。\r\n2020/04/01のように入力してください。"},
        {In("2021/01/01", "", "", ""), F::DateFrom, "会計年度(2020年)の日付を入力するか、全年度を選んでください。"},
        {In("2020/05/01", "2020/04/01", "", ""), F::DateFrom, "期間の始めの日付が終わりの日付より後になっています。"},
        {In("", "", "2147483648", ""), F::AmountFrom, "金額は0から2147483647までの数字で入力してください。"},
        {In("", "", "", "-5"), F::AmountTo, "金額は0から2147483647までの数字で入力してください。"},
        {In("", "", "", "1.5"), F::AmountTo, "金額は0から2147483647までの数字で入力してください。"},
        {In("", "", "300", "200"), F::AmountFrom, "金額の下限が上限より大きくなっています。"},
        {In("", "", "", "", "犬😀"), F::Text, "摘要に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　😀"},
    };
    for (const auto& c : cases) {
        const auto result = CheckedSearch(c.input);
        const auto* problem = std::get_if<SearchProblem>(&result);
        ASSERT_NE(problem, nullptr) << c.message;
        EXPECT_EQ(problem->message, c.message);
        EXPECT_EQ(problem->field, c.field) << c.message;
    }
}

}  // namespace
