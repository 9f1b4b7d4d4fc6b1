#pragma once
// The desktop services the program calls on, each behind a small interface so
// that the core runs and is tested without a window, a sound card or a clock.
#include <QDateTime>
#include <QString>

namespace platform {

// The answer of a question that Enter gives.
enum class DefaultAnswer { Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with an OK button and no icon.
    virtual void messageBox(const QString& text, const QString& title) = 0;
    // A modal box with Yes and No buttons and no icon; true for Yes.
    virtual bool yesNoBox(const QString& text, const QString& title, DefaultAnswer defaultAnswer) = 0;
    // A text prompt with a preset; the empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& preset) = 0;
    // The desktop's dialog for choosing an existing file, opened in the
    // folder and showing the files the filter names; the empty text when cancelled.
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document or a folder with the program the desktop associates
    // with it; false when the desktop could not.
    virtual bool open(const QString& path) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Plays a WAV file to its end; a missing file or no audio device plays nothing.
    virtual void playWav(const QString& path) = 0;
};

class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    // Ends the process at once; no further event handler runs.
    [[noreturn]] virtual void endProcess(int code) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The set of seams the process runs with.
struct Desktop {
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    SoundPlayer* sound = nullptr;
    BusyPointer* busy = nullptr;
    ProcessEnd* processEnd = nullptr;
    Clock* clock = nullptr;
};

}  // namespace platform
