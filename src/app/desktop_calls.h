#pragma once
// The desktop services besides messages (app/message_box.h), sounds
// (app/sound_cue.h) and the busy pointer (app/hourglass.h), reached through
// the seams, so that no caller needs to know where the seams are kept.
#include <QDateTime>
#include <QString>

// The input box; the empty text when the user cancelled.
QString AskText(const QString& prompt, const QString& title, const QString& preset);
// The file dialog; the empty text when the user cancelled.
QString AskOpenFileName(const QString& title, const QString& folder, const QString& filter);
// Opens a document or folder with the program the desktop associates with
// it. When the desktop cannot, says so with the full path, for the user to
// open it by hand, and returns false.
bool OpenWithShell(const QString& path);
// The clock's time.
QDateTime Now();
