#pragma once
// The user name goes into the settings file, every report heading, the run
// log and the export file; only a name that survives all of them is saved.
#include <QString>

// Empty when the name can be saved as typed; otherwise the message saying why not.
QString UserNameProblem(const QString& name);
