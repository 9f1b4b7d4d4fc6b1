#include "ui/common/export_buttons.h"

#include "app/context.h"
#include "app/identity.h"
#include "app/sound_cue.h"
#include "export/export_folder.h"

namespace {

void Show(const QString& text) { ctx().desktop.dialogs->messageBox(text, kAppTitle); }

}  // namespace

void FinishExport(const std::optional<QString>& failure, const QString& doneMessage) {
    if (failure) {
        Show(*failure);
        return;
    }
    PlaySoundCue(StartCuePath());
    Show(doneMessage);
}

std::optional<QString> ExportFolderToOpen() {
    if (!ctx().exportFolder.isEmpty()) return ctx().exportFolder;
    Show(kNoExportFolderYet);
    return std::nullopt;
}
