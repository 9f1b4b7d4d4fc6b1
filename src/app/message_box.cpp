#include "app/message_box.h"

#include "app/context.h"

void ShowMessage(const QString& text, const QString& title) { ctx().desktop.dialogs->messageBox(text, title); }

bool AskYesNo(const QString& question) { return ctx().desktop.dialogs->yesNoBox(question, kAppTitle); }
