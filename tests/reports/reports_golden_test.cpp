// Every report of the shared fixture year, written through the report
// writer and compared byte for byte with its golden file in tests/data/reports.
#include "fixture_books.h"
#include "golden_log.h"
#include "reports/general_ledger.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"

#include <gtest/gtest.h>

namespace {

// A report as its button uses it: the question for the file name, then the lines.
struct Report {
    ReportQuestion (*question)(const ReportValues&);
    QStringList (*build)(const ReportValues&);
};
const Report kJournal{JournalQuestion, BuildJournalReport};
const Report kTradeRecords{TradeRecordQuestion, BuildTradeRecordReport};
const Report kGeneralLedger{GeneralLedgerQuestion, BuildGeneralLedgerReport};
const Report kInsurance{InsuranceQuestion, BuildInsuranceReport};

ReportValues Values(int year, int month, int rangeIndex) {
    return {.year = year,
            .month = month,
            .rangeIndex = rangeIndex,
            .userName = QStringLiteral("山田　太郎"),
            .dbFileName = QStringLiteral("velmo.sqlite3")};
}

TEST(Reports, MatchTheirGoldenFiles) {
    // Month and period options that a report ignores are set to something
    // else on purpose: the ledger and the insurance report cover the year.
    const struct {
        const char* golden;
        const Report& report;
        int year, month, rangeIndex;
    } cases[] = {
        {"journal_2020_all.txt", kJournal, 2020, 6, 0},
        {"journal_2020_04.txt", kJournal, 2020, 4, 1},
        {"journal_2020_12.txt", kJournal, 2020, 12, 2},
        {"journal_2019_05.txt", kJournal, 2019, 5, 1},
        {"trade_records_2020_all.txt", kTradeRecords, 2020, 1, 0},
        {"trade_records_2020_06.txt", kTradeRecords, 2020, 6, 2},
        {"general_ledger_2020.txt", kGeneralLedger, 2020, 3, 1},
        {"general_ledger_2019.txt", kGeneralLedger, 2019, 1, 0},
        {"insurance_2020.txt", kInsurance, 2020, 9, 1},
        {"insurance_2021.txt", kInsurance, 2021, 1, 0},
    };
    TempInstall install;
    OpenFixtureBooks(install);
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.golden);
        EXPECT_EQ(WriteReport(c.report.build(Values(c.year, c.month, c.rangeIndex)), name), std::nullopt) << c.golden;
        EXPECT_EQ(GoldenDiff(QStringLiteral("reports/") + name, install.readBytes(QStringLiteral("txt/") + name)), "")
            << c.golden;
    }
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
}

TEST(Reports, AskForTheFileNameOfTheirPeriod) {
    const struct {
        const Report& report;
        int month, rangeIndex;
        const char* subject;
        const char* defaultName;
    } cases[] = {
        {kJournal, 4, 0, "2020年の仕訳帳", "2020_all仕訳.txt"},
        {kJournal, 4, 1, "2020年4月の仕訳帳", "2020_04仕訳.txt"},
        {kJournal, 12, 2, "2020年12月の仕訳帳", "2020_12仕訳.txt"},
        {kTradeRecords, 9, 0, "2020年の取引記録", "2020_all取引.txt"},
        {kTradeRecords, 9, 2, "2020年9月の取引記録", "2020_09取引.txt"},
        {kGeneralLedger, 9, 1, "2020年の総勘定元帳(残高式)", "2020_総勘定元帳(残高式).txt"},
        {kInsurance, 9, 2, "2020年の社会保険料", "2020_all保険.txt"},
    };
    for (const auto& c : cases) {
        const ReportQuestion question = c.report.question(Values(2020, c.month, c.rangeIndex));
        EXPECT_EQ(question.prompt, QString::fromUtf8(c.subject) +
                                       QStringLiteral("をテキストファイルに出力します。\r\n\r\n出力ファイル名を"
                                                      "指定してください。"));
        EXPECT_EQ(question.title, QStringLiteral("出力ファイル名を指定"));
        EXPECT_EQ(question.defaultName, QString::fromUtf8(c.defaultName));
    }
}

TEST(Reports, GeneralLedgerNeedsTheOpeningBalanceSheet) {
    TempInstall install;
    OpenFixtureBooks(install);
    EXPECT_EQ(GeneralLedgerRefusal(QStringLiteral("2020")), std::nullopt);
    EXPECT_EQ(GeneralLedgerRefusal(QStringLiteral("2021")),
              QStringLiteral("総勘定元帳を出力するには，貸借対照表期首データが必要です。\r\n"
                             "貸借対照表期首データを作成(初期データ作成)してください。"));
}

}  // namespace
