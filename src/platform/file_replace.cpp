#include "platform/file_replace.h"

#include <QFile>

#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

bool SyncToDisk(QFileDevice& file) { return file.flush() && ::fsync(file.handle()) == 0; }

QString ReplaceByRename(const QString& from, const QString& to) {
    // rename() acts on the name itself: a link at `to` is replaced, not followed.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0) return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace platform
