// The program started on a books file that cannot serve: each start ends
// within two seconds with the message for it, writes nothing into the file,
// and leaves the earlier backups as they were. The program runs as a child
// process, as a user starts it.
#include "books_file.h"
#include "child_process.h"
#include "program_start.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include <unistd.h>
#include <functional>
#include <optional>

namespace {

const QString kBook = QStringLiteral("db/book.sqlite3");
const QString kOpenError = QStringLiteral("box VelmoAccount: DBFile Open Error\r\n");
const QString kNoTables = QStringLiteral(
    "帳簿の表がありません: t_trade, t_trade_history, t_bs_begining, t_bs_begining_history, m_account, m_trade, "
    "m_trade_detail, m_percent, m_money");
constexpr qint64 kLongestStartMs = 2000;
constexpr int kPage = 4096;

struct Damage {
    const char* what;
    std::function<void(TempInstall&)> make;
    QString boxes;           // what the user is shown, in order
    bool otherUser = false;  // started by a user who may not write the file
};

QByteArray Zeroed(QByteArray bytes, qsizetype from, qsizetype count) {
    bytes.replace(from, count, QByteArray(count, '\0'));
    return bytes;
}

// The bundled books with a year of long entries, so that the rows fill many pages.
QByteArray FilledBooks(TempInstall& install) {
    install.installDatabase(QStringLiteral("book.sqlite3"));
    BooksFile(install.path(kBook))
        .exec(QStringLiteral("insert into t_trade with recursive n(v) as (select 1 union all select v + 1 from n "
                             "where v < 3000) select 2020, 1 + v % 12, 1 + v % 28, v, '14', '01', "
                             "printf('%0100d', v), v, 100, 1, '' from n"));
    return install.readBytes(kBook);
}

// A database of another program, with no table of the books.
QByteArray ForeignDatabase(TempInstall& install) {
    const QString path = install.path(QStringLiteral("foreign.sqlite3"));
    {
        sqlite3* db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db,
                     "create table customers (id integer primary key, name text); "
                     "insert into customers values (1, 'Sato')",
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    return install.readBytes(QStringLiteral("foreign.sqlite3"));
}

// Who may not write a read-only file: root may, so root lends the start to "nobody".
std::optional<uid_t> UserWhoCannotWrite() { return ::geteuid() == 0 ? std::optional<uid_t>(65534) : std::nullopt; }

void OpenToEveryone(const TempInstall& install) {
    for (const char* folder : {"", "bin", "log", "db", "db_backup"})
        QFile::setPermissions(install.path(QString::fromLatin1(folder)),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                  QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther);
}

const Damage kDamages[] = {
    {"a file of zero bytes", [](TempInstall& i) { i.writeBytes(kBook, QByteArray()); }, kOpenError + kNoTables},
    {"a text file", [](TempInstall& i) { i.writeBytes(kBook, QByteArray("[user]\r\nname=x\r\n").repeated(300)); },
     kOpenError + QStringLiteral("file is not a database")},
    {"a truncated file", [](TempInstall& i) { i.writeBytes(kBook, FilledBooks(i).left(15 * kPage)); },
     kOpenError + QStringLiteral("database disk image is malformed")},
    {"a zeroed header", [](TempInstall& i) { i.writeBytes(kBook, Zeroed(FilledBooks(i), 0, 100)); },
     kOpenError + QStringLiteral("file is not a database")},
    {"a zeroed page among the entries",
     [](TempInstall& i) {
         const QByteArray books = FilledBooks(i);
         i.writeBytes(kBook, Zeroed(books, books.size() - 20 * kPage, kPage));
     },
     kOpenError + QStringLiteral("database disk image is malformed")},
    {"a database of another program", [](TempInstall& i) { i.writeBytes(kBook, ForeignDatabase(i)); },
     kOpenError + kNoTables},
    {"a folder where its journal goes",
     [](TempInstall& i) {
         i.installDatabase(QStringLiteral("book.sqlite3"));
         i.makeFolder(QStringLiteral("db/book.sqlite3-journal"));
     },
     kOpenError + QStringLiteral("disk I/O error")},
    {"a read-only file",
     [](TempInstall& i) {
         i.installDatabase(QStringLiteral("book.sqlite3"));
         QFile::setPermissions(i.path(kBook), QFileDevice::ReadOwner | QFileDevice::ReadOther);
         OpenToEveryone(i);
     },
     kOpenError + QStringLiteral("attempt to write a readonly database"), true},
};

QStringList Backups(const TempInstall& install) {
    return QDir(install.path(QStringLiteral("db_backup"))).entryList(QDir::Files, QDir::Name);
}

// Ten good backups from earlier days, which a failed start must leave alone.
QStringList EarlierBackups(const TempInstall& install) {
    for (int day = 10; day < 21; ++day)
        install.writeBytes(QStringLiteral("db_backup/book_2026_11%1-0800_00.sqlite3").arg(day), "old");
    return Backups(install);
}

TEST(DamagedBooks, EachEndsWithItsMessageAndTouchesNothing) {
    for (const Damage& damage : kDamages) {
        TempInstall install;
        install.writeSettings(QStringLiteral("x"), QStringLiteral("book.sqlite3"));
        const QStringList backups = EarlierBackups(install);
        damage.make(install);
        const QByteArray before = install.readBytes(kBook);
        const QStringList dbFolder =
            QDir(install.path(QStringLiteral("db"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        const ProgramStart ended = StartProgram(install, damage.otherUser ? UserWhoCannotWrite() : std::nullopt);

        EXPECT_EQ(ended.code, 1) << damage.what;
        EXPECT_LT(ended.ms, kLongestStartMs) << damage.what;
        EXPECT_EQ(ended.boxes.toStdString(), damage.boxes.toStdString()) << damage.what;
        EXPECT_EQ(install.readBytes(kBook), before) << damage.what;
        EXPECT_EQ(QDir(install.path(QStringLiteral("db"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), dbFolder)
            << damage.what;
        EXPECT_EQ(Backups(install), backups) << damage.what;
    }
}

TEST(DamagedBooks, AFileLockedByAnotherProgramEndsWithTheBackupMessage) {
    TempInstall install;
    install.writeSettings(QStringLiteral("x"), QStringLiteral("book.sqlite3"));
    install.installDatabase(QStringLiteral("book.sqlite3"));
    const QStringList backups = EarlierBackups(install);
    ChildProcess other({QStringLiteral("lock"), install.path(kBook)}, install.path(QStringLiteral("other.txt")));
    ASSERT_EQ(other.readLine(30000), QStringLiteral("holding"));
    const QByteArray before = install.readBytes(kBook);

    const ProgramStart ended = StartProgram(install);

    EXPECT_EQ(ended.code, 1);
    EXPECT_LT(ended.ms, kLongestStartMs);
    EXPECT_TRUE(ended.boxes.startsWith(
        QStringLiteral("box エラーが発生しました: DBファイルを開いたままになっているとエラーになります。\r\n")))
        << ended.boxes.toStdString();
    EXPECT_TRUE(ended.boxes.contains(
        QStringLiteral("\nbox エラーが発生しました: VelmoAccount Ver2.05\r\n\r\nErr.Desc=database is locked\r\n")))
        << ended.boxes.toStdString();
    EXPECT_EQ(install.readBytes(kBook), before);
    EXPECT_EQ(Backups(install), backups);

    // Once the other program lets go, the same file starts.
    other.kill();
    EXPECT_EQ(StartProgram(install).code, 0);
}

}  // namespace
