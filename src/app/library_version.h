#pragma once
// The start-up check that the shared libraries found at run time can serve
// the program as it was built: the same major version, and not older.
#include <QList>
#include <QString>

struct RuntimeLibrary {
    QString name;
    QString runtimeVersion;   // as the library reports itself, e.g. "3.40.1"
    QString compiledVersion;  // as the program was built against
};

bool VersionAcceptable(const QString& runtimeVersion, const QString& compiledVersion);

// Empty when every library is acceptable; otherwise the message naming the
// first one that is not, with both versions.
QString RuntimeLibraryProblem(const QList<RuntimeLibrary>& libraries);
