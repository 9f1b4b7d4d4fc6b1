#pragma once
// A statement file read whole and decoded: Shift_JIS, or UTF-8 with or
// without its byte-order mark, as the program's text-code detection finds it.
#include <QString>

// The largest statement read; a year of a busy account is far below it.
inline constexpr qint64 kMaxStatementBytes = 10 * 1024 * 1024;

struct StatementText {
    QString text;
    // Empty, or the message naming the file and why it cannot be read.
    QString problem;
};

StatementText ReadStatementFile(const QString& path);
