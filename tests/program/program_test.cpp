// The installed program itself, started twice in one installation: the first
// opens the books and shows the menu, the second is refused and leaves the
// first one's run log alone.
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <functional>

namespace {

const QString kPrefix = QStringLiteral(VELMO_INSTALL_PREFIX);

QString Read(const QString& relative) {
    QFile file(kPrefix + QLatin1Char('/') + relative);
    return file.open(QIODevice::ReadOnly) ? platform::fromCp932(file.readAll()) : QString();
}

// Waits up to 60 s (a sanitizer build starts slowly) for the condition.
bool WaitFor(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 60000) return false;
        QThread::msleep(50);
    }
    return true;
}

// Ends the process at the end of the test, however it ends.
struct Running {
    QProcess process;
    ~Running() {
        process.kill();
        process.waitForFinished();
    }
};

TEST(InstalledProgram, OpensTheBooksAndRefusesASecondInstance) {
    QFile settings(kPrefix + QStringLiteral("/bin/VelmoAccount.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(platform::toCp932(QStringLiteral("[user]\r\nname=青色 太郎\r\n[db]\r\nfilename=velmo.sqlite3\r\n")));
    settings.close();

    Running first;
    first.process.start(kPrefix + QStringLiteral("/bin/VelmoAccount"), {});
    ASSERT_TRUE(first.process.waitForStarted());
    QString runLogName;
    ASSERT_TRUE(WaitFor([&] {
        const QStringList logs = QDir(kPrefix + QStringLiteral("/log")).entryList(QDir::Files);
        runLogName = logs.value(0);
        return logs.size() == 1 && Read(QStringLiteral("log/") + runLogName).contains(QStringLiteral("DBファイル接続OK"));
    }));

    QStringList lines;
    for (const QString& line : Read(QStringLiteral("log/") + runLogName).split(QStringLiteral("\r\n")))
        lines << line.mid(9);
    const qsizetype from = lines.indexOf(QStringLiteral("■frmMenu.Form_Load"));
    const qsizetype to = lines.indexOf(QStringLiteral("  DBファイル接続OK"));
    ASSERT_GE(from, 3);
    const QString backup = QDir::toNativeSeparators(QDir(kPrefix).absoluteFilePath(QStringLiteral("db_backup/velmo_")));
    ASSERT_EQ(to - from, 4);
    EXPECT_TRUE(lines[from + 1].startsWith(QStringLiteral("  DBファイルバックアップ作成:") + backup) &&
                lines[from + 1].endsWith(QStringLiteral(".sqlite3")))
        << lines[from + 1].toStdString();
    EXPECT_EQ(lines[from + 2], QStringLiteral("  DBFileOpen"));
    EXPECT_EQ(lines[from + 3], QStringLiteral("  select name from sqlite_master where type = 'table'"));
    EXPECT_EQ(QDir(kPrefix + QStringLiteral("/db_backup")).entryList(QDir::Files).size(), 1);

    // The menu is up when the settings' name has been put into it.
    ASSERT_TRUE(WaitFor([&] { return Read(QStringLiteral("log/") + runLogName).contains(QStringLiteral("設定ファイルの氏名を表示")); }));
    const QString firstRunLog = Read(QStringLiteral("log/") + runLogName);

    Running second;
    second.process.start(kPrefix + QStringLiteral("/bin/VelmoAccount"), {});
    ASSERT_TRUE(second.process.waitForStarted());
    ASSERT_TRUE(WaitFor([] { return Read(QStringLiteral("bin/VelmoAccount_log.txt")).contains(QStringLiteral("多重起動End")); }));
    EXPECT_EQ(Read(QStringLiteral("log/") + runLogName), firstRunLog);
    EXPECT_EQ(QDir(kPrefix + QStringLiteral("/log")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(first.process.state(), QProcess::Running);
}

}  // namespace
