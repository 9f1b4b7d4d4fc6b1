#include "app/context.h"
#include "app/file_list.h"
#include "app/run_log.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString DeletionLines(const QStringList& names) {
    QString lines;
    for (const QString& name : names) lines += QString::fromUtf8("09:30:05   保存対象外のファイルを削除 ") + name + "\r\n";
    return lines;
}

TEST(ListFiles, MatchesPrefixStarDotExtension) {
    TempInstall install;
    for (const char* name : {"log_2026_1205-0930_05.txt", "log.txt", "logbook.txt", "xlog_1.txt", "log_1.txt.bak",
                             "log_1.csv", "notes.txt", ".log_hidden.txt"})
        install.writeBytes(QStringLiteral("log/") + name, "x");
    install.makeFolder("log/log_folder.txt");

    QStringList names = ListFiles(install.path("log"), "log", "txt");
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names[0], "");
    names.removeFirst();
    names.sort();
    EXPECT_EQ(names, (QStringList{"log.txt", "log_2026_1205-0930_05.txt", "logbook.txt"}));

    EXPECT_EQ(ListFiles(install.path("txt"), "log", "txt"), QStringList{""});
}

TEST(SortStrings, ExchangeSortOfElementsOneToN) {
    const QStringList source{"zero", "b", "a", "C", "c", "b", "あ"};
    const struct {
        int flag;
        QStringList sorted;
    } cases[] = {
        {0, {"zero", "あ", "c", "b", "b", "a", "C"}},
        {1, {"zero", "C", "a", "b", "b", "c", "あ"}},
        {-1, {"zero", "C", "a", "b", "b", "c", "あ"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SortStrings(source, c.flag), c.sorted) << c.flag;
        EXPECT_EQ(SortStrings({""}, c.flag), QStringList{""});
        EXPECT_EQ(SortStrings({"", "x"}, c.flag), (QStringList{"", "x"}));
    }
}

// Start-up: this run's log is created, then the 20 newest log*.txt stay.
TEST(PruneOldFiles, StartUpKeepsTheTwentyNewestRunLogs) {
    const struct {
        int existing, deleted;
    } cases[] = {{0, 0}, {19, 0}, {20, 1}, {25, 6}};
    for (const auto& c : cases) {
        TempInstall install;
        QStringList older;
        for (int i = 0; i < c.existing; ++i) {
            older << QStringLiteral("log_2026_11%1-0800_00.txt").arg(i + 1, 2, 10, QLatin1Char('0'));
            install.writeBytes("log/" + older.last(), "old");
        }
        WriteRunLogHeader(ctx().runLogPath);
        PruneOldFiles(ctx().appFolder + "/log", "log", "txt", 20);

        const QStringList deleted = older.mid(0, c.deleted);
        QStringList kept = older.mid(c.deleted) << "log_2026_1205-0930_05.txt";
        EXPECT_EQ(FilesIn(install.path("log")), kept) << c.existing;
        QStringList newestFirst(deleted.rbegin(), deleted.rend());
        EXPECT_EQ(install.runLog(), QString::fromUtf8("App.Title=VelmoAccount Ver2.05 ログ\r\n"
                                                      "App.EXEName=VelmoAccount.exe\r\n"
                                                      "Date=2026/12/05(土) \r\n") +
                                        DeletionLines(newestFirst))
            << c.existing;
    }
}

TEST(PruneOldFiles, OnlyMatchingNamesTakePartInNameOrder) {
    const struct {
        QString folder, prefix, extension;
        int keep;
        QStringList files, deleted;
    } cases[] = {
        // "logbook" sorts above every time-stamped name, "log." below them.
        {"log", "log", "txt", 2, {"log_2026_0101-0000_00.txt", "log_2026_0102-0000_00.txt", "logbook.txt", "log.txt",
                                  "notes.txt", "log_2020.csv", "xlog_2000.txt"},
         {"log_2026_0101-0000_00.txt", "log.txt"}},
        {"db_backup", "velmo", "sqlite3", 1, {"velmo_20261201093005.sqlite3", "velmo_20261202093005.sqlite3",
                                              "velmo.sqlite3-journal", "other_20200101000000.sqlite3"},
         {"velmo_20261201093005.sqlite3"}},
        {"db_backup", "velmo", "sqlite3", 3, {"velmo_1.sqlite3", "velmo_2.sqlite3", "velmo_3.sqlite3"}, {}},
        {"txt", "log", "txt", 0, {"log_a.txt", "log_b.txt"}, {"log_b.txt", "log_a.txt"}},
    };
    for (const auto& c : cases) {
        TempInstall install;
        ctx().runLogPath = install.path("bin/run.txt");
        for (const QString& name : c.files) install.writeBytes(c.folder + "/" + name, "x");
        install.makeFolder(c.folder + "/" + c.prefix + "_folder." + c.extension);

        PruneOldFiles(install.path(c.folder), c.prefix, c.extension, c.keep);

        QStringList kept = c.files;
        for (const QString& name : c.deleted) kept.removeOne(name);
        kept.sort();
        EXPECT_EQ(FilesIn(install.path(c.folder)), kept) << c.folder.toStdString();
        EXPECT_TRUE(QDir(install.path(c.folder + "/" + c.prefix + "_folder." + c.extension)).exists());
        EXPECT_EQ(install.readBytes("bin/run.txt"), Sjis(DeletionLines(c.deleted)));
    }
}

}  // namespace
