// The backup the program takes at every start, while another program is in
// the middle of writing the books or died leaving its journal behind: the
// backup is the last committed state and sound, where a plain copy of the
// file is not. Of the backups exactly ten stay, and nothing else in the
// folder is ever deleted.
#include "books_file.h"
#include "child_process.h"
#include "program_start.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <thread>

namespace {

const QString kBooks = QStringLiteral("db/velmo.sqlite3");

QStringList BackupFiles(const TempInstall& install) {
    QStringList backups;
    for (const QString& name : QDir(install.path(QStringLiteral("db_backup"))).entryList(QDir::Files, QDir::Name))
        if (QRegularExpression(QStringLiteral("^velmo_\\d{4}_\\d{4}-\\d{4}_\\d{2}\\.sqlite3$")).match(name).hasMatch())
            backups << name;
    return backups;
}

QString NewestBackup(const TempInstall& install) {
    return install.path(QStringLiteral("db_backup/") + BackupFiles(install).last());
}

TEST(Backups, AJournalLeftByAProgramThatDiedIsNotInTheBackup) {
    TempInstall install;
    install.installDatabase();
    install.writeSettings(QStringLiteral("x"));
    ChildProcess other({QStringLiteral("spill"), install.path(kBooks)}, install.path(QStringLiteral("other.txt")));
    ASSERT_EQ(other.readLine(30000), QStringLiteral("spilled"));
    ASSERT_EQ(other.wait(), 0);
    ASSERT_GT(QFileInfo(install.path(kBooks + QStringLiteral("-journal"))).size(), 0);

    // The file alone holds pages of a change that was never committed.
    ASSERT_TRUE(QFile::copy(install.path(kBooks), install.path(QStringLiteral("plain.sqlite3"))));

    ASSERT_EQ(StartProgram(install).code, 0);

    const QByteArray committed = BooksFile(install.path(kBooks)).checksum();
    const BooksFile backup(NewestBackup(install));
    EXPECT_EQ(backup.integrity(), QStringLiteral("ok"));
    EXPECT_EQ(backup.checksum(), committed);
    EXPECT_EQ(backup.rows(QStringLiteral("select count(*), sum(money) from t_trade where year = 2039")),
              QStringList{QStringLiteral("3000\t4501500")});
    const BooksFile plain(install.path(QStringLiteral("plain.sqlite3")));
    EXPECT_TRUE(plain.integrity() != QStringLiteral("ok") || plain.checksum() != committed);
}

TEST(Backups, AWriteInProgressIsNotInTheBackup) {
    TempInstall install;
    install.installDatabase();
    install.writeSettings(QStringLiteral("x"));
    const QByteArray committed = BooksFile(install.path(kBooks)).checksum();
    ChildProcess other({QStringLiteral("hold"), install.path(kBooks)}, install.path(QStringLiteral("other.txt")));
    ASSERT_EQ(other.readLine(30000), QStringLiteral("holding"));

    ASSERT_EQ(StartProgram(install).code, 0);
    other.kill();

    const BooksFile backup(NewestBackup(install));
    EXPECT_EQ(backup.integrity(), QStringLiteral("ok"));
    EXPECT_EQ(backup.checksum(), committed);
}

TEST(Backups, TenStayAndNothingElseIsDeleted) {
    TempInstall install;
    install.installDatabase();
    install.writeSettings(QStringLiteral("x"));
    // Backups of earlier days, the oldest first.
    QStringList earlier;
    for (int day = 1; day <= 14; ++day) {
        earlier << QStringLiteral("velmo_2026_11%1-0800_00.sqlite3").arg(day, 2, 10, QLatin1Char('0'));
        install.writeBytes(QStringLiteral("db_backup/") + earlier.last(), "old");
    }
    // Names close to a backup's, and a folder named like one: none is a backup.
    const QStringList others{QStringLiteral("velmo_2026_1101-0800_00.sqlite3.bak"),
                             QStringLiteral("velmo_2026_1101-0800_0.sqlite3"),
                             QStringLiteral("velmo.sqlite3"),
                             QStringLiteral("Velmo_2026_1101-0800_00.sqlite3"),
                             QStringLiteral("velmo_2026_1101-0800_00.sqlite3-journal"),
                             QStringLiteral("velmo_backup.sqlite3"),
                             QStringLiteral("velmox_2026_1101-0800_00.sqlite3"),
                             QStringLiteral("velmo_2026_1101-0800_00.sqlite"),
                             QStringLiteral("notes.txt"),
                             QStringLiteral("velmo_2026_1101-0800_00sqlite3")};
    for (const QString& other : others) install.writeBytes(QStringLiteral("db_backup/") + other, "other");
    install.makeFolder(QStringLiteral("db_backup/velmo_2020_0101-0000_00.sqlite3"));

    for (int start = 1; start <= 2; ++start) {
        if (start > 1) std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // a new time stamp
        ASSERT_EQ(StartProgram(install).code, 0);
        const QStringList backups = BackupFiles(install);
        ASSERT_EQ(backups.size(), 10) << backups.join(QLatin1Char(' ')).toStdString();
        // The newest earlier ones and this run's, which is sound.
        EXPECT_EQ(backups.mid(0, 10 - start), earlier.mid(4 + start));
        EXPECT_EQ(BooksFile(NewestBackup(install)).integrity(), QStringLiteral("ok"));
        for (const QString& other : others)
            EXPECT_EQ(install.readBytes(QStringLiteral("db_backup/") + other), "other") << other.toStdString();
        EXPECT_TRUE(QFileInfo(install.path(QStringLiteral("db_backup/velmo_2020_0101-0000_00.sqlite3"))).isDir());
    }
}

}  // namespace
