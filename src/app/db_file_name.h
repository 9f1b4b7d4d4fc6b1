#pragma once
// The setting "filename" names the books file inside the db folder: a file
// name only, so that the books, their backups and their lock stay inside
// the installation.
#include <QString>

// The message refusing the value, naming the setting and the value; empty
// for a plain file name.
QString DbFileNameProblem(const QString& value);
