#pragma once
// Path and folder operations. Both "\" and "/" count as separators so that
// Windows-style paths read the same on every platform.
#include <QString>

// The text before the last separator, a separator in the last position not
// counted; "" when there is none.
QString FolderOf(const QString& path);
// The text after that same separator; "" when there is none.
QString FileNameOf(const QString& path);
// True when the path is not empty and names an existing folder.
bool FolderExists(const QString& path);
// True when the path is not empty and names an existing, visible file.
bool FileExists(const QString& path);

// The required folders below AppFolder, tested in this order.
inline const QString kRequiredFolders = QStringLiteral("db,db_backup,log,data_for_rupa_kaikei");

// True when every folder of the comma-separated list exists below AppFolder;
// otherwise false, with the message for the first missing one (also written
// to the start-up log).
bool CheckFolders(const QString& folderList, QString& message);
