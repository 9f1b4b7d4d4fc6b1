#pragma once
// Every message of the program: a modal box without an icon, titled with
// the application's name unless told otherwise.
#include "app/identity.h"

#include <QString>

// With an OK button.
void ShowMessage(const QString& text, const QString& title = kAppTitle);
// With Yes and No buttons; true for Yes.
bool AskYesNo(const QString& question);
