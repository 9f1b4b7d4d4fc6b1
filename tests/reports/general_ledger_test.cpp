// The general ledger's balances: their direction per account class, and the
// running and closing balances of the fixture year against sums that the
// test takes from the books itself.
#include "reports/general_ledger.h"
#include "fixture_books.h"
#include "store/report_queries.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// The numeric columns of a table line, read at their byte positions.
struct LedgerRow {
    QString debit, credit, balance;
    bool operator==(const LedgerRow&) const = default;
};

LedgerRow RowOf(const QString& line) {
    const QByteArray bytes = Sjis(line);
    const auto field = [&bytes](qsizetype at) { return QString::fromLatin1(bytes.mid(at, 10).trimmed()); };
    return {field(77), field(88), field(99)};
}

void PrintTo(const LedgerRow& row, std::ostream* out) {
    *out << "[" << row.debit.toStdString() << "|" << row.credit.toStdString() << "|" << row.balance.toStdString()
         << "]";
}

qint64 Number(const QString& text) { return text.isEmpty() ? 0 : text.toLongLong(); }

// The table lines of a page: the lines after the rule.
std::vector<QString> TableLines(const QStringList& page) {
    std::vector<QString> lines;
    for (qsizetype i = 4; i < page.size(); ++i) lines.push_back(page[i]);
    return lines;
}

TEST(GeneralLedger, BalancesMoveInTheDirectionOfTheAccountClass) {
    const QString header = QStringLiteral(
        "month\tday\tseq\ttrade_cd\tdebit_cd\tdebit_name\tcredit_cd\tcredit_name\tmoney_val\tdetail_name");
    const LedgerJournal journal(2020, {header, QStringLiteral("4\t1\t1\t08\t720\t仕入\t100\t現　金\t30000\t仕入"),
                                       QStringLiteral("4\t2\t1\t38\t130\t預金\t420\t借入金\t30000\t借入"),
                                       QStringLiteral("4\t3\t1\tXX\t100\t現　金\t100\t現　金\t500\t振替"),
                                       QStringLiteral("4\t4\t1\t41\t900\t減価償却費\t230\t車両\t1234567890\t償却")});
    const struct {
        const char* account;
        bool debitIncreases;
        qint64 opening;
        const char* outputClass;
        std::vector<LedgerRow> rows;
    } cases[] = {
        // An asset credited 30000 from 100000; a row on both sides of it once, as a debit.
        {"100", true, 100000, "A", {{"", "", "100000"}, {"", "30000", "70000"}, {"500", "", "70500"}}},
        // A liability credited 30000 from 100000.
        {"420", false, 100000, "A", {{"", "", "100000"}, {"", "30000", "130000"}}},
        // A cost debited, its opening amount ignored for output class "B".
        {"720", true, 5000, "B", {{"30000", "", "30000"}}},
        // -1234567890 keeps its last ten characters.
        {"230", true, 0, "A", {{"", "", "0"}, {"", "1234567890", "1234567890"}}},
        {"230", false, 0, "B", {{"", "1234567890", "1234567890"}}},
        {"130", false, -700, "A", {{"", "", "-700"}, {"30000", "", "-30700"}}},
        {"999", true, 42, "A", {{"", "", "42"}}},
    };
    for (const auto& c : cases) {
        const QString account = QString::fromLatin1(c.account);
        const QStringList page = BuildLedgerPage(2020, journal, c.debitIncreases, account, QStringLiteral("名"),
                                                 c.opening, QString::fromLatin1(c.outputClass));
        EXPECT_EQ(page.value(2), QStringLiteral("■") + account + QStringLiteral(" 名のページ\r\n"));
        std::vector<LedgerRow> rows;
        for (const QString& line : TableLines(page)) rows.push_back(RowOf(line));
        EXPECT_EQ(rows, c.rows) << c.account << " " << c.outputClass;
    }
}

// Per account of the fixture year: its classes, opening amount, the sums of
// its debit and credit amounts and its number of rows, straight from the tables.
struct Expected {
    QString accountClass, outputClass;
    qint64 opening = 0, debits = 0, credits = 0;
    int rows = 0;
};

std::map<QString, Expected> ExpectedAccounts(const TempInstall& install) {
    const QStringList rows = install.rows(QStringLiteral(R"(
        with j as (select m.debit_cd d, m.credit_cd c, t.money * t.rate / 100 amount
                   from t_trade t join m_trade m on t.trade_cd = m.trade_cd
                   where t.year = 2020 and t.is_valid = 1)
        select a.account_cd, a.account_class, a.output_class,
               ifnull((select money from t_bs_begining b where b.year = 2020 and b.account_cd = a.account_cd), 0),
               ifnull((select sum(amount) from j where d = a.account_cd), 0),
               ifnull((select sum(amount) from j where c = a.account_cd and d <> c), 0),
               (select count(*) from j where a.account_cd in (d, c))
        from m_account a)"));
    std::map<QString, Expected> accounts;
    for (const QString& row : rows) {
        const QStringList f = row.split(QLatin1Char('\t'));
        if (f[6] == QStringLiteral("0")) continue;
        accounts[f[0]] = {f[1], f[2], f[3].toLongLong(), f[4].toLongLong(), f[5].toLongLong(), f[6].toInt()};
    }
    return accounts;
}

TEST(GeneralLedger, RunningAndClosingBalancesAgreeWithTheBooks) {
    TempInstall install;
    OpenFixtureBooks(install);
    const std::map<QString, Expected> expected = ExpectedAccounts(install);
    const QStringList lines =
        BuildGeneralLedger(2020, DBSelAccountHead(2020)).join(QStringLiteral("\r\n")).split(QStringLiteral("\r\n"));

    std::map<QString, std::vector<QString>> pages;
    QString account;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QStringLiteral("■"))) {
            account = lines[i].mid(1, 3);
            i += 3;  // the empty line, the heading and the rule
        } else if (!account.isEmpty() && !lines[i].isEmpty()) {
            pages[account].push_back(lines[i]);
        }
    }
    ASSERT_EQ(pages.size(), expected.size());
    for (const auto& [code, books] : expected) {
        SCOPED_TRACE(code.toStdString());
        const std::vector<QString>& page = pages[code];
        const bool startsFromOpening = books.outputClass != QStringLiteral("B");
        ASSERT_EQ(page.size(), static_cast<size_t>(books.rows + (startsFromOpening ? 1 : 0)));
        const qint64 sign =
            (books.accountClass == QStringLiteral("a") || books.accountClass == QStringLiteral("c")) ? 1 : -1;
        qint64 balance = startsFromOpening ? books.opening : 0;
        qint64 debits = 0, credits = 0;
        for (size_t k = 0; k < page.size(); ++k) {
            const LedgerRow row = RowOf(page[k]);
            const bool openingLine = startsFromOpening && k == 0;
            if (!openingLine) {
                debits += Number(row.debit);
                credits += Number(row.credit);
                balance += sign * (Number(row.debit) - Number(row.credit));
            }
            EXPECT_EQ(Number(row.balance), balance) << page[k].toStdString();
        }
        EXPECT_EQ(debits, books.debits);
        EXPECT_EQ(credits, books.credits);
        EXPECT_EQ(balance, (startsFromOpening ? books.opening : 0) + sign * (books.debits - books.credits));
    }
    // Every page came from one reading of the year's journal.
    EXPECT_EQ(install.runLog().count(QStringLiteral("DBSelJournalTable")), 1);
}

}  // namespace
