// The start-up sequence before the first window: each check that refuses to
// start, what it leaves in the start-up log, and the run log it opens.
#include "app/context.h"
#include "app/library_version.h"
#include "platform/cp932.h"
#include "platform/instance_lock.h"
#include "startup/start_up.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>

namespace {

const QList<RuntimeLibrary> kGoodLibraries{{QStringLiteral("SQLite"), QStringLiteral("3.40.1"), QStringLiteral("3.40.1")},
                                           {QStringLiteral("Qt"), QStringLiteral("6.4.3"), QStringLiteral("6.4.2")}};

const QString kHeader = QStringLiteral(
    "App.Title=VelmoAccount Ver2.05 ログ\r\n"
    "App.EXEName=VelmoAccount.exe\r\n"
    "Date=2026/12/05(土) \r\n");

// Runs the start-up with its own lock; true when it ended the process.
bool StartUpEnds(const QList<RuntimeLibrary>& libraries = kGoodLibraries) {
    platform::InstanceLock lock(InstanceLockPath());
    try {
        RunStartUp(lock, libraries);
    } catch (const ProcessEnded&) {
        return true;
    }
    return false;
}

QString StartupLog(const TempInstall& install) {
    return platform::fromCp932(install.readBytes(QStringLiteral("bin/VelmoAccount_log.txt")));
}

QStringList RunLogs(const TempInstall& install) {
    return QDir(install.path(QStringLiteral("log"))).entryList(QDir::Files, QDir::Name);
}

TEST(StartUp, OpensThisRunsLogAndKeepsTheTwentyNewest) {
    TempInstall install;
    QStringList before;
    for (int day = 1; day <= 24; ++day) before << QStringLiteral("log_2026_11%1-0800_00.txt").arg(day, 2, 10, QChar(u'0'));
    // Not a run log, but named like one: it takes part in the pruning and sorts last.
    before << QStringLiteral("lognotes.txt");
    for (const QString& name : before) install.writeBytes(QStringLiteral("log/") + name, "old");

    ASSERT_FALSE(StartUpEnds());

    const QString runLog = QStringLiteral("log_2026_1205-0930_05.txt");
    EXPECT_EQ(ctx().runLogPath, install.path(QStringLiteral("log/") + runLog));
    QStringList kept = before.mid(6) + QStringList{runLog};
    kept.sort();
    EXPECT_EQ(RunLogs(install), kept);
    // Deleted from the newest of the old ones down to the oldest.
    QString expected = kHeader;
    for (qsizetype i = 5; i >= 0; --i)
        expected += QStringLiteral("09:30:05   保存対象外のファイルを削除 ") + before[i] + QStringLiteral("\r\n");
    EXPECT_EQ(install.runLog(), expected);
    EXPECT_EQ(StartupLog(install), kHeader);

    // A second start in the same second appends to both logs, headers not repeated.
    ASSERT_FALSE(StartUpEnds());
    EXPECT_EQ(StartupLog(install), kHeader);
    EXPECT_EQ(install.runLog(), expected);
}

TEST(StartUp, ASecondInstanceIsRefusedBeforeItTouchesAnything) {
    TempInstall install;
    QLockFile running(InstanceLockPath());
    ASSERT_TRUE(running.tryLock(0));

    ASSERT_TRUE(StartUpEnds());

    ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
    EXPECT_EQ(install.desktop.dialogs.shown[0].text, QStringLiteral("このプログラムは多重起動できません。"));
    EXPECT_EQ(install.desktop.dialogs.shown[0].title, QStringLiteral("VelmoAccount"));
    EXPECT_EQ(StartupLog(install), kHeader + QStringLiteral("09:30:05   多重起動End\r\n"));
    EXPECT_TRUE(RunLogs(install).isEmpty());
}

TEST(StartUp, ALockLeftByAProgramThatDiedIsTakenOver) {
    TempInstall install;
    QProcess finished;
    // A process that tells its own number and ends: that number names no running program.
    finished.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
    ASSERT_TRUE(finished.waitForFinished());
    const QByteArray content = finished.readAllStandardOutput().trimmed() + "\nVelmoAccount\n" +
                               QSysInfo::machineHostName().toUtf8() + "\n";
    install.writeBytes(QStringLiteral("bin/VelmoAccount.lock"), content);

    EXPECT_FALSE(StartUpEnds());
    EXPECT_TRUE(install.desktop.dialogs.shown.empty());
    EXPECT_EQ(RunLogs(install), QStringList{QStringLiteral("log_2026_1205-0930_05.txt")});
}

TEST(StartUp, NamesTheFirstMissingFolderOnly) {
    struct Case {
        QStringList removed;
        QString fileInstead;
        QString named;
    };
    const QList<Case> cases{
        {{QStringLiteral("log"), QStringLiteral("data_for_rupa_kaikei")}, {}, QStringLiteral("log")},
        {{QStringLiteral("db")}, {}, QStringLiteral("db")},
        {{}, QStringLiteral("db_backup"), QStringLiteral("db_backup")},
        {{QStringLiteral("data_for_rupa_kaikei")}, {}, QStringLiteral("data_for_rupa_kaikei")},
    };
    for (const Case& c : cases) {
        TempInstall install;
        for (const QString& folder : c.removed) ASSERT_TRUE(QDir(install.path(folder)).removeRecursively());
        if (!c.fileInstead.isEmpty()) {
            ASSERT_TRUE(QDir(install.path(c.fileInstead)).removeRecursively());
            install.writeBytes(c.fileInstead, "a file, not a folder");
        }

        ASSERT_TRUE(StartUpEnds()) << c.named.toStdString();

        const QString message = QStringLiteral("次のフォルダが存在しません。\r\n次のフォルダを作成してください。\r\n\r\n　") +
                                QDir::toNativeSeparators(install.path(c.named));
        ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
        EXPECT_EQ(install.desktop.dialogs.shown[0].text, message);
        EXPECT_EQ(install.desktop.dialogs.shown[0].title, QStringLiteral("VelmoAccount"));
        EXPECT_EQ(StartupLog(install), kHeader + QStringLiteral("09:30:05   ") + message + QStringLiteral("\r\n"));
    }
}

TEST(StartUp, RefusesARuntimeLibraryOfAnotherVersion) {
    TempInstall install;
    QList<RuntimeLibrary> libraries = kGoodLibraries;
    libraries[1].runtimeVersion = QStringLiteral("6.2.4");

    ASSERT_TRUE(StartUpEnds(libraries));

    const QString message = QStringLiteral(
        "ライブラリ Qt のバージョンが合いません。\r\n\r\n"
        "　必要なバージョン：6.4.2 以上（6.x）\r\n"
        "　見つかったバージョン：6.2.4\r\n\r\n"
        "プログラムを再インストールしてください。");
    ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
    EXPECT_EQ(install.desktop.dialogs.shown[0].text, message);
    EXPECT_EQ(StartupLog(install), kHeader + QStringLiteral("09:30:05   ") + message + QStringLiteral("\r\n"));
    EXPECT_TRUE(RunLogs(install).isEmpty());
}

TEST(StartUp, ALogThatCannotBeWrittenIsSaidAndEndsTheStart) {
    TempInstall install;
    for (int day = 1; day <= 21; ++day)
        install.writeBytes(QStringLiteral("log/log_2026_11%1-0800_00.txt").arg(day, 2, 10, QChar(u'0')), "old");
    // A folder where this run's log would go: the line about the pruned log cannot be written.
    install.makeFolder(QStringLiteral("log/log_2026_1205-0930_05.txt"));

    ASSERT_TRUE(StartUpEnds());

    ASSERT_EQ(install.desktop.dialogs.shown.size(), 1u);
    EXPECT_EQ(install.desktop.dialogs.shown[0].text,
              QStringLiteral("プログラムを起動できません。\r\n\r\nファイルに書き込めません: ") +
                  QDir::toNativeSeparators(install.path(QStringLiteral("log/log_2026_1205-0930_05.txt"))));
    EXPECT_EQ(install.desktop.dialogs.shown[0].title, QStringLiteral("エラーが発生しました"));
}

TEST(LibraryVersion, SameMajorVersionAndNotOlder) {
    struct Case {
        const char* runtime;
        const char* compiled;
        bool acceptable;
    };
    for (const Case& c : {Case{"3.40.1", "3.40.1", true}, Case{"3.45.0", "3.40.1", true},
                          Case{"3.40.0", "3.40.1", false}, Case{"4.0.0", "3.40.1", false},
                          Case{"6.4.2", "6.4.2", true}, Case{"5.15.8", "6.4.2", false}, Case{"", "6.4.2", false},
                          Case{"x", "6.4.2", false}})
        EXPECT_EQ(VersionAcceptable(QString::fromLatin1(c.runtime), QString::fromLatin1(c.compiled)), c.acceptable)
            << c.runtime << " for " << c.compiled;
    // The libraries this test itself runs on are those the program was built for.
    EXPECT_EQ(RuntimeLibraryProblem(InstalledLibraries()), QString());
}

}  // namespace
