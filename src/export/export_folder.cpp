#include "export/export_folder.h"

#include "app/context.h"
#include "app/paths.h"
#include "app/run_log.h"

#include <QDir>

QString ExportFolderOf(const QString& yearText, const QString& eraText) {
    return AppPath(QStringLiteral("data_for_rupa_kaikei") + QDir::separator() + yearText + QStringLiteral("(") +
                   eraText + QStringLiteral(")"));
}

std::optional<QString> MakeExportFolder(const QString& folder, const QString& logLine) {
    if (!FolderExists(folder)) {
        WriteLog(logLine);
        if (!QDir().mkdir(folder)) {
            WriteLog(QStringLiteral("フォルダを作成できません ") + QDir::toNativeSeparators(folder));
            return QStringLiteral("次のフォルダを作成できませんでした。\r\n\r\n") + QDir::toNativeSeparators(folder) +
                   QStringLiteral("\r\n\r\nフォルダ data_for_rupa_kaikei があるか，書き込めるかを確かめてください。");
        }
    }
    ctx().exportFolder = folder;
    return std::nullopt;
}
