#pragma once
// The process-wide state: the two base folders, this run's log, the one
// database connection, the last export folder and the desktop seams. Start-up
// fills it once; each test fixture fills it for its temporary installation.
#include "platform/file_lock.h"
#include "platform/seams.h"

#include <QString>

#include <memory>

struct sqlite3;

struct AppContext {
    QString exeFolder;      // the folder of the executable
    QString appFolder;      // its parent: db, log, wav ... lie below it
    QString runLogPath;     // set once at start-up
    QString exportFolder;   // folder of the last export of this run, empty until then
    sqlite3* db = nullptr;  // DBConnection
    platform::Desktop desktop;
    // Held until the state goes: at the end of main, and at std::exit, which
    // every other normal end of the process goes through.
    std::unique_ptr<platform::FileLock> instanceLock;  // beside the executable
    std::unique_ptr<platform::FileLock> booksLock;     // beside the books file
};

AppContext& ctx();

// Sets ExeFolder and derives AppFolder from it.
void SetExeFolder(const QString& exeFolder);

// AppFolder & separator & relative name.
QString AppPath(const QString& relative);
// ExeFolder & separator & relative name.
QString ExePath(const QString& relative);

// Ends the process through the seam (the test double throws instead).
[[noreturn]] void EndProcess(int code);
