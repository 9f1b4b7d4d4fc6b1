// The screens' plain rules, each case's result written as a line and the
// lines compared with a file: the checks of a new transaction, of an opening
// amount and of the search frame's boxes, the key read back from a record
// line, the calendar's fiscal year and the balances a carry stores.
#include "golden_log.h"
#include "import/trade_entry.h"
#include "platform/cp932.h"
#include "ui/opening_balance/amount_checks.h"
#include "ui/opening_balance/carried_balances.h"
#include "ui/trade/calendar_rule.h"
#include "ui/trade/record_line.h"
#include "ui/trade/search_input.h"

#include <gtest/gtest.h>

namespace {

// The lines against tests/data/ui/rules/<golden>. Line ends within a line are written \n and a character
// Shift_JIS cannot hold as <U+hex>, so that the file shows what the program said.
void ExpectLines(const char* golden, QStringList lines) {
    QString text;
    for (const uint c : lines.replaceInStrings("\r\n", "\\n").join("\r\n").toUcs4())
        text += platform::toCp932(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1)) == "?" && c != '?'
                    ? QString("<U+%1>").arg(c, 0, 16)
                    : QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
    EXPECT_EQ(GoldenDiff(QString("ui/rules/") + golden, Sjis(text + "\r\n")), "");
}

// The cases of tests/data/ui/rules/<name>, one a line with its fields split at |; # comments left out.
QList<QStringList> Cases(const char* name) {
    QList<QStringList> cases;
    for (const QString& line : DataText(QString("ui/rules/") + name).split('\n'))
        if (!line.isEmpty() && !line.startsWith('#')) cases << line.split('|');
    return cases;
}

TEST(Rules, CheckNewEntryGivesTheFirstProblemAndItsControl) {
    QStringList lines;
    for (const QStringList& c : Cases("new_entry.cases")) {
        const QString summary = QString(c[2]).replace("\\n", "\r\n");
        const std::optional<EntryProblem> problem =
            CheckNewEntry({false, c[0] == "1", c[1] == "1", summary, c[3], c[4]});
        lines << QString("%1 %2 [%3] [%4] [%5] -> %6 %7")
                     .arg(c[0], c[1], summary, c[3], c[4])
                     .arg(problem ? static_cast<int>(problem->field) : -1)
                     .arg(problem ? problem->message : QString());
    }
    ExpectLines("new_entry.txt", lines);
}

TEST(Rules, RecordKeyOfReadsTheDateAndSeqByPosition) {
    QStringList lines;
    for (const char* line : {"2020/04/05(日)  2 50 01 電気代  \\4000 30％",
                             "2020/12/31(木)999 14 01 電車代  \\100 100％", "2021/01/09(土) 10"}) {
        const RecordKey key = RecordKeyOf(line);
        lines << QStringList({line, key.dateText, key.year, key.month, key.day, QString::number(key.seq)}).join('|');
    }
    ExpectLines("record_key.txt", lines);
}

TEST(Rules, KeepInsideFiscalYearPullsBackAStepPastEitherEnd) {
    QStringList lines;
    for (const QDate date : {QDate(2020, 1, 1), QDate(2020, 12, 31), QDate(2020, 2, 29), QDate(2021, 1, 1),
                             QDate(2019, 12, 31), QDate(2023, 6, 15), QDate(1999, 6, 15)})
        lines << date.toString(Qt::ISODate) + " -> " + KeepInsideFiscalYear(date, 2020).toString(Qt::ISODate);
    ExpectLines("fiscal_year.txt", lines);
}

TEST(Rules, AmountTextProblemTakesDigitsWithin32Bits) {
    QStringList lines;
    for (const char* money : {"0", "007", "2147483647", "", "-5", "12a", "1,000", "１０", " 5", "1.5", "2147483648",
                              "99999999999999999999"})
        lines << QString("[%1] %2").arg(money, AmountTextProblem(money));
    ExpectLines("amount_text.txt", lines);
}

TrialBalanceLine Line(const char* code, AccountGroup group, qint64 opening, qint64 closing) {
    TrialBalanceLine line;
    line.code = code, line.group = group, line.opening = opening, line.closing = closing;
    return line;
}

// Cash, a bank account left empty (NULL), drawings and the asset total; payables, contributions,
// capital, income and the debit total. The totals are never carried. Carried without moves (capital
// 700 + 30 + 10 - 50); then each account moved by closing - opening of its line, revenue 2000 less
// costs 800 adding 1200, 600 without a line staying; then drawings beyond the rest, the capital below zero.
TEST(Rules, CarriedBalancesFoldTheOwnersAccountsAndIncomeIntoCapital) {
    const QString head = "account_cd\taccount_name\tmoney";
    const SheetSides sheet{
        {head, "100\t現　金\t1000", "130\t普通預金\t", "330\t事業主貸\t50", "340\t合　　計\t99999"},
        {head, "600\t買掛金\t200", "610\t事業主借\t30", "620\t元入金\t700", "630\t所得\t10", "640\t合　　計\t1"}};
    const AccountGroup a = AccountGroup::Asset, d = AccountGroup::LiabilityAndCapital;
    const std::vector<TrialBalanceLine> moves[] = {
        {},
        {Line("100", a, 1000, 1500), Line("130", a, 0, 200), Line("330", a, 0, 300), Line("610", d, 0, 100),
         Line("400", AccountGroup::Revenue, 0, 2000), Line("500", AccountGroup::Cost, 0, 800)},
        {Line("330", a, 0, 5000)}};
    QStringList lines;
    for (const auto& move : moves) {
        const CarriedSheet carried = CarriedBalances(sheet, {move});
        QStringList rows;
        for (const CarriedAmount& row : carried.rows)
            rows << row.code + '=' + QString::number(row.money) + (row.asset ? "a" : "");
        lines << rows.join(' ') + QString(" | %1 %2").arg(carried.assetTotal).arg(carried.debitTotal);
    }
    ExpectLines("carried_balances.txt", lines);
}

QString Shown(const std::optional<QDate>& d) { return d ? d->toString("yyyy-MM-dd") : "-"; }
QString Shown(const std::optional<qint64>& a) { return a ? QString::number(*a) : "-"; }

// What names a value is normalised into conditions; the rest refused with the box to fix.
TEST(Rules, CheckedSearchNormalisesOrRefusesWithTheBoxToFix) {
    QStringList lines;
    for (const QStringList& in : Cases("search_input.cases")) {
        const auto result = CheckedSearch({2020, in[5] == "all", in[0], in[1], in[2], in[3], in[4]});
        QString line = in.join('|') + " -> ";
        if (const auto* c = std::get_if<SearchConditions>(&result))
            line +=
                QStringList{Shown(c->dateFrom), Shown(c->dateTo), Shown(c->amountFrom), Shown(c->amountTo)}.join(' ');
        if (const auto* problem = std::get_if<SearchProblem>(&result))
            line += QString::number(static_cast<int>(problem->field)) + ' ' + problem->message;
        lines << line;
    }
    ExpectLines("search_input.txt", lines);
}

}  // namespace
