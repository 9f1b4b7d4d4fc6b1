#pragma once
// Every message of the program: a modal box without an icon, titled with
// the application's name unless told otherwise. The user sees the yen mark
// where a text holds the backslash that stands for it before an amount
// ("\320"), as a Japanese desktop font draws it; the text itself, as stored,
// logged and written, keeps the backslash.
#include "app/identity.h"
#include "platform/seams.h"

#include <QString>

// With an OK button.
void ShowMessage(const QString& text, const QString& title = kAppTitle);
// With Yes and No buttons; true for Yes. A question whose yes changes or
// replaces stored data defaults to No, so that a stray Enter keeps the data.
bool AskYesNo(const QString& question, platform::DefaultAnswer defaultAnswer);
