#pragma once
// The text code of a file on disk, and the Shift_JIS check made before a
// user-maintained text file is read.
#include <QString>

// Reads the whole file and returns the name of its text code. A file that
// cannot be read raises a run-time error.
QString GetTextFileCodeName(const QString& path);

// True when the file is ASCII or Shift_JIS (message untouched); otherwise
// false, with the message naming the file and its code and asking whether to
// open it in the editor. A file that cannot be read raises a run-time error.
bool ChkTextFileSJIS(const QString& path, QString& message);
