#include "platform/file_lock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

LockResult FailureOf(int error) {
    switch (error) {
        case EISDIR:
            return {LockResult::Kind::FolderInItsPlace, {}};
        case EACCES:
        case EPERM:
        case EROFS:
            return {LockResult::Kind::NotWritable, {}};
        default:
            return {LockResult::Kind::OtherFailure, QString::fromLocal8Bit(std::strerror(error))};
    }
}

// True while the path names the file open as `fd`. A holder that ends
// removes its file; a lock taken meanwhile on the removed file would guard
// nothing, since the next start creates and locks a new one.
bool StillNamed(int fd, const QByteArray& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.constData(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

}  // namespace

FileLock::FileLock(const QString& path) : path_(path) {}

FileLock::~FileLock() {
    if (handle_ < 0) return;
    // Removed while still held, so that no start locks a file about to vanish.
    // In a folder that cannot be written the file stays: harmless, the lock
    // goes with the handle.
    ::unlink(QFile::encodeName(path_).constData());
    ::close(handle_);
}

LockResult FileLock::acquire() {
    const QByteArray name = QFile::encodeName(path_);
    for (;;) {
        int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // A lock file already there serves in a folder that cannot be written:
        // locking needs no right to write.
        if (fd < 0 && (errno == EACCES || errno == EROFS)) {
            const int createError = errno;
            fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) return FailureOf(createError);
        }
        if (fd < 0) return FailureOf(errno);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            return error == EWOULDBLOCK ? LockResult{LockResult::Kind::HeldElsewhere, {}} : FailureOf(error);
        }
        if (StillNamed(fd, name)) {
            handle_ = fd;
            return {};
        }
        ::close(fd);  // the holder ended meanwhile: lock the file that is there now
    }
}

}  // namespace platform
