#pragma once
// The real seams that need the windowing system.
#include "platform/seams.h"

namespace platform {

class MessageBoxDialogs final : public Dialogs {
public:
    void messageBox(const QString& text, const QString& title) override;
    bool yesNoBox(const QString& text, const QString& title, DefaultAnswer defaultAnswer) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& preset) override;
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override;
};

// Opens documents and folders with the desktop's associated program.
class DesktopShell final : public Shell {
public:
    bool open(const QString& path) override;
};

class WaitCursor final : public BusyPointer {
public:
    void begin() override;
    void end() override;
};

}  // namespace platform
