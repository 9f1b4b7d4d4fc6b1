#pragma once
// Listing files by name pattern and pruning old ones by count. Arrays follow
// the program's convention: element 0 stays empty, elements 1..n hold values.
#include <QString>
#include <QStringList>

// Names (without folder) of the visible files matching folder\prefix*.extension,
// in elements 1..n.
QStringList ListFiles(const QString& folder, const QString& prefix, const QString& extension);

// A copy of the source with elements 1..n sorted by character code;
// flag 0 = descending, any other value = ascending.
QStringList SortStrings(const QStringList& source, int orderFlag);

// Keeps the newest `keep` files folder\prefix*.extension (the names carry a time
// stamp, so newest = greatest name) and deletes the others, logging each one.
// `current`, the file this start made, is always among those kept.
void PruneOldFiles(const QString& folder, const QString& prefix, const QString& extension, int keep,
                   const QString& current);

// The same for the backups of one database file: only names of the exact
// backup form take part (see backup_names.h).
void PruneBackups(const QString& folder, const QString& dbFileName, int keep, const QString& current);

// Removes what backups cut off by a crash left in the folder, logging each file.
void RemoveCrashedBackups(const QString& folder, const QString& dbFileName);
