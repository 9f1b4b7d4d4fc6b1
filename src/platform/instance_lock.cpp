#include "platform/instance_lock.h"

namespace platform {

InstanceLock::InstanceLock(const QString& lockPath) : lock_(lockPath) {
    // Never treat a live lock as stale by age; only a dead owner frees it.
    lock_.setStaleLockTime(0);
}

bool InstanceLock::acquire() { return lock_.tryLock(0); }

}  // namespace platform
