// The screens' plain rules, each against a table: the checks of a new
// transaction and of an opening amount, the key read back from a record
// line, the calendar's fiscal year and the balances a carry stores.
#include "import/trade_entry.h"
#include "ui/opening_balance/amount_checks.h"
#include "ui/opening_balance/carried_balances.h"
#include "ui/trade/calendar_rule.h"
#include "ui/trade/record_line.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const QString& text) { return text.toStdString(); }

TEST(Rules, CheckNewEntryGivesTheFirstProblemAndItsControl) {
    const QString wide15(15, QChar(0x3042));
    const struct {
        bool trade, detail;
        QString summary, money, percent, message;
        EntryField field;
    } cases[] = {
        {false, true, "電気代", "1", "1", "取引一覧から項目を選択してください。", EntryField::TradeList},
        {true, false, "電気代", "1", "1", "取引詳細一覧から項目を選択してください。", EntryField::DetailList},
        {true, true, "", "", "", "具体的な取引内容(取引詳細)を入力してください。", EntryField::Summary},
        {true, true, "電気\r\n代", "1", "1",
         "取引詳細にタブや改行などの制御文字は使えません。\r\n入力し直してください。", EntryField::Summary},
        {true, true, "①髙橋𠮷€", "1", "1",
         "取引詳細に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　𠮷€\r\n\r\n別の文字に置き換えて"
         "ください。",
         EntryField::Summary},
        {true, true, wide15 + "a", "1", "1", "取引詳細は全角15文字(30バイト)以内で入力してください。",
         EntryField::Summary},
        {true, true, "電気 代", "1", "1", "取引詳細は半角スペースを使わずに指定してください。", EntryField::Summary},
        {true, true, "電気代", "", "", "金額を入力してください。", EntryField::Money},
        {true, true, "電気代", "-1", "1", "金額は数字だけを入力してください。", EntryField::Money},
        {true, true, "電気代", "2147483648", "1", "金額は2147483647円以下で入力してください。", EntryField::Money},
        {true, true, "電気代", "1", "", "事業に使った割合を入力してください。", EntryField::Percent},
        {true, true, "電気代", "1", "5%", "事業に使った割合は数字だけを入力してください。", EntryField::Percent},
        {true, true, "電気代", "1", "101", "事業に使った割合は100以下で入力してください。", EntryField::Percent},
        {true, true, wide15, "2147483647", "0100", "", EntryField::Summary},
        {true, true, "電気代　前月分", "0", "0", "", EntryField::Summary},
    };
    for (const auto& c : cases) {
        const std::optional<EntryProblem> problem =
            CheckNewEntry({false, c.trade, c.detail, c.summary, c.money, c.percent});
        SCOPED_TRACE(Text(c.summary + '|' + c.money + '|' + c.percent));
        EXPECT_EQ(Text(problem ? problem->message : QString()), Text(c.message));
        EXPECT_EQ(problem ? problem->field : EntryField::Summary, c.field);
    }
}

TEST(Rules, RecordKeyOfReadsTheDateAndSeqByPosition) {
    const struct {
        QString line, key;
    } cases[] = {
        {"2020/04/05(日)  2 50 01 電気代  \\4000 30％", "2020/04/05 2020 04 05 2"},
        {"2020/12/31(木)999 14 01 電車代  \\100 100％", "2020/12/31 2020 12 31 999"},
        {"2021/01/09(土) 10", "2021/01/09 2021 01 09 10"},
    };
    for (const auto& c : cases) {
        const RecordKey key = RecordKeyOf(c.line);
        EXPECT_EQ(Text(QStringList({key.dateText, key.year, key.month, key.day, QString::number(key.seq)}).join(' ')),
                  Text(c.key));
    }
}

TEST(Rules, KeepInsideFiscalYearPullsBackAStepPastEitherEnd) {
    const struct {
        QDate date, kept;
    } cases[] = {
        {{2020, 1, 1}, {2020, 1, 1}},  {{2020, 12, 31}, {2020, 12, 31}}, {{2020, 2, 29}, {2020, 2, 29}},
        {{2021, 1, 1}, {2020, 12, 1}}, {{2019, 12, 31}, {2020, 1, 1}},   {{2023, 6, 15}, {2020, 12, 1}},
        {{1999, 6, 15}, {2020, 1, 1}},
    };
    for (const auto& c : cases) EXPECT_EQ(KeepInsideFiscalYear(c.date, 2020), c.kept) << Text(c.date.toString());
}

TEST(Rules, AmountTextProblemTakesDigitsWithin32Bits) {
    const QString digits = "有効な金額を指定してください。\r\n半角または全角の数字。カンマは使えます。";
    const QString range = "金額は2147483647円以下で指定してください。";
    const struct {
        QString money, message;
    } cases[] = {
        {"0", ""},      {"007", ""},     {"2147483647", ""},    {"", digits},
        {"-5", digits}, {"12a", digits}, {"1,000", digits},     {"１０", digits},
        {" 5", digits}, {"1.5", digits}, {"2147483648", range}, {"99999999999999999999", range},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(AmountTextProblem(c.money)), Text(c.message)) << Text(c.money);
}

// The carried rows as "code=money" with a for the asset side, then both totals.
QString Described(const CarriedSheet& sheet) {
    QStringList rows;
    for (const CarriedAmount& row : sheet.rows)
        rows << row.code + '=' + QString::number(row.money) + (row.asset ? "a" : "");
    return rows.join(' ') + QStringLiteral(" | %1 %2").arg(sheet.assetTotal).arg(sheet.debitTotal);
}

TrialBalanceLine Line(const char* code, AccountGroup group, qint64 opening, qint64 closing) {
    TrialBalanceLine line;
    line.code = code, line.group = group, line.opening = opening, line.closing = closing;
    return line;
}

TEST(Rules, CarriedBalancesFoldTheOwnersAccountsAndIncomeIntoCapital) {
    const QString head = "account_cd\taccount_name\tmoney";
    // Cash, a bank account left empty (NULL), drawings and the asset total; payables, contributions,
    // capital, income and the debit total. The totals are never carried.
    const SheetSides sheet{
        {head, "100\t現　金\t1000", "130\t普通預金\t", "330\t事業主貸\t50", "340\t合　　計\t99999"},
        {head, "600\t買掛金\t200", "610\t事業主借\t30", "620\t元入金\t700", "630\t所得\t10", "640\t合　　計\t1"}};
    const AccountGroup a = AccountGroup::Asset, d = AccountGroup::LiabilityAndCapital;
    const struct {
        std::vector<TrialBalanceLine> lines;
        QString carried;
    } cases[] = {
        // Nothing moved: capital = 700 + 30 + 10 - 50.
        {{}, "100=1000a 130=0a 330=0a 600=200 610=0 620=690 630=0 | 1000 890"},
        // Each account moves by closing - opening of its line; revenue 2000 less costs 800 adds 1200;
        // 600 has no line and stays. Capital = 700 + (30 + 100) + 10 + 1200 - (50 + 300).
        {{Line("100", a, 1000, 1500), Line("130", a, 0, 200), Line("330", a, 0, 300), Line("610", d, 0, 100),
          Line("400", AccountGroup::Revenue, 0, 2000), Line("500", AccountGroup::Cost, 0, 800)},
         "100=1500a 130=200a 330=0a 600=200 610=0 620=1690 630=0 | 1700 1890"},
        // Drawings beyond the rest leave the capital below zero.
        {{Line("330", a, 0, 5000)}, "100=1000a 130=0a 330=0a 600=200 610=0 620=-4310 630=0 | 1000 -4110"},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(Described(CarriedBalances(sheet, {c.lines}))), Text(c.carried));
}

}  // namespace
