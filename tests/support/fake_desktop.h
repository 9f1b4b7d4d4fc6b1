#pragma once
// Test doubles for the desktop seams: they record the message boxes shown,
// and end the process and tell the time as the test decides.
#include "platform/seams.h"

#include <QDateTime>

#include <vector>

// Thrown by the process-end double. Deliberately not a std::exception, so the
// program's own error traps cannot swallow it.
struct ProcessEnded {
    int code;
};

// Thrown when the program asks a question the test did not expect.
struct UnexpectedDialog {
    QString text;
};

struct ShownBox {
    QString kind;  // "ok", "yesno" or "input"
    QString text;
    QString title;
};

class FakeDialogs final : public platform::Dialogs {
public:
    std::vector<ShownBox> shown;

    void messageBox(const QString& text, const QString& title) override;
    // No test answers questions yet: each one is recorded, then unexpected.
    bool yesNoBox(const QString& text, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
};

// Opening documents, sounds and the busy pointer: nothing to see in a test.
class SilentServices final : public platform::Shell, public platform::SoundPlayer, public platform::BusyPointer {
public:
    void open(const QString&) override {}
    void playWav(const QString&) override {}
    void begin() override {}
    void end() override {}
};

class ThrowingProcessEnd final : public platform::ProcessEnd {
public:
    [[noreturn]] void endProcess(int code) override { throw ProcessEnded{code}; }
};

class FixedClock final : public platform::Clock {
public:
    QDateTime time;
    QDateTime now() const override { return time; }
};

// One set of doubles, wired into a platform::Desktop.
struct FakeDesktop {
    FakeDialogs dialogs;
    SilentServices silent;
    ThrowingProcessEnd processEnd;
    FixedClock clock;

    platform::Desktop seams();
};
