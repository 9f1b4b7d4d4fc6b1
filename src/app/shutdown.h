#pragma once
#include <QString>

// The quit button of any screen: log, close the database, log "End" and end
// the process at once, so that no other handler (not even the menu's unload
// handler) runs.
[[noreturn]] void RunShutdown(const QString& formName);
