#pragma once
// Every message of the program: a modal box with an OK button and no icon,
// titled with the application's name unless told otherwise.
#include "app/identity.h"

#include <QString>

void ShowMessage(const QString& text, const QString& title = kAppTitle);
