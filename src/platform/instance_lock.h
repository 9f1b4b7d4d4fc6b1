#pragma once
// Refuses a second running copy of the program: the first holds a lock file
// beside the executable. A lock left by a crashed run is taken over.
#include <QLockFile>
#include <QString>

namespace platform {

class InstanceLock {
public:
    explicit InstanceLock(const QString& lockPath);
    // False when another running process holds the lock.
    bool acquire();

private:
    QLockFile lock_;
};

}  // namespace platform
