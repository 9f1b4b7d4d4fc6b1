#include "app/sound_cue.h"

#include "app/context.h"

#include <QDir>

QString StartCuePath() { return AppPath(QStringLiteral("wav") + QDir::separator() + QStringLiteral("start.wav")); }

QString NotifyCuePath() { return AppPath(QStringLiteral("wav") + QDir::separator() + QStringLiteral("notify.wav")); }

void PlaySoundCue(const QString& wavPath) { ctx().desktop.sound->playWav(wavPath); }
