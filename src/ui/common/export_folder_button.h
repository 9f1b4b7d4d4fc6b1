#pragma once
// What the open-folder buttons of both screens share.
#include <QString>

#include <optional>

// ExportFolder, for the shell to open; or nothing, after the message that no
// export has made a folder in this run (a folder left on disk by an earlier
// run does not count: the button opens what this run wrote).
std::optional<QString> ExportFolderToOpen();
