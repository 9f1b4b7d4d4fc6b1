#pragma once
// The two file-system steps of replacing a file whole that Qt does not offer
// in the form needed: forcing written bytes to the disk, and moving a file
// over a name in one step without following a symbolic link found there.
#include <QFileDevice>
#include <QString>

namespace platform {

// Forces what was written to the open file onto the disk; false on failure.
bool SyncToDisk(QFileDevice& file);

// Renames `from` to `to` in one step, replacing what `to` names: a symbolic
// link there is itself replaced, its target left alone. The system's reason
// on failure, empty on success.
QString ReplaceByRename(const QString& from, const QString& to);

}  // namespace platform
