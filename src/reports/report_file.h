#pragma once
// Where a report goes: a file in AppFolder\txt under the name the user typed.
#include "app/safe_write.h"

#include <QString>
#include <QStringList>

#include <optional>

// Why the typed name cannot be used as a report file name, as the message
// to show; nothing when it can. Refused: the empty name, a name holding a
// folder separator ("\" or "/"), "." and "..", control characters, the
// characters : * ? " < > |, a "." or blank at the end (Windows drops it; a
// name of blanks only is one), the names Windows keeps for its devices (CON,
// NUL.txt ...) and a name too long for the file system. The message echoes a
// long name cut to its first 30 characters and "…".
std::optional<QString> ReportFileNameProblem(const QString& name);

// AppFolder\txt\<name>
QString ReportPath(const QString& name);

// Writes the report's elements from element 0 as AppFolder\txt\<name>; a
// file of that name is replaced only once the new one is complete. Returns
// the message to show when nothing was written (the name's problem, or the
// file that could not be written); nothing when the report was written.
std::optional<QString> WriteReport(const QStringList& lines, const QString& name);
// The same for a report whose lines are built while the file is written.
std::optional<QString> WriteReport(const LineSource& lines, const QString& name);
