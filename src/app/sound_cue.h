#pragma once
#include <QString>

// AppFolder\wav\start.wav: played after an action completed successfully.
QString StartCuePath();
// AppFolder\wav\notify.wav: played before a warning.
QString NotifyCuePath();

// Plays the WAV file and returns when it has finished; a missing or
// unreadable file plays nothing and raises no error.
void PlaySoundCue(const QString& wavPath);
