// The plain rules behind the transaction screen: the calendar kept inside
// the fiscal year, the grouping of the trade list, the preset widths, and the
// limits of the entry checks.
#include "ui/trade/calendar_rule.h"
#include "ui/trade/trade_entry.h"
#include "ui/trade/trade_list_items.h"

#include <gtest/gtest.h>

TEST(CalendarRule, DatesArePulledBackIntoTheFiscalYear) {
    const struct {
        QDate date, kept;
    } cases[] = {
        {{2021, 1, 15}, {2020, 12, 1}},   {{2030, 7, 31}, {2020, 12, 1}}, {{2019, 12, 31}, {2020, 1, 1}},
        {{2020, 12, 31}, {2020, 12, 31}}, {{2020, 1, 1}, {2020, 1, 1}},   {{2020, 2, 29}, {2020, 2, 29}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeepInsideFiscalYear(c.date, 2020), c.kept) << c.date.toString().toStdString();
    EXPECT_EQ(OutsideFiscalYearMessage({2020, 12, 31}, 2020), QString());
    EXPECT_EQ(
        OutsideFiscalYearMessage({2021, 1, 1}, 2020),
        "2020年度の画面では、2021/01/01の取引を登録・更新できません。\r\nカレンダーで2020年の日付を選んでください。");
}

TEST(TradeListItems, GroupsAreSeparatedFromDToPAndFromBToD) {
    ResultTable trades{"trade_cd\ttrade_name\ttrade_class_cd"};
    for (const char* row : {"01\t現金売上\tB", "02\t掛売上\tB", "50\t電気代\tD", "70\t生活費\tP", "03\t雑収入\tB",
                            "51\tガス代\tD", "52\t水道代\tD", "71\t預金\tP", "72\t入金\tP"})
        trades << row;
    EXPECT_EQ(TradeItems(trades),
              (QStringList{"01 B 現金売上", "02 B 掛売上", "", "50 D 電気代", "", "70 P 生活費", "03 B 雑収入", "",
                           "51 D ガス代", "52 D 水道代", "", "71 P 預金", "72 P 入金"}));
    EXPECT_EQ(CodeOfItem("50 D 電気代"), "50");
    EXPECT_EQ(ClassOfItem("50 D 電気代"), "D");
    EXPECT_EQ(CodeOfItem(""), "");
}

TEST(TradeListItems, PresetsKeepEveryDigitOfTheMaster) {
    const struct {
        QStringList master;
        QStringList items, values;
    } cases[] = {
        {{"5", "85", "500"}, {"  5", " 85", "500"}, {"5", "85", "500"}},
        {{"85", "1500", "100000"}, {"    85", "  1500", "100000"}, {"85", "1500", "100000"}},
        {{}, {}, {}},
    };
    for (const auto& c : cases) {
        ResultTable table{c.master.isEmpty() ? QString() : QStringLiteral("value_num")};
        table << c.master;
        const PresetList presets = PresetItems(table, "value_num");
        EXPECT_EQ(presets.items, c.items);
        EXPECT_EQ(presets.values, c.values);
    }
}

TEST(EntryChecks, BoundariesOfTheSummaryAmountAndPercentage) {
    const QString fifteenWide(15, QChar(0x3042));
    const struct {
        QString summary, money, percent;
        QString message;  // empty: passes
    } cases[] = {
        {fifteenWide, "0", "0", ""},
        {fifteenWide + "a", "1", "1", "取引詳細は全角15文字(30バイト)以内で入力してください。"},
        {"電気代　前月分", "1", "100", ""},
        {"電気代 前月分", "1", "100", "取引詳細は半角スペースを使わずに指定してください。"},
        {"電気代", "2147483647", "100", ""},
        {"電気代", "2147483648", "100", "金額は2147483647円以下で入力してください。"},
        {"電気代", "99999999999999999999", "100", "金額は2147483647円以下で入力してください。"},
        {"電気代", "1", "0100", ""},
        {"電気代", "1", "101", "事業に使った割合は100以下で入力してください。"},
        {"電気代", "1", "99999999999999999999", "事業に使った割合は100以下で入力してください。"},
        {"電気代\r\n", "1", "100", "取引詳細にタブや改行などの制御文字は使えません。\r\n入力し直してください。"},
        {"①髙橋𠮷€", "1", "100",
         "取引詳細に次の文字は使えません（Shift_"
         "JISで保存できません）。\r\n\r\n　𠮷€\r\n\r\n別の文字に置き換えてください。"},
    };
    for (const auto& c : cases) {
        const auto problem = CheckNewEntry({false, true, true, c.summary, c.money, c.percent});
        EXPECT_EQ(problem ? problem->message : QString(), c.message) << c.summary.toStdString();
    }
}
