#include "app/lock_refusal.h"

#include <QDir>

QString LockFileProblem(const platform::LockResult& result, const QString& lockPath) {
    using Kind = platform::LockResult::Kind;
    QString reason;
    switch (result.kind) {
        case Kind::FolderInItsPlace:
            reason = QStringLiteral("同じ名前のフォルダがあります。このフォルダを移動するか削除してください。");
            break;
        case Kind::NotWritable:
            reason = QStringLiteral("フォルダに書き込めません（読み取り専用か、書き込む権限がありません）。");
            break;
        default:
            reason = QStringLiteral("ファイルを開けません（") + result.detail + QStringLiteral("）。");
            break;
    }
    return QStringLiteral("ロックファイルを作成できないため、起動できません。\r\n") + reason +
           QStringLiteral("\r\n\r\n　") + QDir::toNativeSeparators(lockPath);
}
