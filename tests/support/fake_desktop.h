#pragma once
// Test doubles for the desktop seams: they record what the program showed,
// played and opened, and answer questions from queues the test fills.
#include "platform/seams.h"

#include <QDateTime>
#include <QStringList>

#include <deque>
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
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;

    void messageBox(const QString& text, const QString& title) override;
    bool yesNoBox(const QString& text, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
};

class FakeShell final : public platform::Shell {
public:
    QStringList opened;
    void open(const QString& path) override { opened << path; }
};

class FakeSound final : public platform::SoundPlayer {
public:
    QStringList played;
    void playWav(const QString& path) override { played << path; }
};

class FakeBusyPointer final : public platform::BusyPointer {
public:
    int begun = 0;
    int ended = 0;
    void begin() override { ++begun; }
    void end() override { ++ended; }
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
    FakeShell shell;
    FakeSound sound;
    FakeBusyPointer busy;
    ThrowingProcessEnd processEnd;
    FixedClock clock;

    platform::Desktop seams();
};
