// The start-up before the first window: each check that refuses to start, what
// it shows and leaves in the start-up log, and the run log it opens and prunes.
#include "startup/start_up.h"
#include "app/context.h"
#include "app/library_version.h"
#include "app/run_log.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "platform/file_lock.h"
#include "reliability.h"
#include "temp_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSysInfo>

#include <optional>

using namespace Qt::StringLiterals;

TEST(StartUp, RefusesToStartOrOpensAndPrunesTheRunLog) {
    struct Case {
        const char* what;
        int oldLogs = 0;                      // run logs of earlier days
        QStringList gone = {};                // folders removed
        QString file = {};                    // written as a file
        QString folder = {};                  // made as a folder
        bool running = false;                 // another instance holds the lock
        std::optional<QByteArray> lock = {};  // left in the lock file
        bool readOnlyBin = false;             // bin/ cannot be written (the start-up log is there)
        bool link = false;                    // the lock file a link to itself
        QString qt = u"6.4.3"_s;
        int starts = 1;
    };
    const Case cases[] = {
        // Named like a run log, "lognotes.txt" is pruned with them and sorts last.
        {.what = "25 old logs, started twice", .oldLogs = 24, .file = u"log/lognotes.txt"_s, .starts = 2},
        {.what = "another instance running", .running = true},
        {.what = "the lock of a process that ended",  // no process has that number
         .lock = "99999999\nVelmoAccount\n" + QSysInfo::machineHostName().toUtf8() + "\n"},
        // What a power cut or a copy of the tree to another computer leaves: none blocks a start.
        {.what = "an empty lock file", .lock = ""},
        {.what = "a lock file of garbage", .lock = QByteArray("\0\xff\xfe\n\n-1\n", 7)},
        {.what = "the lock of another computer", .lock = "4242\nVelmoAccount\nanother-computer\n"},
        {.what = "a folder in the lock's place", .folder = u"bin/VelmoAccount.lock"_s},
        {.what = "a link to itself in the lock's place", .link = true},
        {.what = "a read-only bin folder", .readOnlyBin = true},
        {.what = "a read-only bin folder with a lock file left", .lock = "", .readOnlyBin = true},
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
        if (c.lock) install.writeBytes(u"bin/VelmoAccount.lock"_s, *c.lock);
        if (c.link) QFile::link(InstanceLockPath(), InstanceLockPath());
        platform::FileLock running(InstanceLockPath());
        EXPECT_TRUE(!c.running || running.acquire().kind == platform::LockResult::Kind::Held);
        if (c.readOnlyBin) WriteStartupLogHeader();

        out += u"== "_s + QString::fromLatin1(c.what) + u':';
        const auto start = [&] {
            try {
                RunStartUp({{u"SQLite"_s, u"3.40.1"_s, u"3.40.1"_s}, {u"Qt"_s, c.qt, u"6.4.2"_s}});
                out += u" went on"_s;
            } catch (const ProcessEnded&) {
                out += u" ended"_s;
            }
        };
        for (int n = 0; n < c.starts; ++n)
            c.readOnlyBin ? InReadOnlyFolder(install.path({}), install.path(u"bin"_s), start) : start();
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
