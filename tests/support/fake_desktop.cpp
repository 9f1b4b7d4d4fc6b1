#include "fake_desktop.h"

void FakeDialogs::messageBox(const QString& text, const QString& title) {
    shown.push_back({QStringLiteral("ok"), text, title});
}

bool FakeDialogs::yesNoBox(const QString& text, const QString& title) {
    shown.push_back({QStringLiteral("yesno"), text, title});
    throw UnexpectedDialog{text};
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString&) {
    shown.push_back({QStringLiteral("input"), prompt, title});
    throw UnexpectedDialog{prompt};
}

platform::Desktop FakeDesktop::seams() { return {&dialogs, &silent, &silent, &silent, &processEnd, &clock}; }
