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
constexpr TrialBalanceLayout kLayouts[] = {TrialBalanceLayout::Totals, TrialBalanceLayout::Monthly};

ReportValues Values(int year) {
    // The month and the period are set on purpose: the trial balance covers the year.
    return {year, 7, 1, QStringLiteral("山田　太郎"), QStringLiteral("velmo.sqlite3")};
}

// The lines after the title, the heading and the rule, read at their byte
// positions: account lines by code, total lines by caption, each with its
// amount columns (nothing where a column is blank).
std::map<QString, Amounts> Read(TrialBalanceLayout layout) {
    const QStringList lines = BuildTrialBalanceReport(Values(2020), layout).join(kCrLf).split(kCrLf);
    std::map<QString, Amounts> rows;
    for (qsizetype i = 4; i < lines.size(); ++i) {
        const QByteArray bytes = Sjis(lines[i]);
        if (bytes.isEmpty() || bytes.startsWith('-')) continue;
        Amounts& amounts = rows[bytes.startsWith(' ') ? platform::fromCp932(bytes.mid(5, 30)).trimmed()
                                                      : QString::fromLatin1(bytes.left(3))];
        for (qsizetype at = 36; at < bytes.size(); at += 13) {
            const QByteArray cell = bytes.mid(at, 12).trimmed();
            amounts.push_back(cell.isEmpty() ? std::nullopt : std::optional<qint64>(cell.toLongLong()));
        }
    }
    return rows;
}

// The fixture year's accounts as the books give them: the group caption,
// the opening amount the ledger starts from, debits, credits and each
// month's movement where the balance grows.
struct Account {
    QString group;
    qint64 opening = 0, debit = 0, credit = 0;
    std::array<qint64, 12> months{};
    bool moved = false;
    Amounts In(TrialBalanceLayout layout) const {
        qint64 closing = opening;
        for (const qint64 month : months) closing += month;
        if (layout == TrialBalanceLayout::Totals) return {opening, debit, credit, closing};
        Amounts amounts{opening};
        amounts.insert(amounts.end(), months.begin(), months.end());
        amounts.push_back(closing);
        return amounts;
    }
};

std::map<QString, Account> FromBooks(const TempInstall& install) {
    std::map<QString, Account> books;
    for (const QString& row : install.rows(QStringLiteral(
             "select a.account_cd, case a.account_class when 'a' then '資産計' when 'd' then '負債・資本計' "
             "when 'r' then '収益計' else '費用計' end, case when a.output_class = 'B' then 0 else ifnull(b.money, 0) "
             "end from m_account a left join t_bs_begining b on b.year = 2020 and b.account_cd = a.account_cd "
             "where a.account_cd not in ('340', '640')"))) {
        const QStringList f = row.split(QLatin1Char('\t'));
        books[f[0]] = {.group = f[1], .opening = f[2].toLongLong()};
    }
    for (const QString& row : install.rows(
             QStringLiteral("select t.month, m.debit_cd, m.credit_cd, t.money * t.rate / 100 from t_trade t "
                            "join m_trade m on t.trade_cd = m.trade_cd where t.year = 2020 and t.is_valid = 1"))) {
        const QStringList f = row.split(QLatin1Char('\t'));
        for (const bool debit : {true, false}) {
            Account& account = books[f[debit ? 1 : 2]];
            const bool grows = (account.group == QStringLiteral("資産計") || account.group == QStringLiteral("費用計"));
            (debit ? account.debit : account.credit) += f[3].toLongLong();
            account.months.at(f[0].toInt() - 1) += debit == grows ? f[3].toLongLong() : -f[3].toLongLong();
            account.moved = true;
        }
    }
    std::erase_if(books, [](const auto& account) { return !account.second.moved && account.second.opening == 0; });
    return books;
}

Amounts Sum(const Amounts& a, const Amounts& b, qint64 sign = 1) {
    Amounts sum;
    for (size_t i = 0; i < a.size(); ++i) sum.push_back(a[i].value_or(0) + sign * b[i].value_or(0));
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
        EXPECT_EQ(GoldenDiff(QStringLiteral("reports/") + name, install.readBytes(QStringLiteral("txt/") + name)), "");
    }
}

// Each account and group total against the books, the grand totals of the
// totals layout equal, the income by month, and each closing balance the
// last balance of the account's ledger page (its opening one without a page).
TEST(TrialBalance, AgreesWithTheBooksAndTheLedger) {
    TempInstall install;
    OpenFixtureBooks(install);
    const std::map<QString, Account> books = FromBooks(install);
    std::map<QString, qint64> ledger;
    QString page;
    for (const QString& line : BuildGeneralLedgerReport(Values(2020)).join(kCrLf).split(kCrLf)) {
        if (line.startsWith(QStringLiteral("■"))) page = line.mid(1, 3);
        if (!page.isEmpty() && line.startsWith(QStringLiteral("2020/")))
            ledger[page] = Sjis(line).mid(99).trimmed().toLongLong();
    }
    const qint64 all =
        install
            .rows(QStringLiteral(
                "select sum(t.money * t.rate / 100) from t_trade t join m_trade m on t.trade_cd = m.trade_cd "
                "where t.year = 2020 and t.is_valid = 1"))
            .value(0)
            .toLongLong();
    for (const TrialBalanceLayout layout : kLayouts) {
        std::map<QString, Amounts> rows = Read(layout);
        std::map<QString, Amounts> groups;
        for (const auto& [code, account] : books) {
            SCOPED_TRACE(code.toStdString());
            const Amounts amounts = rows[code];
            ASSERT_EQ(amounts, account.In(layout));
            EXPECT_EQ(amounts.back(), ledger.contains(code) ? ledger[code] : amounts.front());
            Amounts& group = groups[account.group];
            group = group.empty() ? amounts : Sum(group, amounts);
            rows.erase(code);
        }
        Amounts income = Sum(groups[QStringLiteral("収益計")], groups[QStringLiteral("費用計")], -1);
        if (layout == TrialBalanceLayout::Totals) {
            EXPECT_EQ(rows[QStringLiteral("合計")], (Amounts{std::nullopt, all, all, std::nullopt}));
            rows.erase(QStringLiteral("合計"));
            income[1] = income[2] = std::nullopt;
        }
        groups[QStringLiteral("青色申告特別控除前の所得金額")] = income;
        EXPECT_EQ(rows, groups);
    }
    for (const auto& [code, balance] : ledger) EXPECT_TRUE(books.contains(code)) << code.toStdString();
}

// A row on both sides of one account counts on both; classes other than
// "a", "r" and "c" go with the liabilities; an unmoved account without an
// opening balance (class "B" ignores the sheet's) has no line.
TEST(TrialBalance, LinesFromPlainValues) {
    const ResultTable accounts{QStringLiteral("account_cd\taccount_name\taccount_class\toutput_class\tmoney"),
                               QStringLiteral("100\t現　金\ta\tA\t1000"), QStringLiteral("330\t事業主貸\ta\tB\t500"),
                               QStringLiteral("999\t名\tx\tA\t0")};
    const QString header = QStringLiteral(
        "month\tday\tseq\ttrade_cd\tdebit_cd\tdebit_name\tcredit_cd\tcredit_name\tmoney_val\tdetail_name");
    const TrialBalance balance =
        TrialBalanceOf(accounts, LedgerJournal(2020, {header, QStringLiteral("2\t4\t1\tXX\t100\t現\t100\t現\t70\t振"),
                                                      QStringLiteral("12\t2\t1\tYY\t999\t名\t100\t現\t9\t謎")}));
    ASSERT_EQ(balance.lines.size(), 2u);
    const TrialBalanceLine &cash = balance.lines[0], &other = balance.lines[1];
    EXPECT_EQ((std::array{cash.debit, cash.credit, cash.months[1], cash.months[11], cash.closing}),
              (std::array<qint64, 5>{70, 79, 0, -9, 991}));
    EXPECT_EQ(other.group, AccountGroup::LiabilityAndCapital);
    EXPECT_EQ((std::array{other.debit, other.months[11], other.closing}), (std::array<qint64, 3>{9, -9, -9}));
}

}  // namespace
