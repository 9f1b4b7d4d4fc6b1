#pragma once
// The end of every trapped run-time error: log, tell the user whom to
// contact, close the database and end the process.
#include <QString>

inline const QString kErrorTitle = QStringLiteral("エラーが発生しました");

[[noreturn]] void ReportFatalError(const QString& errorDescription = QString());
