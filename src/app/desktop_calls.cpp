#include "app/desktop_calls.h"

#include "app/context.h"

QString AskText(const QString& prompt, const QString& title, const QString& preset) {
    return ctx().desktop.dialogs->inputBox(prompt, title, preset);
}

QString AskOpenFileName(const QString& title, const QString& folder, const QString& filter) {
    return ctx().desktop.dialogs->openFileName(title, folder, filter);
}

void OpenWithShell(const QString& path) { ctx().desktop.shell->open(path); }

QDateTime Now() { return ctx().desktop.clock->now(); }
