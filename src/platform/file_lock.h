#pragma once
// A lock held on a file for the life of the process: the operating system
// lets it go when the process ends, however it ends, so a file left by a
// crash, a power cut or a copy from another computer never blocks a start.
// What the file holds does not matter. Implemented per system
// (file_lock_posix.cpp).
#include <QString>

namespace platform {

struct LockResult {
    enum class Kind {
        Held,              // this process holds the lock now
        HeldElsewhere,     // another process holds it
        FolderInItsPlace,  // a folder has the lock file's name
        NotWritable,       // the folder cannot be written (read-only, no right)
        OtherFailure,      // any other reason, in `detail`
    };
    Kind kind = Kind::Held;
    QString detail;  // the system's words for OtherFailure
};

class FileLock {
public:
    explicit FileLock(const QString& path);
    // Lets go of a held lock and removes its file.
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock without waiting; the file is created when missing.
    LockResult acquire();

private:
    QString path_;
    int handle_ = -1;
};

}  // namespace platform
