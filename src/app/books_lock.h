#pragma once
// The lock beside the books file itself. The lock beside the executable
// keeps one copy per installation; two installations can still reach one
// books file (a db folder or file linked to another's), and both meet at
// the file, so this lock refuses the second as a second copy is refused.
#include <QString>

// Takes the lock into the process-wide state: the books file's real path
// (links followed) with ".lock" added, e.g. db/velmo.sqlite3.lock. The
// message to end with when another program holds it or it cannot be made;
// empty when it is held.
QString TakeBooksLock(const QString& dbPath);
