#pragma once
// Test doubles for the desktop seams: they record what the program showed,
// opened and played, answer its questions from queues the test fills, and end
// the process and tell the time as the test decides.
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
    QString kind;  // "ok", "yesno", "yesno(No)" (a question Enter answers No), "input" or "file"
    QString text;
    QString title;
    QString preset;  // an input box's preset text; the file dialog's folder
};

class FakeDialogs final : public platform::Dialogs {
public:
    std::vector<ShownBox> shown;
    // Answers in order; a question with none queued is unexpected.
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    // The paths the file dialog answers, in order.
    std::deque<QString> fileAnswers;

    void messageBox(const QString& text, const QString& title) override;
    bool yesNoBox(const QString& text, const QString& title, platform::DefaultAnswer defaultAnswer) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
};

// Documents opened, sounds played and busy-pointer calls, as the program made
// them; the shell answers that it cannot open anything while openFails is set.
class RecordingServices final : public platform::Shell, public platform::SoundPlayer, public platform::BusyPointer {
public:
    QStringList opened;
    bool openFails = false;
    QStringList played;
    int busyBegun = 0;
    int busyEnded = 0;

    bool open(const QString& path) override {
        opened << path;
        return !openFails;
    }
    void playWav(const QString& path) override { played << path; }
    void begin() override { ++busyBegun; }
    void end() override { ++busyEnded; }
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
    RecordingServices services;
    ThrowingProcessEnd processEnd;
    FixedClock clock;

    platform::Desktop seams();
};
