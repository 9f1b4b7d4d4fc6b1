#include "app/backup_names.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QString kStampFormat = QStringLiteral("_yyyy_MMdd-HHmm_ss");
const QString kStampPattern = QStringLiteral("_\\d{4}_\\d{4}-\\d{4}_\\d{2}");

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
