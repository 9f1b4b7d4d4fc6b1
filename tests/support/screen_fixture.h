#pragma once
// A started menu on a fresh temporary installation with the bundled
// database, as a user finds the program after the first start, and the way
// to act inside a working screen the menu shows modally.
#include "temp_install.h"
#include "ui/menu/frm_menu.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

// A failed comparison with a golden file shows the difference.
template <>
inline char* QTest::toString(const std::string& text) {
    return qstrdup(text.c_str());
}

struct MissingControl {
    QString name;
};

struct MenuFixture {
    // The clock at 2026-12-05 09:30:05; the settings name the user.
    explicit MenuFixture(const QString& userName = QStringLiteral("青色 太郎"));
    ~MenuFixture();

    TempInstall install;
    std::unique_ptr<FrmMenu> menu;
};

// Runs `open` (a click, an access key) and, once the dialog it opens modally
// is showing, runs `inside`; then hides the dialog if it is still open, so
// that `open` returns. An exception inside (a failed check, an ended process)
// is rethrown after the dialog closed, never across the event loop.
void WhileModal(QDialog* dialog, const std::function<void()>& open, const std::function<void()>& inside);
// The same, opened by a click on the button.
void WhileModal(QDialog* dialog, QAbstractButton* opener, const std::function<void()>& inside);

// Opens the working screen for the year by the menu's access key, the menu made active first as when a window
// over it closes, and runs `inside` while it shows.
void OpenScreen(MenuFixture& f, QDialog* screen, Qt::Key key, const QString& year, const std::function<void()>& inside);

// Alt and the key, through the window system as a keyboard sends it, so
// that the access key of a caption acts (a key sent to a widget would not).
void PressAccessKey(QWidget* window, Qt::Key key);

// A mouse click on the list's row, scrolled into view first, with the keys held.
void ClickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {});
// The same on the first row whose text begins with `start`.
void ClickListItem(QListWidget* list, const QString& start);

// Selects all in the box, deletes it, and commits the text as the input method does.
void Type(QLineEdit* box, const QString& text);
// Text the input method commits at the cursor, as text typed in hiragana mode arrives.
void Commit(QLineEdit* box, const QString& text);
// Keys that send the characters as they are, full-width ones included.
void TypeKeys(QWidget* control, const QString& text);
// Enter, or the keypad's Enter, where the focus is; then what it queued runs, as before the user's next key.
void PressEnter(bool keypad = false);
// The name of the control with the focus; "-" when none has it.
QString Focus();

// The run log from the first entry into `from` on (a handler's name), the installation's folder
// written as <install>, against tests/data/<golden>: empty when they match.
std::string LogDiff(const QString& golden, const TempInstall& install, const char* from);
// The lines, each ended by CR LF, the installation's folder written as <install>, in Shift_JIS
// against tests/data/<golden>: empty when they match.
std::string TranscriptDiff(const QString& golden, const TempInstall& install, const QStringList& transcript);

// The boxes shown since the last call, one a line with the kind, title and preset; then forgets
// them. The yen mark the user sees is written <yen>: Shift_JIS would write it as the backslash.
QStringList TakeBoxes(FakeDialogs& dialogs);

// The steps of tests/data/<relative>, one a line as written (a trailing blank is part of the step), blank
// lines and # comments left out; a line "==" starts the next part.
QList<QStringList> StepFile(const QString& relative);

// The control of that object name below the widget; the test fails when missing.
template <class Control>
Control* Find(QWidget* parent, const QString& name) {
    auto* control = parent->findChild<Control*>(name);
    if (!control) throw MissingControl{name};
    return control;
}
