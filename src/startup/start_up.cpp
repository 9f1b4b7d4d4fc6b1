#include "startup/start_up.h"

#include "app/context.h"
#include "app/desktop_calls.h"
#include "app/fatal_error.h"
#include "app/file_list.h"
#include "app/identity.h"
#include "app/lock_refusal.h"
#include "app/message_box.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/runtime_error.h"

#include <sqlite3.h>

namespace {

constexpr int kRunLogsKept = 20;

[[noreturn]] void StopWith(const QString& message) {
    ShowMessage(message);
    EndProcess(1);
}

void TakeInstanceLock() {
    ctx().instanceLock = std::make_unique<platform::FileLock>(InstanceLockPath());
    const platform::LockResult lock = ctx().instanceLock->acquire();
    if (lock.kind == platform::LockResult::Kind::HeldElsewhere) {
        WriteStartupLog(QStringLiteral("多重起動End"));
        StopWith(QStringLiteral("このプログラムは多重起動できません。"));
    }
    if (lock.kind != platform::LockResult::Kind::Held) {
        const QString message = LockFileProblem(lock, InstanceLockPath());
        WriteStartupLog(message);
        StopWith(message);
    }
}

void RunStartUpSteps(const QList<RuntimeLibrary>& libraries) {
    WriteStartupLogHeader();
    TakeInstanceLock();

    if (QString message; !CheckFolders(kRequiredFolders, message)) StopWith(message);

    if (const QString problem = RuntimeLibraryProblem(libraries); !problem.isEmpty()) {
        WriteStartupLog(problem);
        StopWith(problem);
    }

    ctx().runLogPath = RunLogPathAt(Now());
    WriteRunLogHeader(ctx().runLogPath);
    PruneOldFiles(AppPath(QStringLiteral("log")), QStringLiteral("log"), QStringLiteral("txt"), kRunLogsKept,
                  FileNameOf(ctx().runLogPath));
}

}  // namespace

QList<RuntimeLibrary> InstalledLibraries() {
    return {{QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion()), QStringLiteral(SQLITE_VERSION)},
            {QStringLiteral("Qt"), QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR)}};
}

QString InstanceLockPath() { return ExePath(kAppTitle + QStringLiteral(".lock")); }

void RunStartUp(const QList<RuntimeLibrary>& libraries) {
    // A log or a folder that cannot be written must not crash the program
    // without a word: say why it cannot start.
    try {
        RunStartUpSteps(libraries);
    } catch (const std::exception& error) {
        ShowMessage(QStringLiteral("プログラムを起動できません。\r\n\r\n") + DescriptionOf(error), kErrorTitle);
        EndProcess(1);
    }
}
