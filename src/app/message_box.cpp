#include "app/message_box.h"

#include "app/context.h"

void ShowMessage(const QString& text, const QString& title) { ctx().desktop.dialogs->messageBox(text, title); }
