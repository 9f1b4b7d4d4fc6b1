#pragma once
// The program started as a child process on a temporary installation, as a
// user starts it: how it ended, how long it took and every message it showed.
#include "temp_install.h"

#include <sys/types.h>
#include <optional>

struct ProgramStart {
    int code = 0;   // 0 when the menu came up
    qint64 ms = 0;  // from the start to the end of the process
    QString boxes;  // "box <title>: <text>", one per line
};

// With `user`, the program runs as that user.
ProgramStart StartProgram(const TempInstall& install, std::optional<uid_t> user = std::nullopt);
