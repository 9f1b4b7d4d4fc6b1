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
#include <QMultiHash>
#include <QSysInfo>

using namespace Qt::StringLiterals;

TEST(StartUp, RefusesToStartOrOpensAndPrunesTheRunLog) {
    QList<QMultiHash<QString, QString>> cases;  // each case's settings by name
    for (const auto& [name, text] : DataCaseLines(u"startup/start_up.cases"_s))
        (name == u"case"_s ? cases.emplace_back() : cases.back()).insert(name, text);
    QString out;
    for (const QMultiHash<QString, QString>& c : cases) {
        TempInstall install;
        for (int day = 1; day <= c.value(u"oldLogs"_s).toInt(); ++day)
            install.writeBytes(u"log/log_2026_11%1-0800_00.txt"_s.arg(day, 2, 10, QChar(u'0')), "old");
        for (const QString& folder : c.values(u"gone"_s)) QDir(install.path(folder)).removeRecursively();
        if (c.contains(u"file"_s)) install.writeBytes(c.value(u"file"_s), "old");
        if (c.contains(u"folder"_s)) install.makeFolder(c.value(u"folder"_s));
        if (c.contains(u"lock"_s))
            install.writeBytes(u"bin/VelmoAccount.lock"_s,
                               c.value(u"lock"_s).replace(u"<host>"_s, QSysInfo::machineHostName()).toLatin1());
        if (c.contains(u"link"_s)) QFile::link(InstanceLockPath(), InstanceLockPath());
        platform::FileLock running(InstanceLockPath());
        EXPECT_TRUE(!c.contains(u"running"_s) || running.acquire().kind == platform::LockResult::Kind::Held);
        const bool readOnlyBin = c.contains(u"readOnlyBin"_s);
        if (readOnlyBin) WriteStartupLogHeader();

        out += u"== "_s + c.value(u"case"_s) + u':';
        const auto start = [&] {
            try {
                RunStartUp(
                    {{u"SQLite"_s, u"3.40.1"_s, u"3.40.1"_s}, {u"Qt"_s, c.value(u"qt"_s, u"6.4.3"_s), u"6.4.2"_s}});
                out += u" went on"_s;
            } catch (const ProcessEnded&) {
                out += u" ended"_s;
            }
        };
        for (int n = 0; n < c.value(u"starts"_s, u"1"_s).toInt(); ++n)
            readOnlyBin ? InReadOnlyFolder(install.path({}), install.path(u"bin"_s), start) : start();
        for (const ShownBox& box : install.desktop.dialogs.shown) out += u"\r\nbox "_s + box.title + u": "_s + box.text;
        out += u"\r\nstart-up log:\r\n"_s + platform::fromCp932(install.readBytes(u"bin/VelmoAccount_log.txt"_s)) +
               u"log folder: "_s + QDir(install.path(u"log"_s)).entryList(QDir::Files, QDir::Name).join(u' ') +
               u"\r\nrun log "_s + ctx().runLogPath + u":\r\n"_s + platform::fromCp932(RunLogBytes());
        out.replace(install.path({}), u"<install>/"_s);
    }
    EXPECT_EQ(GoldenDiff(u"startup/start_up.log"_s, platform::toCp932(out)), "");
}

TEST(LibraryVersion, SameMajorVersionAndNotOlder) {
    for (const auto& [acceptable, versions] : DataCaseLines(u"startup/versions.cases"_s))
        EXPECT_EQ(VersionAcceptable(versions.section(u' ', 0, 0), versions.section(u' ', 1)), acceptable == u"yes"_s)
            << versions.toStdString();
    // The libraries this test runs on are those the program was built for.
    EXPECT_EQ(RuntimeLibraryProblem(InstalledLibraries()), QString());
}
