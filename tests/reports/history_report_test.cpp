// The correction and deletion history over tests/data/reports/history_fixture.sql:
// written through the report writer and compared byte for byte with its
// golden files, the statements it ran compared as logged.
#include "reports/history_report.h"
#include "golden_log.h"
#include "reports/report_file.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

ReportValues Values(int year) {
    // Month and period are set to something else on purpose: the history covers the year.
    return {.year = year,
            .month = 6,
            .rangeIndex = 1,
            .userName = QStringLiteral("山田　太郎"),
            .dbFileName = QStringLiteral("velmo.sqlite3")};
}

TEST(HistoryReport, MatchesItsGoldenFilesAndLogsItsStatements) {
    TempInstall install;
    install.openDatabase();
    install.exec(DataText(QStringLiteral("reports/history_fixture.sql")));
    const struct {
        int year;
        const char* golden;
    } cases[] = {
        {2020, "history_2020.txt"},
        // Only a history copy whose transaction is gone; nothing else to list.
        {2019, "history_2019.txt"},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.golden);
        EXPECT_EQ(WriteReport(BuildHistoryReport(Values(c.year)), name), std::nullopt) << c.golden;
        EXPECT_EQ(GoldenDiff(QStringLiteral("reports/") + name, install.readBytes(QStringLiteral("txt/") + name)), "")
            << c.golden;
    }
    EXPECT_EQ(GoldenDiff(QStringLiteral("reports/history_report.log"), RunLogBytes()), "");
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
}

TEST(HistoryReport, AsksForTheFileNameOfTheYear) {
    const ReportQuestion question = HistoryQuestion(Values(2020));
    EXPECT_EQ(question.prompt, QStringLiteral("2020年の訂正削除履歴をテキストファイルに出力します。\r\n\r\n"
                                              "出力ファイル名を指定してください。"));
    EXPECT_EQ(question.title, QStringLiteral("出力ファイル名を指定"));
    EXPECT_EQ(question.defaultName, QStringLiteral("2020_訂正削除履歴.txt"));
}

}  // namespace
