// The run logs' lines and pruning, the fatal-error report, the settings file,
// text files, the text helpers, numbers as typed and the public holidays,
// against tests/data/app.
#include "app/context.h"
#include "app/db_file_name.h"
#include "app/fatal_error.h"
#include "app/file_list.h"
#include "app/fiscal_year.h"
#include "app/holidays.h"
#include "app/number_text.h"
#include "app/run_log.h"
#include "app/settings.h"
#include "app/sjis_text.h"
#include "app/text_file.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "platform/system_seams.h"
#include "store/store_common.h"

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

// What backups cut off by a crash left goes, logged, the unfinished backup
// beside a journal with it; whole backups, other databases' files and
// look-alikes stay, as tests/data/app/crashed_backups.log shows.
TEST(RemoveCrashedBackups, RemovesOnlyWhatACutOffBackupLeft) {
    TempInstall install;
    for (const QString& name :
         QString("velmo_2026_1201-0800_00.sqlite3.tmp velmo_2026_1201-0800_00.sqlite3.tmp-journal "
                 "velmo_2026_1202-0800_00.sqlite3 velmo_2026_1202-0800_00.sqlite3-journal "
                 "velmo_2026_1203-0800_00.sqlite3-journal velmo_2026_1204-0800_00.sqlite3.tmp-wal notes.tmp "
                 "velmo.sqlite3-journal velmo_2026_1201-0800_0.sqlite3.tmp velmo_2026_1201-0800_00.sqlite3.tmp.bak "
                 "velmo_2026_1201-0800_00.sqlite3-wal velmo_2026_1204-0800_00.sqlite3 "
                 "velmox_2026_1201-0800_00.sqlite3.tmp velmox_2026_1201-0800_00.sqlite3-journal")
             .split(' '))
        install.writeBytes("db_backup/" + name, "x");
    install.makeFolder("db_backup/velmo_2026_1205-0800_00.sqlite3.tmp");
    RemoveCrashedBackups(install.path("db_backup"), "velmo.sqlite3");
    LogResult(QDir(install.path("db_backup")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name));
    EXPECT_EQ(GoldenDiff("app/crashed_backups.log", RunLogBytes()), "");
}

// The setting names a file inside the db folder: a folder in it, or "..", is
// refused by name, as tests/data/app/db_file_names.txt shows.
TEST(DbFileNameProblem, RefusesFoldersAndNamesTheSetting) {
    EXPECT_EQ(CasesDiff("app/db_file_names.txt",
                        QString("velmo.sqlite3|book|a.b.sqlite3|帳簿 2026.sqlite3||../../outside.sqlite3|"
                                "sub/velmo.sqlite3|..\\velmo.sqlite3|..|/home/x/velmo.sqlite3|"
                                "C:\\books\\velmo.sqlite3|velmo..sqlite3")
                            .split('|'),
                        DbFileNameProblem),
              "");
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
    QStringList texts;
    const char16_t pool[] = {u'a', u'\\', u'ｱ', u'会', u'～', u'¥', u'①', u'\t', u'\u00e9', 0xd83d, 0xde00, u'\u3000'};
    std::mt19937 random(7);
    for (int n = 0; n < 2000; ++n) {
        QString& text = texts.emplace_back();
        for (int i = 0, size = static_cast<int>(random() % 12); i < size; ++i) text += QChar(pool[random() % 12]);
    }
    QString& every = texts.emplace_back();
    for (char32_t unit = 0; unit < 0x10000; ++unit)
        every.append(u'a').append(QChar(static_cast<char16_t>(unit))).append(u'b');
    for (const QString& text : texts) {
        QByteArray bytes = "x";
        AppendShiftJis(bytes, text);
        ASSERT_TRUE(ByteLength(text) == Sjis(text).size() && bytes == "x" + Sjis(text)) << text.toStdString();
    }
}

// Numbers typed the way Japanese users type them, against the checks that
// follow: what the box then shows, and whether the year and the amount checks
// take it, as in tests/data/app/number_text.txt. Full-width digits, commas, a
// leading yen mark and blanks around are taken; nothing, letters, signs,
// fractions, blanks inside, a mark elsewhere and amounts past the limit are
// still refused.
TEST(NormalizedNumberText, FullWidthDigitsCommasYenMarksAndBlanksOnly) {
    EXPECT_EQ(
        CasesDiff(
            "app/number_text.txt",
            QString("１２００|1,500,000|１，５００，０００|¥1,200|￥１２００|\\980|￥　1,500 | ２０２６　|007|"
                    "２，１４７，４８３，６４７||　 |￥|１２a|-1,200|－１２００|1.5|１．５|12 00|1\t200|¥¥100|100¥|"
                    "1200円|2,147,483,648|２０２０ー")
                .split('|'),
            [](const QString& text) {
                const QString shown = NormalizedNumberText(text);
                return "[" + shown + "]" + (IsFiscalYearText(shown) ? " year" : "") +
                       (IsStorableAmount(shown) ? " amount" : "");
            }),
        "");
}

// The public holidays against the Cabinet Office's published lists in
// tests/data/app/holidays.txt: the recent years; 2019's accession (5/1 and
// 10/22, 4/30 and 5/2 between holidays, no Emperor's birthday); 2020 and
// 2021's Olympic moves; 2026's and 2009's citizens' holiday; 2009's
// substitute passing 5/4 and 5/5 and 2006's and 2001's Monday-only one; and
// none, rather than wrong ones, outside the years the rules cover.
TEST(PublicHolidays, AsPublished) {
    EXPECT_EQ(
        CasesDiff("app/holidays.txt", QString("2024 2025 2026 2019 2020 2021 2009 2006 2001 1999 2100").split(' '),
                  [](const QString& year) {
                      QStringList days;
                      for (const QDate& day : PublicHolidays(year.toInt())) days << day.toString("M/d");
                      return days.join(' ');
                  }),
        "");
}

}  // namespace
