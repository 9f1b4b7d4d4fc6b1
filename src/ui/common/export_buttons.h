#pragma once
// What the export frames of both screens share.
#include <QString>

#include <optional>

// The end of an export: the message of its failure, or the completion cue
// and the message that says it is done.
void FinishExport(const std::optional<QString>& failure, const QString& doneMessage);

// ExportFolder, for the shell to open; or nothing, after the message that no
// export has made a folder in this run (a folder left on disk by an earlier
// run does not count: the button opens what this run wrote).
std::optional<QString> ExportFolderToOpen();
