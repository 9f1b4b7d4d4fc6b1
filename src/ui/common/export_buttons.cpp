#include "ui/common/export_buttons.h"

#include "app/context.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/sound_cue.h"
#include "export/export_folder.h"

void FinishExport(const std::optional<QString>& failure, const QString& doneMessage) {
    if (failure) {
        ShowMessage(*failure);
        return;
    }
    PlaySoundCue(StartCuePath());
    ShowMessage(doneMessage);
}

std::optional<QString> ExportFolderToOpen() {
    if (!ctx().exportFolder.isEmpty()) return ctx().exportFolder;
    ShowMessage(kNoExportFolderYet);
    return std::nullopt;
}
