#include "ui/common/export_folder_button.h"

#include "app/context.h"
#include "app/identity.h"
#include "export/export_folder.h"

std::optional<QString> ExportFolderToOpen() {
    if (!ctx().exportFolder.isEmpty()) return ctx().exportFolder;
    ctx().desktop.dialogs->messageBox(kNoExportFolderYet, kAppTitle);
    return std::nullopt;
}
