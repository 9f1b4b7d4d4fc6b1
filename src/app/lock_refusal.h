#pragma once
// What the user is told when a lock file cannot be made: the reason, so that
// a folder in its place or a folder that cannot be written is not taken for
// a second running copy.
#include "platform/file_lock.h"

#include <QString>

// The message for a lock that failed for a reason other than another holder.
QString LockFileProblem(const platform::LockResult& result, const QString& lockPath);
