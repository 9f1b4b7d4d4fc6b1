// The installed program started twice in a fresh installation: the first opens
// the books, the second is refused and leaves the first one's run log alone.
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

using namespace Qt::StringLiterals;

const QString kPrefix = QStringLiteral(VELMO_INSTALL_PREFIX "/");

static QStringList Files(const QString& folder) { return QDir(kPrefix + folder).entryList(QDir::Files); }

static QString Read(const QString& relative) {
    QFile file(kPrefix + relative);
    return file.open(QIODevice::ReadOnly) ? platform::fromCp932(file.readAll()) : QString();
}

static QString RunLog() { return Read(u"log/"_s + Files(u"log"_s).value(0)); }

// Waits up to 60 s (a sanitizer build starts slowly) for the condition.
template <class Condition>
static bool WaitFor(Condition condition) {
    QElapsedTimer timer;
    for (timer.start(); !condition(); QThread::msleep(50))
        if (timer.elapsed() > 60000) return false;
    return true;
}

// Started at once, ended at the end of the test however it ends.
struct Running : QProcess {
    Running() { start(kPrefix + u"bin/VelmoAccount"_s, {}); }
    ~Running() override { close(); }
};

TEST(InstalledProgram, OpensTheBooksAndRefusesASecondInstance) {
    ASSERT_TRUE(QDir(kPrefix).removeRecursively());
    const QStringList install{u"--install"_s, QStringLiteral(VELMO_BUILD_DIR), u"--prefix"_s, kPrefix};
    ASSERT_EQ(QProcess::execute(QStringLiteral(VELMO_CMAKE), install), 0);

    Running first;
    ASSERT_TRUE(first.waitForStarted());
    // The menu is up once it has looked for the user's name in the settings.
    ASSERT_TRUE(WaitFor([] { return RunLog().contains(u"'設定ファイルに氏名の記載があるなら表示"_s); }));
    const QString firstRunLog = RunLog();
    EXPECT_TRUE(firstRunLog.contains(u"  DBファイル接続OK\r\n"_s)) << firstRunLog.toStdString();
    EXPECT_EQ(Files(u"db_backup"_s).size(), 1);

    Running second;
    ASSERT_TRUE(WaitFor([] { return Read(u"bin/VelmoAccount_log.txt"_s).contains(u"多重起動End"_s); }));
    EXPECT_EQ(Files(u"log"_s).size(), 1);
    EXPECT_EQ(RunLog(), firstRunLog);
    EXPECT_FALSE(first.waitForFinished(0)) << "the first ended";
}
