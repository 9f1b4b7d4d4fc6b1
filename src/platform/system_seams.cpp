#include "platform/system_seams.h"

#include <SDL2/SDL.h>

#include <QFile>

#include <cstdlib>

namespace platform {

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

void ExitProcess::endProcess(int code) { std::exit(code); }

namespace {

struct WavData {
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ~WavData() {
        if (buffer) SDL_FreeWAV(buffer);
    }
};

}  // namespace

void SdlSoundPlayer::playWav(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    {
        WavData wav;
        const QByteArray file = QFile::encodeName(path);
        if (SDL_LoadWAV(file.constData(), &wav.format, &wav.buffer, &wav.length) != nullptr) {
            const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wav.format, nullptr, 0);
            if (device != 0) {
                SDL_QueueAudio(device, wav.buffer, wav.length);
                SDL_PauseAudioDevice(device, 0);
                // The cue is short; waiting for it keeps the call synchronous.
                while (SDL_GetQueuedAudioSize(device) > 0) SDL_Delay(10);
                SDL_CloseAudioDevice(device);
            }
        }
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform
