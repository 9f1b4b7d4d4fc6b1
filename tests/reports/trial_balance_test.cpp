// The trial balance in both layouts: golden files of the fixture year, every
// amount against sums the test takes from the books itself, the grand
// totals, and each closing balance against the last balance of the
// account's general ledger page.
#include "fixture_books.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "reports/general_ledger.h"
#include "reports/report_file.h"
#include "reports/trial_balance_report.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

namespace {

using Amounts = std::vector<std::optional<qint64>>;

ReportValues Values(int year) {
    // The month and the period are set on purpose: the trial balance covers the year.
    return {.year = year,
            .month = 7,
            .rangeIndex = 1,
            .userName = QStringLiteral("山田　太郎"),
            .dbFileName = QStringLiteral("velmo.sqlite3")};
}

int Columns(TrialBalanceLayout layout) { return layout == TrialBalanceLayout::Totals ? 4 : 14; }

// A line of either layout read at its byte positions: code, name and every
// amount column, nothing where a column is blank.
struct Row {
    QString code, name;
    Amounts amounts;
};

Row RowOf(const QString& line, int columns) {
    const QByteArray bytes = Sjis(line);
    Row row{QString::fromLatin1(bytes.left(4).trimmed()), platform::fromCp932(bytes.mid(5, 30)).trimmed(), {}};
    for (int k = 0; k < columns; ++k) {
        const QByteArray cell = bytes.mid(36 + 13 * k, 12).trimmed();
        row.amounts.push_back(cell.isEmpty() ? std::nullopt : std::optional<qint64>(cell.toLongLong()));
    }
    return row;
}

// The account lines by code and the total lines by caption.
struct Report {
    std::map<QString, Row> accounts;
    std::map<QString, Row> totals;
};

Report Read(TrialBalanceLayout layout, int year) {
    const QStringList lines = BuildTrialBalanceReport(Values(year), layout).join(kCrLf).split(kCrLf);
    Report report;
    // After the title, the empty line, the heading and the rule.
    for (qsizetype i = 4; i < lines.size(); ++i) {
        if (lines[i].isEmpty() || lines[i].startsWith(QLatin1Char('-'))) continue;
        const Row row = RowOf(lines[i], Columns(layout));
        (row.code.isEmpty() ? report.totals[row.name] : report.accounts[row.code]) = row;
    }
    return report;
}

// An account of the fixture year as the books give it: the opening amount
// the ledger starts from, each month's debits and credits.
struct Books {
    QString accountClass;
    qint64 opening = 0;
    qint64 debit = 0, credit = 0;
    std::array<qint64, 12> months{};
    int rows = 0;
    qint64 closing() const {
        qint64 closing = opening;
        for (const qint64 month : months) closing += month;
        return closing;
    }
    Amounts in(TrialBalanceLayout layout) const {
        if (layout == TrialBalanceLayout::Totals) return {opening, debit, credit, closing()};
        Amounts amounts{opening};
        amounts.insert(amounts.end(), months.begin(), months.end());
        amounts.push_back(closing());
        return amounts;
    }
};

std::map<QString, Books> FromBooks(const TempInstall& install) {
    std::map<QString, Books> books;
    for (const QString& row : install.rows(QStringLiteral(
             "select a.account_cd, a.account_class, case when a.output_class = 'B' then 0 else ifnull(b.money, 0) end "
             "from m_account a left join t_bs_begining b on b.year = 2020 and b.account_cd = a.account_cd "
             "where a.account_cd not in ('340', '640')"))) {
        const QStringList f = row.split(QLatin1Char('\t'));
        books[f[0]] = {.accountClass = f[1], .opening = f[2].toLongLong()};
    }
    for (const QString& row : install.rows(
             QStringLiteral("select t.month, m.debit_cd, m.credit_cd, t.money * t.rate / 100 from t_trade t "
                            "join m_trade m on t.trade_cd = m.trade_cd where t.year = 2020 and t.is_valid = 1"))) {
        const QStringList f = row.split(QLatin1Char('\t'));
        const qint64 amount = f[3].toLongLong();
        for (const bool debit : {true, false}) {
            Books& account = books[debit ? f[1] : f[2]];
            const bool grows =
                account.accountClass == QStringLiteral("a") || account.accountClass == QStringLiteral("c");
            (debit ? account.debit : account.credit) += amount;
            account.months.at(f[0].toInt() - 1) += (debit == grows ? amount : -amount);
            ++account.rows;
        }
    }
    std::erase_if(books, [](const auto& account) { return account.second.rows == 0 && account.second.opening == 0; });
    return books;
}

Amounts Sum(const Amounts& a, const Amounts& b, qint64 sign = 1) {
    Amounts sum;
    for (size_t i = 0; i < a.size(); ++i) sum.push_back(*a[i] + sign * *b[i]);
    return sum;
}

TEST(TrialBalance, MatchesItsGoldenFiles) {
    const struct {
        const char* golden;
        TrialBalanceLayout layout;
        int year;
    } cases[] = {
        {"trial_balance_2020.txt", TrialBalanceLayout::Totals, 2020},
        {"monthly_trial_balance_2020.txt", TrialBalanceLayout::Monthly, 2020},
        // Neither a sheet nor a transaction: the groups and totals at 0.
        {"monthly_trial_balance_2019.txt", TrialBalanceLayout::Monthly, 2019},
    };
    TempInstall install;
    OpenFixtureBooks(install);
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.golden);
        EXPECT_EQ(WriteReport(BuildTrialBalanceReport(Values(c.year), c.layout), name), std::nullopt);
        EXPECT_EQ(GoldenDiff(QStringLiteral("reports/") + name, install.readBytes(QStringLiteral("txt/") + name)), "")
            << c.golden;
    }
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
}

TEST(TrialBalance, AmountsAgreeWithTheBooks) {
    TempInstall install;
    OpenFixtureBooks(install);
    const std::map<QString, Books> books = FromBooks(install);
    const std::map<QString, QString> groups{{QStringLiteral("a"), QStringLiteral("資産計")},
                                            {QStringLiteral("d"), QStringLiteral("負債・資本計")},
                                            {QStringLiteral("r"), QStringLiteral("収益計")},
                                            {QStringLiteral("c"), QStringLiteral("費用計")}};
    for (const TrialBalanceLayout layout : {TrialBalanceLayout::Totals, TrialBalanceLayout::Monthly}) {
        SCOPED_TRACE(Columns(layout));
        const Report report = Read(layout, 2020);
        std::map<QString, Amounts> subtotals;
        for (const auto& [accountClass, caption] : groups) subtotals[caption] = Amounts(Columns(layout), 0);
        ASSERT_EQ(report.accounts.size(), books.size());
        for (const auto& [code, account] : books) {
            EXPECT_EQ(report.accounts.at(code).amounts, account.in(layout)) << code.toStdString();
            Amounts& subtotal = subtotals[groups.at(account.accountClass)];
            subtotal = Sum(subtotal, account.in(layout));
        }
        for (const auto& [caption, subtotal] : subtotals)
            EXPECT_EQ(report.totals.at(caption).amounts, subtotal) << caption.toStdString();

        Amounts income = Sum(subtotals.at(QStringLiteral("収益計")), subtotals.at(QStringLiteral("費用計")), -1);
        if (layout == TrialBalanceLayout::Totals) {
            // Debit and credit sums of every account; income only where balances stand.
            const qint64 all =
                install
                    .rows(QStringLiteral(
                        "select sum(t.money * t.rate / 100) from t_trade t join m_trade m on t.trade_cd = m.trade_cd "
                        "where t.year = 2020 and t.is_valid = 1"))
                    .value(0)
                    .toLongLong();
            EXPECT_EQ(report.totals.at(QStringLiteral("合計")).amounts,
                      (Amounts{std::nullopt, all, all, std::nullopt}));
            income[1] = income[2] = std::nullopt;
        }
        EXPECT_EQ(report.totals.at(QStringLiteral("青色申告特別控除前の所得金額")).amounts, income);
        EXPECT_EQ(report.totals.size(), groups.size() + (layout == TrialBalanceLayout::Totals ? 2 : 1));
    }
}

TEST(TrialBalance, ClosingBalancesAreTheLastBalancesOfTheLedgerPages) {
    TempInstall install;
    OpenFixtureBooks(install);
    const QStringList ledger = BuildGeneralLedgerReport(Values(2020)).join(kCrLf).split(kCrLf);
    std::map<QString, qint64> lastBalance;
    QString page;
    for (const QString& line : ledger) {
        if (line.startsWith(QStringLiteral("■"))) page = line.mid(1, 3);
        const QByteArray bytes = Sjis(line);
        if (!page.isEmpty() && bytes.size() == 109 && !line.startsWith(QLatin1Char('-')) &&
            !line.startsWith(QStringLiteral("日付")))
            lastBalance[page] = bytes.mid(99).trimmed().toLongLong();
    }
    ASSERT_FALSE(lastBalance.empty());
    for (const TrialBalanceLayout layout : {TrialBalanceLayout::Totals, TrialBalanceLayout::Monthly}) {
        const Report report = Read(layout, 2020);
        for (const auto& [code, balance] : lastBalance)
            EXPECT_EQ(report.accounts.at(code).amounts.back(), balance) << code.toStdString();
        // An account without a page did not move: it closes at its opening balance.
        for (const auto& [code, row] : report.accounts) {
            if (lastBalance.contains(code)) continue;
            EXPECT_EQ(row.amounts.back(), row.amounts.front()) << code.toStdString();
        }
    }
}

// Opening balances and directions follow the ledger; the rest is the trial balance's own.
TEST(TrialBalance, LinesFromPlainValues) {
    const ResultTable accounts{
        QStringLiteral("account_cd\taccount_name\taccount_class\toutput_class\tmoney"),
        QStringLiteral("100\t現　金\ta\tA\t1000"),
        QStringLiteral("150\t売掛金\ta\tA\t0"),  // unused and empty: no line
        QStringLiteral("160\t有価証券\ta\tA\t42"),
        QStringLiteral("330\t事業主貸\ta\tB\t50000"),  // its opening amount ignored: no line
        QStringLiteral("420\t借入金\td\tA\t800"),
        QStringLiteral("700\t売上\tr\tB\t0"),
        QStringLiteral("720\t仕入\tc\tB\t5000"),
        QStringLiteral("999\t名\tx\tA\t0"),
    };
    const LedgerJournal journal(
        2020, {QStringLiteral("month\tday\tseq\ttrade_cd\tdebit_cd\tdebit_name\tcredit_cd\tcredit_name\tmoney_val\t"
                              "detail_name"),
               QStringLiteral("1\t6\t1\t01\t100\t現　金\t700\t売上\t500\t売上"),
               QStringLiteral("2\t3\t1\t08\t720\t仕入\t100\t現　金\t200\t仕入"),
               QStringLiteral("2\t4\t1\tXX\t100\t現　金\t100\t現　金\t70\t振替"),
               QStringLiteral("12\t1\t1\t38\t100\t現　金\t420\t借入金\t300\t借入"),
               QStringLiteral("12\t2\t1\tYY\t999\t名\t420\t借入金\t9\t謎")});
    const struct {
        const char* code;
        AccountGroup group;
        qint64 opening, debit, credit, january, february, december, closing;
    } expected[] = {
        {"100", AccountGroup::Asset, 1000, 870, 270, 500, -200, 300, 1600},
        {"160", AccountGroup::Asset, 42, 0, 0, 0, 0, 0, 42},
        {"420", AccountGroup::LiabilityAndCapital, 800, 0, 309, 0, 0, 309, 1109},
        {"999", AccountGroup::LiabilityAndCapital, 0, 9, 0, 0, 0, -9, -9},
        {"700", AccountGroup::Revenue, 0, 0, 500, 500, 0, 0, 500},
        {"720", AccountGroup::Cost, 0, 200, 0, 0, 200, 0, 200},
    };
    const TrialBalance balance = TrialBalanceOf(accounts, journal);
    ASSERT_EQ(balance.lines.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const auto& e = expected[i];
        const TrialBalanceLine& line = balance.lines[i];
        EXPECT_EQ(line.code, QString::fromLatin1(e.code));
        EXPECT_EQ(line.group, e.group) << e.code;
        EXPECT_EQ((std::array{line.opening, line.debit, line.credit, line.months[0], line.months[1], line.months[11],
                              line.closing}),
                  (std::array{e.opening, e.debit, e.credit, e.january, e.february, e.december, e.closing}))
            << e.code;
    }
    EXPECT_EQ(IncomeBeforeDeduction(balance), 300);
}

TEST(TrialBalance, AsksForItsFileNameAndNeedsTheOpeningBalanceSheet) {
    const struct {
        TrialBalanceLayout layout;
        const char* subject;
        const char* defaultName;
    } cases[] = {
        {TrialBalanceLayout::Totals, "2020年の試算表", "2020_試算表.txt"},
        {TrialBalanceLayout::Monthly, "2020年の月別試算表", "2020_月別試算表.txt"},
    };
    for (const auto& c : cases) {
        const ReportQuestion question = TrialBalanceQuestion(Values(2020), c.layout);
        EXPECT_EQ(question.prompt, QString::fromUtf8(c.subject) +
                                       QStringLiteral("をテキストファイルに出力します。\r\n\r\n出力ファイル名を"
                                                      "指定してください。"));
        EXPECT_EQ(question.title, QStringLiteral("出力ファイル名を指定"));
        EXPECT_EQ(question.defaultName, QString::fromUtf8(c.defaultName));
    }
    TempInstall install;
    OpenFixtureBooks(install);
    EXPECT_EQ(TrialBalanceRefusal(QStringLiteral("2020")), std::nullopt);
    EXPECT_EQ(TrialBalanceRefusal(QStringLiteral("2021")),
              QStringLiteral("試算表を出力するには，貸借対照表期首データが必要です。\r\n"
                             "貸借対照表期首データを作成(初期データ作成)してください。"));
}

}  // namespace
