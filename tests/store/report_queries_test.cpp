// The report queries as logged, each followed by the lines or rows it
// returned, over the transactions of tests/data/store/report_rows.sql.
#include "store/report_queries.h"
#include "app/runtime_error.h"
#include "golden_log.h"
#include "store/report_lines.h"
#include "temp_install.h"

#include <gtest/gtest.h>

TEST(ReportQueries, ScenarioAsLogged) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText("store/report_rows.sql"));
    for (const int year : {2020, 2019, 2021, 2022, 2023, 2024}) {
        LogResult(DBSelTM_Trade(QString::number(year)));
        LogResult(DBSelTradeRecordsForFile(year, 0));
        LogResult(DBSelJournalRecordsForFile(year, 0));
        LogResult(DBSelJournalTable(year));
        LogResult(DBSelAccountHead(year));
        LogResult(DBSelSocialInsurance(year));
        LogResult(DBSelOtherInsurance(year));
        LogResult(DBSelSumSocialInsurance(year));
    }
    for (const int month : {4, 9}) LogResult(DBSelTradeRecordsForFile(2020, month));
    for (const int month : {5, 6}) LogResult(DBSelJournalRecordsForFile(2020, month));
    // A day that does not exist is left to the report's own trap.
    LogRunTimeError([] { DBSelTradeRecordsForFile(2025, 0); });
    LogRunTimeError([] { DBSelJournalRecordsForFile(2025, 2); });
    LogRunTimeError([] { DBSelSocialInsurance(2025); });
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(GoldenDiff("store/report_queries.log", RunLogBytes()), "");
}

TEST(ReportLines, WholeNumbersRoundHalvesToEvenAndNonNumbersAreRefused) {
    const std::pair<const char*, qint64> cases[] = {{"101", 101}, {"-50", -50}, {"4000000000", 4000000000},
                                                    {"50.5", 50}, {"51.5", 52}, {"-2.5", -2},
                                                    {"12.4", 12}, {"12.6", 13}};
    for (const auto& [text, value] : cases) EXPECT_EQ(WholeNumberOf(text), value) << text;
    for (const char* text : {"", "abc", "12円", "1e30", "inf"}) EXPECT_THROW(WholeNumberOf(text), RunTimeError) << text;
}
