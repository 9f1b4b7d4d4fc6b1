#pragma once
// The application's name and version as they appear in files, logs and captions.
#include <QString>

inline const QString kAppTitle = QStringLiteral("VelmoAccount");
inline const QString kExeName = QStringLiteral("VelmoAccount.exe");
inline const QString kProductName = QStringLiteral("ベルモかんたん会計");

inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 5;

// Major, ".", minor and revision written one after the other: 2.05.
QString VersionText();
