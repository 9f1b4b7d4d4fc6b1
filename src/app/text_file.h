#pragma once
// The one way text reaches and leaves the disk: Shift_JIS, CR LF after each line.
#include <QString>
#include <QStringList>

// Creates the file (replacing an existing one, never leaving it half-written)
// and writes lines[first..last], each followed by CR LF. A file that cannot be
// written raises a run-time error.
void WriteFileAryToTextFile(const QStringList& lines, qsizetype first, const QString& path);

// Appends one text and CR LF, creating the file when missing.
void AppendLineToTextFile(const QString& path, const QString& text);

// The lines of a Shift_JIS text file in file order; a line ends at CR LF, CR
// or LF. A missing or unreadable file raises a run-time error.
QStringList ReadTextFileLines(const QString& path);

// The lines of Shift_JIS text, split as ReadTextFileLines splits a file.
QStringList TextLines(const QByteArray& bytes);

// The whole file as bytes; a missing or unreadable file raises a run-time error.
QByteArray ReadFileBytes(const QString& path);
