#include "app/backup_names.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QString kStampFormat = QStringLiteral("_yyyy_MMdd-HHmm_ss");
const QString kStampPattern = QStringLiteral("_\\d{4}_\\d{4}-\\d{4}_\\d{2}");
const QString kTempSuffix = QStringLiteral(".tmp");
const QString kJournal = QStringLiteral("-journal");

}  // namespace

QString BackupFileName(const QString& dbFileName, const QDateTime& at) {
    const QString stamp = at.toString(kStampFormat);
    if (!dbFileName.contains(QLatin1Char('.'))) return dbFileName + stamp;
    QString name = dbFileName;
    return name.replace(QLatin1Char('.'), stamp + QLatin1Char('.'));
}

bool IsBackupFileName(const QString& dbFileName, const QString& candidate) {
    QStringList parts;
    for (const QString& part : dbFileName.split(QLatin1Char('.'))) parts << QRegularExpression::escape(part);
    QString pattern = parts.join(kStampPattern + QStringLiteral("\\."));
    if (parts.size() == 1) pattern += kStampPattern;
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(candidate).hasMatch();
}

QString BackupTempName(const QString& backupName) { return backupName + kTempSuffix; }

QStringList CrashedBackupFiles(const QString& dbFileName, const QString& candidate) {
    for (const QString& end : {QString(), kJournal, QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString temp = kTempSuffix + end;
        if (candidate.endsWith(temp) && IsBackupFileName(dbFileName, candidate.chopped(temp.size())))
            return {candidate};
    }
    if (candidate.endsWith(kJournal) && IsBackupFileName(dbFileName, candidate.chopped(kJournal.size())))
        return {candidate.chopped(kJournal.size()), candidate};
    return {};
}
