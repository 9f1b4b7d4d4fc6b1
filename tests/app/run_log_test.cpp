#include "app/context.h"
#include "app/run_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>

#include <functional>

namespace {

const QString kHeader = QString::fromUtf8(
    "App.Title=VelmoAccount Ver2.05 ログ\r\n"
    "App.EXEName=VelmoAccount.exe\r\n"
    "Date=2026/12/05(土) \r\n");

TEST(RunLog, LineFormatOfBothLogs) {
    const struct {
        QString time, text, line;
    } lines[] = {
        {"09:30:05", "■frmMenu.Form_Load", "09:30:05 ■frmMenu.Form_Load\r\n"},
        {"09:30:06", "DBファイル接続OK", "09:30:06   DBファイル接続OK\r\n"},
        {"13:04:00", " ■not first", "13:04:00    ■not first\r\n"},
        {"23:59:59", "SELECT *\r\nFROM t_trade\r\nWHERE x", "23:59:59   SELECT *\r\nFROM t_trade\r\nWHERE x\r\n"},
        {"00:00:00", "～\\ｱ😀", "00:00:00   ～\\ｱ?\r\n"},
        {"00:00:01", "", "00:00:01   \r\n"},
    };
    const struct {
        std::function<void(const QString&)> write;
        QString file;
    } logs[] = {
        {WriteLog, "log/log_2026_1205-0930_05.txt"},
        {WriteStartupLog, "bin/VelmoAccount_log.txt"},
    };
    for (const auto& log : logs) {
        TempInstall install;
        QByteArray expected;
        for (const auto& l : lines) {
            install.setTime("2026-12-05T" + l.time);
            log.write(l.text);
            expected += Sjis(l.line);
            // Each line is on disk as soon as the call returns.
            ASSERT_EQ(install.readBytes(log.file), expected) << log.file.toStdString();
        }
    }
}

TEST(RunLog, HeaderIsWrittenOnlyWhenTheFileIsCreated) {
    TempInstall install;
    // Two runs started within the same second share one RunLogPath.
    for (const char* text : {"■run 1", "■run 2"}) {
        WriteRunLogHeader(ctx().runLogPath);
        WriteLog(text);
        WriteStartupLogHeader();
        WriteStartupLog(text);
    }
    const QByteArray expected = Sjis(kHeader + "09:30:05 ■run 1\r\n09:30:05 ■run 2\r\n");
    EXPECT_EQ(install.readBytes("log/log_2026_1205-0930_05.txt"), expected);
    EXPECT_EQ(install.readBytes("bin/VelmoAccount_log.txt"), expected);
}

TEST(RunLog, PathNamedAfterTheStartTime) {
    TempInstall install;
    const struct {
        QString start, file;
    } cases[] = {
        {"2026-12-05T09:30:05", "log/log_2026_1205-0930_05.txt"},
        {"2027-01-02T23:04:09", "log/log_2027_0102-2304_09.txt"},
        {"2020-10-31T00:00:00", "log/log_2020_1031-0000_00.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QDir::fromNativeSeparators(RunLogPathAt(QDateTime::fromString(c.start, Qt::ISODate))),
                  install.path(c.file));
    EXPECT_EQ(QDir::fromNativeSeparators(ctx().runLogPath), install.path(cases[0].file));
}

TEST(RunLog, DateWithJapaneseWeekday) {
    const struct {
        QDate date;
        QString text;
    } cases[] = {
        {{2026, 12, 6}, "2026/12/06(日)"},  {{2026, 12, 7}, "2026/12/07(月)"},
        {{2026, 12, 8}, "2026/12/08(火)"},  {{2026, 12, 9}, "2026/12/09(水)"},
        {{2026, 12, 10}, "2026/12/10(木)"}, {{2026, 12, 11}, "2026/12/11(金)"},
        {{2026, 12, 12}, "2026/12/12(土)"}, {{2020, 1, 1}, "2020/01/01(水)"},
    };
    for (const auto& c : cases) EXPECT_EQ(DateWithWeekday(c.date), c.text);
}

}  // namespace
