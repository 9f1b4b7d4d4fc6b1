// The run logs' lines and pruning, the fatal-error report, the settings file,
// text files and the text helpers, against tests/data/app.
#include "app/context.h"
#include "app/db_file_name.h"
#include "app/fatal_error.h"
#include "app/file_list.h"
#include "app/run_log.h"
#include "app/settings.h"
#include "app/sjis_text.h"
#include "app/text_file.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "platform/system_seams.h"

#include <QDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <random>

namespace {

// Each line: the time, then the text, indented unless it starts with "■". A
// later run that finds the file (two starts within one second share a name)
// writes no second header.
TEST(RunLog, LinesOfBothLogs) {
    for (const bool startup : {false, true}) {
        TempInstall install;
        for (const QString line :
             {"09:30:05■frmMenu.Form_Load", "09:30:06DBファイル接続OK", "13:04:00 ■not first",
              "23:59:59SELECT *\r\nFROM t_trade\r\nWHERE x", "00:00:00～\\ｱ😀", "00:00:01", "00:00:02■run 2"}) {
            startup ? WriteStartupLogHeader() : WriteRunLogHeader(ctx().runLogPath);
            install.setTime("2026-12-05T" + line.left(8));
            startup ? WriteStartupLog(line.mid(8)) : WriteLog(line.mid(8));
        }
        const QString file = startup ? "bin/VelmoAccount_log.txt" : "log/log_2026_1205-0930_05.txt";
        EXPECT_EQ(GoldenDiff("app/log_lines.txt", install.readBytes(file)), "");
    }
}

// With this run's log, 21 log*.txt: "log.txt" matches and sorts below every
// time-stamped name, so it goes; other names and a folder stay.
TEST(PruneOldFiles, KeepsTheNewestMatchingFilesByName) {
    TempInstall install;
    for (int i = 1; i < 20; ++i)
        install.writeBytes(QString("log/log_2026_11%1-0800_00.txt").arg(i, 2, 10, QChar('0')), "");
    for (const QString other : {"log.txt", "notes.txt", "log_1.csv", "xlog_1.txt", "log_1.txt.bak"})
        install.writeBytes("log/" + other, "");
    install.makeFolder("log/log_folder.txt");
    WriteRunLogHeader(ctx().runLogPath);
    PruneOldFiles(ctx().appFolder + "/log", "log", "txt", 20, "log_2026_1205-0930_05.txt");
    LogResult({QDir(install.path("log")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name).join(" ")});
    EXPECT_EQ(GoldenDiff("app/prune.log", RunLogBytes()), "");
}

// What backups cut off by a crash left goes, logged, the unfinished backup beside a journal with it;
// whole backups, other databases' files and look-alikes stay.
TEST(RemoveCrashedBackups, RemovesOnlyWhatACutOffBackupLeft) {
    TempInstall install;
    const QStringList gone{"velmo_2026_1201-0800_00.sqlite3.tmp",     "velmo_2026_1201-0800_00.sqlite3.tmp-journal",
                           "velmo_2026_1202-0800_00.sqlite3",         "velmo_2026_1202-0800_00.sqlite3-journal",
                           "velmo_2026_1203-0800_00.sqlite3-journal", "velmo_2026_1204-0800_00.sqlite3.tmp-wal"};
    const QStringList kept{"notes.tmp",
                           "velmo.sqlite3-journal",
                           "velmo_2026_1201-0800_0.sqlite3.tmp",
                           "velmo_2026_1201-0800_00.sqlite3.tmp.bak",
                           "velmo_2026_1201-0800_00.sqlite3-wal",
                           "velmo_2026_1204-0800_00.sqlite3",
                           "velmox_2026_1201-0800_00.sqlite3.tmp",
                           "velmox_2026_1201-0800_00.sqlite3-journal"};
    for (const QString& name : gone + kept) install.writeBytes("db_backup/" + name, "x");
    install.makeFolder("db_backup/velmo_2026_1205-0800_00.sqlite3.tmp");
    RemoveCrashedBackups(install.path("db_backup"), "velmo.sqlite3");
    QStringList left = kept;
    left << "velmo_2026_1205-0800_00.sqlite3.tmp";
    left.sort();
    EXPECT_EQ(QDir(install.path("db_backup")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), left);
    QString logged;
    for (const QString& name : gone)  // in name order
        logged += "09:30:05   途中で終わったバックアップを削除 " + name + "\r\n";
    EXPECT_EQ(platform::fromCp932(RunLogBytes()), logged);
}

// The setting names a file inside the db folder: a folder in it, or "..", is refused by name.
TEST(DbFileNameProblem, RefusesFoldersAndNamesTheSetting) {
    for (const QString plain : {"velmo.sqlite3", "book", "a.b.sqlite3", "帳簿 2026.sqlite3", ""})
        EXPECT_EQ(DbFileNameProblem(plain), QString()) << plain.toStdString();
    for (const QString value : {"../../outside.sqlite3", "sub/velmo.sqlite3", "..\\velmo.sqlite3", "..",
                                "/home/x/velmo.sqlite3", "C:\\books\\velmo.sqlite3", "velmo..sqlite3"})
        EXPECT_EQ(DbFileNameProblem(value),
                  "設定ファイル VelmoAccount.ini の filename= には、DBファイルの名前だけを書いてください。\r\n"
                  "フォルダの区切り（/ や \\）や .. は使えません。\r\n\r\n　filename=" +
                      value);
}

// Logged and the database closed, then the real end of the process, in a child.
TEST(ReportFatalErrorDeathTest, EndsTheRealProcess) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must write into this test's folder
    TempInstall install;
    platform::ExitProcess exitProcess;
    ctx().desktop.processEnd = &exitProcess;
    ASSERT_EQ(sqlite3_open(install.path("db/velmo.sqlite3").toUtf8().constData(), &ctx().db), SQLITE_OK);
    EXPECT_EXIT(ReportFatalError("ファイルが見つかりません: C:\\acc\\txt"), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(GoldenDiff("app/fatal_error.txt", RunLogBytes()), "");
}

// Reads of files as written by hand, then writes into tests/data/app/settings.ini
// and into no file: the file after each write, and what a read then finds.
TEST(Settings, ReadAndWriteAsLogged) {
    TempInstall install;
    const QString ini = "bin/VelmoAccount.ini";
    for (const QString file : {"[db]\r\nname=wrong\r\n", "[user]\r\n;name=commented\r\n", "[user]\r\nname=\r\n",
                               "[USER]\r\nNAME=佐藤\r\n", "; c\r\n\r\n[user]\nx=1\nname=LF only\n[db]\nname=no\n"}) {
        install.writeBytes(ini, Sjis(file));
        LogResult({ReadSetting("user", "name", "(default)")});
    }
    for (const QString write :
         {"user|name|新しい名前", "other|name|x", "db|filename|", "user|mail|a@b", "new|key|値"}) {
        const QStringList w = write.split('|');  // section, key, value
        install.writeBytes(ini, Sjis(DataText("app/settings.ini")));
        WriteSetting(w[0], w[1], w[2]);
        LogResult({platform::fromCp932(install.readBytes(ini)), ReadSetting(w[0], w[1], "(default)")});
    }
    // A read returns at most 99 bytes, never half a character.
    for (const QString& value : QStringList{"山田～ｱ\\", QString(60, u'あ'), "a" + QString(60, u'あ'),
                                            QString(120, u'ｱ'), QString(98, u'x') + "漢字"}) {
        QFile::remove(install.path(ini));
        WriteSetting("user", "name", value);
        LogResult({platform::fromCp932(install.readBytes(ini)), ReadSetting("user", "name", "")});
    }
    EXPECT_EQ(GoldenDiff("app/settings.log", RunLogBytes()), "");
}

// Written from the first index given, over a longer file; read back at every
// kind of line end; a file that cannot be written or read is a run-time error.
TEST(TextFiles, AsLogged) {
    TempInstall install;
    const QString file = install.path("txt/out.txt");
    const auto read = [&file] {
        return QString::number(ReadTextFileLines(file).size()) + ": " + ReadTextFileLines(file).join("|");
    };
    for (const qsizetype first : {0, 3, 5}) {
        install.writeBytes("txt/out.txt", QByteArray(500, 'z'));
        WriteFileAryToTextFile({"見出し", " 前後の空白 ", "～－∥ｱ\\", "😀", ""}, first, file);
        LogResult({platform::fromCp932(install.readBytes("txt/out.txt")), read()});
    }
    for (const QByteArray bytes : {"a\rb\r", "a\nb", "a\r\n\r\nb\r\n", "a\r\r\nb"}) {
        install.writeBytes("txt/out.txt", bytes);
        LogResult({read()});
    }
    LogRunTimeError([&] { WriteFileAryToTextFile({"a"}, 0, install.path("none/out.txt")); });
    LogRunTimeError([&] { ReadTextFileLines(install.path("bin/none.txt")); });
    EXPECT_EQ(GoldenDiff("app/text_files.log", RunLogBytes()), "");
}

// Padding as the report columns use it; then the byte count and the bytes
// from the table against what the converter writes, whatever the mix:
// katakana, kanji, fallback characters, pairs and lone halves of surrogate
// pairs, and every UTF-16 unit between two letters.
TEST(TextHelpers, PadAndCountAsWritten) {
    const std::tuple<QString, int, bool, QString> pads[] = {
        {"あいう", 5, false, "あい "}, {"あいう", 5, true, " あい"},  {"ab", 5, true, "   ab"},
        {"ab", 5, false, "ab   "},     {"会計2020", 3, false, "会 "}, {"会計2020", 1, true, " "},
        {"ｱｲｳｴ", 2, false, "ｱｲ"},      {"a😀b", 2, false, "a😀"},       {"abc", 0, false, ""}};
    for (const auto& [text, width, right, padded] : pads) EXPECT_EQ(PadByteWidth(text, width, right), padded) << width;
    const char16_t pool[] = {u'a', u'\\', u'ｱ', u'会', u'～', u'¥', u'①', u'\t', u'\u00e9', 0xd83d, 0xde00, u'\u3000'};
    std::mt19937 random(7);
    for (int n = 0; n < 2000; ++n) {
        QString text;
        for (int i = 0, size = static_cast<int>(random() % 12); i < size; ++i) text += QChar(pool[random() % 12]);
        EXPECT_EQ(ByteLength(text), Sjis(text).size()) << text.toStdString();
        QByteArray bytes = "x";
        AppendShiftJis(bytes, text);
        EXPECT_EQ(bytes, "x" + Sjis(text)) << text.toStdString();
    }
    QString every;
    for (char32_t unit = 0; unit < 0x10000; ++unit) {
        every += QChar(u'a');
        every += QChar(static_cast<char16_t>(unit));
        every += QChar(u'b');
    }
    QByteArray bytes;
    AppendShiftJis(bytes, every);
    EXPECT_TRUE(bytes == Sjis(every));
}

}  // namespace
