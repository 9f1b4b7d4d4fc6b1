// Every file the program writes, meeting a full disk or a folder it cannot
// write into: the writer says which file failed, and the file under its
// final name is the old one, whole, or none; nothing half-written is left
// anywhere. The books stop at the first statement that does not fit.
#include "app/context.h"
#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "app/settings.h"
#include "books_file.h"
#include "child_process.h"
#include "export/journal_export.h"
#include "file_size_limit.h"
#include "fixture_books.h"
#include "reports/report_file.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

constexpr rlim_t kFreeBytes = 64 * 1024;

// Every entry below the folder with its size, so that a left-over temporary
// file or a half-written one shows.
QStringList Entries(const TempInstall& install, const QString& folder) {
    QStringList entries;
    const QDir dir(install.path(folder));
    for (const QFileInfo& info : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        entries << info.fileName() +
                       (info.isDir() ? QStringLiteral("/") : QStringLiteral(" ") + QString::number(info.size()));
    return entries;
}

QStringList ManyLines(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1 仕訳帳の行 %2").arg(i, 8).arg(QString(40, QLatin1Char('x')));
    return lines;
}

struct WritePath {
    const char* what;
    QString folder;                                 // where the file goes
    std::function<void(TempInstall&)> arrange;      // the old files, the books
    std::function<std::optional<QString>()> write;  // the message shown, if any
    QString failedFile;                             // the file the message names
};

const QString kReport = QStringLiteral("txt/仕訳帳.txt");
const QString kYearFolder = QStringLiteral("data_for_rupa_kaikei/2020(令和2)");

const WritePath kWritePaths[] = {
    {"a report", QStringLiteral("txt"), [](TempInstall& i) { i.writeBytes(kReport, "old report"); },
     [] { return WriteReport(ManyLines(5000), QStringLiteral("仕訳帳.txt")); }, kReport},
    {"the journal export", kYearFolder,
     [](TempInstall& i) {
         OpenFixtureBooks(i);
         i.exec(
             QStringLiteral("insert into t_trade with recursive n(v) as (select 1 union all select v + 1 from n "
                            "where v < 3000) select 2020, 6, 1, 100 + v, '14', '01', 'k', v, 100, 1, '' from n"));
         i.makeFolder(kYearFolder);
         i.writeBytes(kYearFolder + QStringLiteral("/data03ca.txt"), "old records");
         i.writeBytes(kYearFolder + QStringLiteral("/data03no.txt"), "old number");
     },
     [] { return WriteJournalExport(QStringLiteral("2020"), QStringLiteral("令和2")); },
     kYearFolder + QStringLiteral("/data03ca.txt")},
    {"the settings", QStringLiteral("bin"),
     [](TempInstall& i) {
         // Other programs' sections make the file larger than the free space.
         i.writeBytes(QStringLiteral("bin/VelmoAccount.ini"),
                      "[user]\r\nname=old\r\n[db]\r\nfilename=velmo.sqlite3\r\n[notes]\r\n" +
                          QByteArray("note=kept as it is\r\n").repeated(5000));
     },
     []() -> std::optional<QString> {
         try {
             WriteSetting(QStringLiteral("user"), QStringLiteral("name"), QStringLiteral("new"));
         } catch (const RunTimeError& error) {
             return DescriptionOf(error);
         }
         return std::nullopt;
     },
     QStringLiteral("bin/VelmoAccount.ini")},
};

TEST(FullDisk, EveryFileIsTheOldOneOrTheNewOneWhole) {
    for (const WritePath& path : kWritePaths) {
        TempInstall install;
        path.arrange(install);
        const QStringList before = Entries(install, path.folder);
        const QByteArray old = install.readBytes(path.failedFile);

        std::optional<QString> message;
        {
            const FileSizeLimit full(kFreeBytes);
            message = path.write();
        }

        ASSERT_TRUE(message) << path.what;
        EXPECT_TRUE(message->contains(QDir::toNativeSeparators(install.path(path.failedFile)))) << path.what;
        EXPECT_EQ(install.readBytes(path.failedFile), old) << path.what;
        EXPECT_EQ(Entries(install, path.folder), before) << path.what;
        // With room again, the same write goes through.
        EXPECT_EQ(path.write(), std::nullopt) << path.what;
    }
}

TEST(FullDisk, TheBooksKeepEveryTransactionBeforeTheDiskFilledUp) {
    TempInstall install;
    install.installDatabase();
    const QString db = install.path(QStringLiteral("db/velmo.sqlite3"));
    const qint64 room = QFileInfo(db).size() + 3 * 4096;
    ChildProcess program({QStringLiteral("full"), install.path(QString()), QString::number(room)},
                         install.path(QStringLiteral("errors.txt")));
    ASSERT_EQ(program.readLine(30000), QStringLiteral("ready"));

    EXPECT_EQ(program.wait(), 1);

    const QStringList confirmed = program.remainingLines();
    EXPECT_GT(confirmed.size(), 10);
    EXPECT_TRUE(
        QString::fromUtf8(install.readBytes(QStringLiteral("errors.txt")))
            .startsWith(QStringLiteral("box VelmoAccount: SQLite3NonQuery Error\r\ninsert into t_trade values(")));
    const BooksFile books(db);
    EXPECT_EQ(books.integrity(), QStringLiteral("ok"));
    QStringList stored;
    for (const QString& row : books.rows(QStringLiteral(
             "select 'R', month, day, seq, detail_name, money from t_trade where year = 2030 order by rowid")))
        stored << row.split(QLatin1Char('\t')).join(QLatin1Char(' '));
    EXPECT_EQ(stored, confirmed);
    EXPECT_LE(QFileInfo(db).size(), room);
}

}  // namespace
