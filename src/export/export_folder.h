#pragma once
// The per-year folder that the receiving program reads, and the
// process-wide ExportFolder that both screens' open-folder buttons open.
#include <QString>

#include <optional>

// AppFolder\data_for_rupa_kaikei\<year>(<era>), e.g. …\2020(令和2).
QString ExportFolderOf(const QString& yearText, const QString& eraText);

// What the open-folder buttons show while ExportFolder is still empty.
inline const QString kNoExportFolderYet = QStringLiteral("まだ出力先フォルダが作成されていません。");

// Creates the folder when it is missing (only that last level; the log line
// is written first) and makes it ExportFolder. Returns the message to show
// when it cannot be created; ExportFolder is then left as it was.
std::optional<QString> MakeExportFolder(const QString& folder, const QString& logLine);
