#include "app/paths.h"

#include "app/context.h"
#include "app/run_log.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Position of the last separator, one in the last position not counted.
qsizetype LastSeparator(const QString& path) {
    if (path.size() < 2) return -1;
    const qsizetype from = path.size() - 2;
    return std::max(path.lastIndexOf(QLatin1Char('\\'), from), path.lastIndexOf(QLatin1Char('/'), from));
}

}  // namespace

QString FolderOf(const QString& path) {
    const qsizetype pos = LastSeparator(path);
    return pos < 0 ? QString() : path.left(pos);
}

QString FileNameOf(const QString& path) {
    const qsizetype pos = LastSeparator(path);
    return pos < 0 ? QString() : path.mid(pos + 1);
}

bool FolderExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool CheckFolders(const QString& folderList, QString& message) {
    for (const QString& name : folderList.split(QLatin1Char(','))) {
        const QString path = AppPath(name);
        if (!FolderExists(path)) {
            message = QStringLiteral("次のフォルダが存在しません。\r\n次のフォルダを作成してください。\r\n\r\n　") +
                      QDir::toNativeSeparators(path);
            WriteStartupLog(message);
            return false;
        }
    }
    return true;
}
