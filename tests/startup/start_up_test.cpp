// The start-up before the first window: each check that refuses to start, what
// it shows and leaves in the start-up log, and the run log it opens and prunes.
#include "startup/start_up.h"
#include "app/context.h"
#include "app/library_version.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLockFile>
#include <QSysInfo>

using namespace Qt::StringLiterals;

TEST(StartUp, RefusesToStartOrOpensAndPrunesTheRunLog) {
    struct Case {
        const char* what;
        int oldLogs = 0;        // run logs of earlier days
        QStringList gone = {};  // folders removed
        QString file = {};      // written as a file
        QString folder = {};    // made as a folder
        bool running = false;   // another instance holds the lock
        QByteArray lock = {};   // left in the lock file
        QString qt = u"6.4.3"_s;
        int starts = 1;
    };
    const Case cases[] = {
        // Named like a run log, "lognotes.txt" is pruned with them and sorts last.
        {.what = "25 old logs, started twice", .oldLogs = 24, .file = u"log/lognotes.txt"_s, .starts = 2},
        {.what = "another instance running", .running = true},
        {.what = "the lock of a process that ended",  // no process has that number
         .lock = "99999999\nVelmoAccount\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        {.what = "two folders missing", .gone = {u"log"_s, u"data_for_rupa_kaikei"_s}},
        {.what = "db missing", .gone = {u"db"_s}},
        {.what = "data folder missing", .gone = {u"data_for_rupa_kaikei"_s}},
        {.what = "a file in place of db_backup", .gone = {u"db_backup"_s}, .file = u"db_backup"_s},
        {.what = "an older runtime library", .qt = u"6.2.4"_s},
        {.what = "a folder where this run's log goes", .oldLogs = 21, .folder = u"log/log_2026_1205-0930_05.txt"_s},
    };
    QString out;
    for (const Case& c : cases) {
        TempInstall install;
        for (int day = 1; day <= c.oldLogs; ++day)
            install.writeBytes(u"log/log_2026_11%1-0800_00.txt"_s.arg(day, 2, 10, QChar(u'0')), "old");
        for (const QString& folder : c.gone) QDir(install.path(folder)).removeRecursively();
        if (!c.file.isEmpty()) install.writeBytes(c.file, "old");
        if (!c.folder.isEmpty()) install.makeFolder(c.folder);
        if (!c.lock.isEmpty()) install.writeBytes(u"bin/VelmoAccount.lock"_s, c.lock);
        QLockFile running(InstanceLockPath());
        EXPECT_TRUE(!c.running || running.tryLock(0));

        out += u"== "_s + QString::fromLatin1(c.what) + u':';
        for (int start = 0; start < c.starts; ++start) {
            platform::InstanceLock lock(InstanceLockPath());
            try {
                RunStartUp(lock, {{u"SQLite"_s, u"3.40.1"_s, u"3.40.1"_s}, {u"Qt"_s, c.qt, u"6.4.2"_s}});
                out += u" went on"_s;
            } catch (const ProcessEnded&) {
                out += u" ended"_s;
            }
        }
        for (const ShownBox& box : install.desktop.dialogs.shown) out += u"\r\nbox "_s + box.title + u": "_s + box.text;
        out += u"\r\nstart-up log:\r\n"_s + platform::fromCp932(install.readBytes(u"bin/VelmoAccount_log.txt"_s)) +
               u"log folder: "_s + QDir(install.path(u"log"_s)).entryList(QDir::Files, QDir::Name).join(u' ') +
               u"\r\nrun log "_s + ctx().runLogPath + u":\r\n"_s + platform::fromCp932(RunLogBytes());
        out.replace(install.path({}), u"<install>/"_s);
    }
    EXPECT_EQ(GoldenDiff(u"startup/start_up.log"_s, platform::toCp932(out)), "");
}

TEST(LibraryVersion, SameMajorVersionAndNotOlder) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"3.45.0", "3.40.1", true}, {"3.40.10", "3.40.9", true}, {"6.10.0", "6.4.2", true}, {"3.40.0", "3.40.1", false},
        {"4.0.0", "3.40.1", false}, {"5.15.8", "6.4.2", false},  {"", "6.4.2", false},      {"x", "6.4.2", false}};
    for (const auto& [runtime, compiled, acceptable] : cases)
        EXPECT_EQ(VersionAcceptable(QString::fromLatin1(runtime), QString::fromLatin1(compiled)), acceptable)
            << runtime << " for " << compiled;
    // The libraries this test runs on are those the program was built for.
    EXPECT_EQ(RuntimeLibraryProblem(InstalledLibraries()), QString());
}
