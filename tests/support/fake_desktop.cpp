#include "fake_desktop.h"

void FakeDialogs::messageBox(const QString& text, const QString& title) {
    shown.push_back({QStringLiteral("ok"), text, title, QString()});
}

bool FakeDialogs::yesNoBox(const QString& text, const QString& title, platform::DefaultAnswer defaultAnswer) {
    const bool enterSaysNo = defaultAnswer == platform::DefaultAnswer::No;
    shown.push_back({enterSaysNo ? QStringLiteral("yesno(No)") : QStringLiteral("yesno"), text, title, QString()});
    if (yesNoAnswers.empty()) throw UnexpectedDialog{text};
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString FakeDialogs::inputBox(const QString& prompt, const QString& title, const QString& preset) {
    shown.push_back({QStringLiteral("input"), prompt, title, preset});
    if (inputAnswers.empty()) throw UnexpectedDialog{prompt};
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QString FakeDialogs::openFileName(const QString& title, const QString& folder, const QString& filter) {
    shown.push_back({QStringLiteral("file"), filter, title, folder});
    if (fileAnswers.empty()) throw UnexpectedDialog{title};
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

platform::Desktop FakeDesktop::seams() { return {&dialogs, &services, &services, &services, &processEnd, &clock}; }
