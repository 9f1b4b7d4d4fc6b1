#include "app/file_list.h"

#include "app/backup_names.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/runtime_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

void RemoveFile(const QString& folder, const QString& name) {
    const QString path = folder + QDir::separator() + name;
    if (!QFile::remove(path))
        throw RunTimeError(QStringLiteral("ファイルを削除できません: ") + QDir::toNativeSeparators(path));
}

// Keeps the `keep` greatest names of elements 1..n and deletes the others.
// The file this start has just made stays and counts among them whatever
// its name: after a run with the clock years ahead it sorts below the rest.
void PruneNames(const QString& folder, QStringList listed, int keep, const QString& current) {
    if (listed.removeOne(current)) --keep;
    const QStringList names = SortStrings(listed, 0);
    const qsizetype n = names.size() - 1;
    if (keep >= n) return;
    for (qsizetype i = keep + 1; i <= n; ++i) {
        WriteLog(QStringLiteral("保存対象外のファイルを削除 ") + names[i]);
        RemoveFile(folder, names[i]);
    }
}

}  // namespace

void PruneOldFiles(const QString& folder, const QString& prefix, const QString& extension, int keep,
                   const QString& current) {
    PruneNames(folder, ListFiles(folder, prefix, extension), keep, current);
}

void PruneBackups(const QString& folder, const QString& dbFileName, int keep, const QString& current) {
    QStringList backups{QString()};
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (IsBackupFileName(dbFileName, name)) backups << name;
    PruneNames(folder, backups, keep, current);
}

void RemoveCrashedBackups(const QString& folder, const QString& dbFileName) {
    QStringList leftovers;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        leftovers << CrashedBackupFiles(dbFileName, name);
    leftovers.sort();
    leftovers.removeDuplicates();
    for (const QString& name : leftovers) {
        if (!QFileInfo::exists(folder + QDir::separator() + name)) continue;  // its journal named it
        WriteLog(QStringLiteral("途中で終わったバックアップを削除 ") + name);
        RemoveFile(folder, name);
    }
}
