#pragma once
// The real seams that need no window: the clock, the end of the process and sound.
#include "platform/seams.h"

namespace platform {

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
};

class ExitProcess final : public ProcessEnd {
public:
    [[noreturn]] void endProcess(int code) override;
};

// Plays through SDL2 and waits for the end of the sound. Without an audio
// device, or with a missing or unreadable file, it returns at once.
class SdlSoundPlayer final : public SoundPlayer {
public:
    void playWav(const QString& path) override;
};

}  // namespace platform
