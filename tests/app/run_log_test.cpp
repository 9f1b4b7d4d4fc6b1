#include "app/date_text.h"
#include "app/run_log.h"
#include "app/context.h"
#include "app/fatal_error.h"
#include "app/file_list.h"
#include "golden_log.h"
#include "platform/system_seams.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QDir>

#include <functional>

namespace {

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

TEST(RunLog, LineFormatAndHeaderOfBothLogs) {
    const QString lines[] = {"09:30:05■frmMenu.Form_Load",
                             "09:30:06DBファイル接続OK",
                             "13:04:00 ■not first",
                             "23:59:59SELECT *\r\nFROM t_trade\r\nWHERE x",
                             "00:00:00～\\ｱ😀",
                             "00:00:01",
                             "00:00:02■run 2"};
    const std::tuple<std::function<void()>, std::function<void(const QString&)>, QString> logs[] = {
        {[] { WriteRunLogHeader(ctx().runLogPath); }, WriteLog, "log/log_2026_1205-0930_05.txt"},
        {WriteStartupLogHeader, WriteStartupLog, "bin/VelmoAccount_log.txt"}};
    for (const auto& [header, write, file] : logs) {
        TempInstall install;
        // Each line: the time, then the text. A later run that finds the file
        // (two starts within one second share a name) writes no second header.
        for (const QString& line : lines) {
            header();
            install.setTime("2026-12-05T" + line.left(8));
            write(line.mid(8));
        }
        EXPECT_EQ(GoldenDiff("app/log_lines.txt", install.readBytes(file)), "");
    }
}

TEST(RunLog, PathAndDateNames) {
    TempInstall install;
    EXPECT_EQ(QDir::fromNativeSeparators(RunLogPathAt(QDateTime::fromString("2027-01-02T23:04:09", Qt::ISODate))),
              install.path("log/log_2027_0102-2304_09.txt"));
    QString week;
    for (int day = 6; day <= 12; ++day) week += DateWithWeekday({2026, 12, day}).right(3);
    EXPECT_EQ(week.toStdString(), "(日)(月)(火)(水)(木)(金)(土)");
    EXPECT_EQ(DateWithWeekday({2020, 1, 1}), QString::fromUtf8("2020/01/01(水)"));
}

// Start-up creates this run's log, then keeps the 20 newest log*.txt; "log.txt"
// is no run log but matches, and sorts below every time-stamped name.
TEST(PruneOldFiles, KeepsTheNewestMatchingFilesByName) {
    const std::pair<int, int> cases[] = {{0, 0}, {19, 0}, {20, 1}, {25, 6}};
    for (const auto& [existing, deleted] : cases) {
        TempInstall install;
        QStringList older, log;
        for (int i = 0; i < existing; ++i) {
            older << (i ? QStringLiteral("log_2026_11%1-0800_00.txt").arg(i, 2, 10, QLatin1Char('0')) : "log.txt");
            install.writeBytes("log/" + older.last(), "old");
        }
        const QStringList others{"notes.txt", "log_1.csv", "xlog_1.txt", "log_1.txt.bak"};
        for (const QString& other : others) install.writeBytes("log/" + other, "x");
        install.makeFolder("log/log_folder.txt");
        WriteRunLogHeader(ctx().runLogPath);
        PruneOldFiles(ctx().appFolder + "/log", "log", "txt", 20);

        for (int i = deleted - 1; i >= 0; --i)
            log << QString::fromUtf8("09:30:05   保存対象外のファイルを削除 ") + older[i];
        QStringList kept = older.mid(deleted) + others << "log_2026_1205-0930_05.txt";
        kept.sort();
        EXPECT_EQ(FilesIn(install.path("log")), kept) << existing;
        EXPECT_EQ(install.runLog().split("\r\n").mid(3), log << "") << existing;  // below the header
    }
}

TEST(SortStrings, ElementsOneToNByCharacterCode) {
    const QStringList source{"zero", "b", "a", "C", "あ", "b"};
    EXPECT_EQ(SortStrings(source, 0), (QStringList{"zero", "あ", "b", "b", "a", "C"}));
    for (int flag : {1, -1}) EXPECT_EQ(SortStrings(source, flag), (QStringList{"zero", "C", "a", "b", "b", "あ"}));
}

const QString kDescription = QString::fromUtf8("ファイルが見つかりません: C:\\acc\\txt");

TEST(ReportFatalError, LogsClosesShowsAndEnds) {
    for (const QString& description : {kDescription, QString()}) {
        TempInstall install;
        ASSERT_EQ(sqlite3_open(":memory:", &ctx().db), SQLITE_OK);
        EXPECT_THROW(description.isEmpty() ? ReportFatalError() : ReportFatalError(description), ProcessEnded);
        EXPECT_EQ(ctx().db, nullptr);
        ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
        const ShownBox& box = install.desktop.dialogs.shown[0];
        EXPECT_EQ(box.kind + box.title, QString::fromUtf8("okエラーが発生しました"));
        // The message is logged in one call, exactly as shown.
        QByteArray log = RunLogBytes();
        EXPECT_EQ(log, Sjis("09:30:05   SQLite3Close\r\n09:30:05   " + box.text + "\r\n"));
        if (description.isEmpty()) log.replace(Sjis("Err.Desc=\r\n"), Sjis("Err.Desc=" + kDescription + "\r\n"));
        EXPECT_EQ(GoldenDiff("app/fatal_error.txt", log), "");
    }
}

TEST(ReportFatalErrorDeathTest, EndsTheRealProcess) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must write into this test's folder
    TempInstall install;
    platform::ExitProcess exitProcess;
    ctx().desktop.processEnd = &exitProcess;
    ASSERT_EQ(sqlite3_open(install.path("db/velmo.sqlite3").toUtf8().constData(), &ctx().db), SQLITE_OK);
    EXPECT_EXIT(ReportFatalError(kDescription), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(GoldenDiff("app/fatal_error.txt", RunLogBytes()), "");
}

}  // namespace
