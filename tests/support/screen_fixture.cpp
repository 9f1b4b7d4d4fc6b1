#include "screen_fixture.h"

#include "golden_log.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <QEvent>
#include <QInputMethodEvent>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kAccessKeyClickMs = 150;

}  // namespace

MenuFixture::MenuFixture(const QString& userName) {
    install.installDatabase();
    install.writeSettings(userName);
    menu = std::make_unique<FrmMenu>();
    menu->start();
    // Focus and access keys need the active window, as a user's click gives it.
    menu->activateWindow();
    if (!QTest::qWaitForWindowActive(menu.get())) throw std::runtime_error("the menu did not become active");
}

MenuFixture::~MenuFixture() { menu.reset(); }

namespace {

// Runs the work once the dialog has been shown, from the event loop of its
// modal call; it belongs to one WhileModal call, so nothing fires after it.
class ShownWatcher final : public QObject {
public:
    ShownWatcher(QDialog* dialog, std::function<void()> work) : dialog_(dialog), work_(std::move(work)) {
        dialog_->installEventFilter(this);
    }
    ~ShownWatcher() override { dialog_->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) QTimer::singleShot(0, this, work_);
        return false;
    }

private:
    QDialog* dialog_;
    std::function<void()> work_;
};

}  // namespace

void WhileModal(QDialog* dialog, const std::function<void()>& open, const std::function<void()>& inside) {
    std::exception_ptr escaped;
    const ShownWatcher watcher(dialog, [&] {
        try {
            // Made active at once: the window system's activation may wait
            // behind the key press that opened the dialog.
            QApplication::setActiveWindow(dialog);
            inside();
        } catch (...) {
            // Never across the event loop: rethrown once the modal call has returned.
            escaped = std::current_exception();
        }
        if (dialog->isVisible()) dialog->hide();
    });
    open();
    if (!escaped) return;
    try {
        std::rethrow_exception(escaped);
    } catch (const UnexpectedDialog& box) {
        // Named first: QtTest would report these only as an unknown exception.
        QTest::qFail(qPrintable(QStringLiteral("a box nobody answered: ") + box.text), __FILE__, __LINE__);
        throw;
    } catch (const MissingControl& control) {
        QTest::qFail(qPrintable(QStringLiteral("no such control: ") + control.name), __FILE__, __LINE__);
        throw;
    }
}

void WhileModal(QDialog* dialog, QAbstractButton* opener, const std::function<void()>& inside) {
    const auto open = [opener] { opener->click(); };
    WhileModal(dialog, open, inside);
}

void OpenScreen(MenuFixture& f, QDialog* screen, Qt::Key key, const QString& year,
                const std::function<void()>& inside) {
    Find<QLineEdit>(f.menu.get(), QStringLiteral("txtYear"))->setText(year);
    QApplication::setActiveWindow(f.menu.get());
    WhileModal(
        screen, [&] { PressAccessKey(f.menu.get(), key); }, inside);
}

void ClickListRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers) {
    QListWidgetItem* item = list->item(row);
    if (!item) throw MissingControl{list->objectName() + QStringLiteral(" row ") + QString::number(row)};
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

void ClickListItem(QListWidget* list, const QString& start) {
    const QList<QListWidgetItem*> items = list->findItems(start, Qt::MatchStartsWith);
    if (items.isEmpty()) throw MissingControl{list->objectName() + QStringLiteral(" row ") + start};
    ClickListRow(list, list->row(items.first()));
}

void PressAccessKey(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key, Qt::AltModifier);
    // A button pressed by its access key clicks itself after a short
    // animation; on a busy machine the wait alone may end before it does.
    QTest::qWait(kAccessKeyClickMs);
    const bool released = QTest::qWaitFor([] {
        const QList<QWidget*> widgets = QApplication::allWidgets();
        return std::none_of(widgets.begin(), widgets.end(), [](QWidget* widget) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            return button && button->isDown();
        });
    });
    if (!released) throw std::runtime_error("a button pressed by its access key never clicked");
}

void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    Commit(box, text);
}

void Commit(QLineEdit* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

void TypeKeys(QWidget* control, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void PressEnter(bool keypad) {
    QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
    QCoreApplication::processEvents();
}

QString Focus() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("-");
}

namespace {

QByteArray WithInstallFolder(QByteArray text, const TempInstall& install) {
    // Also the root alone, as the file dialog is given it.
    return text.replace(Sjis(QDir::cleanPath(install.path(QString()))), "<install>");
}

}  // namespace

std::string LogDiff(const QString& golden, const TempInstall& install, const char* from) {
    const QByteArray log = WithInstallFolder(RunLogBytes(), install);
    return GoldenDiff(golden, log.mid(log.indexOf(Sjis(QStringLiteral("■") + QString::fromUtf8(from))) - 9));
}

std::string TranscriptDiff(const QString& golden, const TempInstall& install, const QStringList& transcript) {
    return GoldenDiff(
        golden, WithInstallFolder(Sjis(transcript.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")), install));
}

QStringList TakeBoxes(FakeDialogs& dialogs) {
    QStringList lines;
    for (const ShownBox& b : std::exchange(dialogs.shown, {}))
        lines << QStringLiteral("box %1 %2 [%3]: %4")
                     .arg(b.kind, b.title, b.preset, QString(b.text).replace(u'¥', QStringLiteral("<yen>")));
    return lines;
}

QList<QStringList> StepFile(const QString& relative) {
    QList<QStringList> parts(1);
    for (const QString& line : DataText(relative).split(u'\n')) {
        if (line == QStringLiteral("=="))
            parts.append(QStringList());
        else if (!line.isEmpty() && !line.startsWith(u'#'))
            parts.last() << line;
    }
    return parts;
}
