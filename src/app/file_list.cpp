#include "app/file_list.h"

#include "app/backup_names.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/runtime_error.h"

#include <QDir>
#include <QFile>

QStringList ListFiles(const QString& folder, const QString& prefix, const QString& extension) {
    const QString suffix = QStringLiteral(".") + extension;
    QStringList names{QString()};
    const QStringList entries = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& name : entries) {
        // The prefix and the suffix must not overlap: log*.txt does not match "lo.txt".
        if (name.size() >= prefix.size() + suffix.size() && name.startsWith(prefix) && name.endsWith(suffix))
            names << name;
    }
    return names;
}

QStringList SortStrings(const QStringList& source, int orderFlag) {
    QStringList result = source;
    const bool descending = orderFlag == 0;
    for (qsizetype i = 1; i < result.size() - 1; ++i) {
        for (qsizetype j = i + 1; j < result.size(); ++j) {
            const bool outOfOrder = descending ? result[i] < result[j] : result[i] > result[j];
            if (outOfOrder) result.swapItemsAt(i, j);
        }
    }
    return result;
}

namespace {

// Keeps the `keep` greatest names of elements 1..n and deletes the others.
void PruneNames(const QString& folder, const QStringList& listed, int keep) {
    const QStringList names = SortStrings(listed, 0);
    const qsizetype n = names.size() - 1;
    if (keep >= n) return;
    for (qsizetype i = keep + 1; i <= n; ++i) {
        WriteLog(QStringLiteral("保存対象外のファイルを削除 ") + names[i]);
        const QString path = folder + QDir::separator() + names[i];
        if (!QFile::remove(path))
            throw RunTimeError(QStringLiteral("ファイルを削除できません: ") + QDir::toNativeSeparators(path));
    }
}

}  // namespace

void PruneOldFiles(const QString& folder, const QString& prefix, const QString& extension, int keep) {
    PruneNames(folder, ListFiles(folder, prefix, extension), keep);
}

void PruneBackups(const QString& folder, const QString& dbFileName, int keep) {
    QStringList backups{QString()};
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (IsBackupFileName(dbFileName, name)) backups << name;
    PruneNames(folder, backups, keep);
}
