#pragma once
// The hourglass pointer for the length of a scope, restored on every way out
// of it, a run-time error included.
#include "app/context.h"

class BusyPointerScope {
public:
    BusyPointerScope() { ctx().desktop.busy->begin(); }
    ~BusyPointerScope() { ctx().desktop.busy->end(); }
    BusyPointerScope(const BusyPointerScope&) = delete;
    BusyPointerScope& operator=(const BusyPointerScope&) = delete;
};
