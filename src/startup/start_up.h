#pragma once
// Everything the process does before its first window: the start-up log,
// the single-instance rule, the working folders, the runtime libraries and
// this run's log. A failed check ends the process after its message.
#include "app/library_version.h"

#include <QList>

// The libraries the program was built against, with the versions found now.
QList<RuntimeLibrary> InstalledLibraries();

// The lock file beside the executable that marks a running program.
QString InstanceLockPath();

// Runs the sequence; returns when the menu may be shown. The lock stays
// held in the process-wide state for the life of the process.
void RunStartUp(const QList<RuntimeLibrary>& libraries);
