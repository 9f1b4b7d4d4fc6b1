// The menu screen driven offscreen as a user would. Each scenario writes what
// the user saw into the run log or a transcript, compared with a file under
// tests/data.
#include "app/context.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <sqlite3.h>

#include <QApplication>
#include <QDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

static void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    QCoreApplication::processEvents();  // as before the user's next key
}

// One step of the user on the menu: "click CONTROL", "focus CONTROL", "set BOX TEXT" as the program sets
// it, "send BOX TEXT" key by key, "key K" where the focus is, "Enter" or "keypad" (its Enter) and "settle"
// (what a key queued runs).
static void Act(FrmMenu& menu, const QString& step) {
    const QString word = step.section(u' ', 0, 0), on = step.section(u' ', 1, 1), rest = step.section(u' ', 2);
    if (word == u"click"_s) return Click(Find<QWidget>(&menu, on));
    if (word == u"focus"_s) return Find<QWidget>(&menu, on)->setFocus();
    if (word == u"set"_s) return Find<QLineEdit>(&menu, on)->setText(rest);
    if (word == u"send"_s) return TypeKeys(Find<QWidget>(&menu, on), rest);
    if (word == u"key"_s) return QTest::keyClick(QApplication::focusWidget(), QKeySequence(on)[0].key());
    if (word == u"settle"_s) return QCoreApplication::processEvents();
    if (word != u"Enter"_s && word != u"keypad"_s) throw MissingControl{u"step "_s + step};
    PressEnter(word == u"keypad"_s);
}

static QString Yes(bool yes, const char* what) { return (yes ? u""_s : u"not "_s) + QString::fromLatin1(what); }

class MenuScreenTest : public QObject {
    Q_OBJECT

private slots:
    void aSessionFromLoadToTheCloseBox() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        QStringList chain;  // the tab order, the buttons with their access keys, a box not to type into marked
        for (QWidget* w = Find<QLineEdit>(&menu, u"txtName"_s); chain.size() < 10; w = w->nextInFocusChain()) {
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const auto* box = qobject_cast<QLineEdit*>(w);
            if (w->focusPolicy() == Qt::NoFocus) continue;
            if (button) chain << w->objectName() + u' ' + QKeySequence::mnemonic(button->text()).toString();
            if (box) chain << w->objectName() + (box->isReadOnly() ? u" read-only"_s : u""_s);
        }
        // Both working screens are watched: one that opens is noted and closed again.
        const auto inside = [&] { LogResult({QApplication::activeModalWidget()->windowTitle(), menu.userName()}); };
        LogResult(QStringList{chain.join(u", "_s), menu.fiscalYearText(), menu.eraText(), menu.userName(),
                              menu.dbFileName(), Yes(ctx().db, "open"), Focus()});
        // A box given a text, then an access key, as tests/data/ui/menu/session.steps lists them.
        for (const QString& step : StepFile(u"ui/menu/session.steps"_s).value(0)) {
            const QString text = step.section(u' ', 2).replace(u"\\t"_s, u"\t"_s).replace(u"\\r\\n"_s, u"\r\n"_s);
            if (text == u"書けない"_s) {  // a settings file that cannot be written: said so, with no cue
                QVERIFY(QFile::remove(f.install.path(u"bin/VelmoAccount.ini"_s)));
                f.install.makeFolder(u"bin/VelmoAccount.ini"_s);
            }
            Find<QLineEdit>(&menu, step.section(u' ', 0, 0))->setText(text);
            const auto press = [&] { PressAccessKey(&menu, QKeySequence(step.section(u' ', 1, 1))[0].key()); };
            const auto watchBegining = [&] { WhileModal(menu.frmBegining(), press, inside); };
            WhileModal(menu.frmTrade(), watchBegining, inside);
            QApplication::setActiveWindow(&menu);  // as the user finds it on return
            LogDialogs(f.install.desktop.dialogs.shown);
            LogResult(
                {menu.fiscalYearText(), menu.eraText(), menu.userName(), Focus(),
                 platform::fromCp932(f.install.readBytes(u"bin/VelmoAccount.ini"_s)).replace(u"\r\n"_s, u" | "_s)});
        }
        LogResult(f.install.desktop.services.opened + f.install.desktop.services.played);
        menu.close();
        LogResult({Yes(ctx().db, "open")});
        QCOMPARE(GoldenDiff(u"ui/menu/session.log"_s, RunLogWithInstallFolder(f.install)), std::string());
    }

    // The menu's boxes: Enter in the name goes to 保存 and saves nothing;
    // the year typed full-width over its selected text gives its era, Enter
    // passes -1/+1 on to the first screen's button and Enter there opens the
    // screen with the year as digits. -1/+1 step a full-width year too, and
    // a year with a letter is still refused. Enter on a button presses it,
    // the transaction screen's 戻る too.
    void menuNameAndYear() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        QLineEdit* year = Find<QLineEdit>(&menu, "txtYear");
        const QByteArray settings = f.install.readBytes("bin/VelmoAccount.ini");
        const QList<QStringList> parts = StepFile(u"ui/menu/boxes.steps"_s);
        QStringList seen;
        const auto state = [&](const QString& step) {
            seen << QStringList{step,           Focus(),
                                year->text(),   year->selectedText(),
                                menu.eraText(), TakeBoxes(dialogs).join(" | ")}
                        .join(' ');
        };
        const auto steps = [&](int part) {
            for (const QString& step : parts[part]) step.startsWith(u"see "_s) ? state(step.mid(4)) : Act(menu, step);
        };
        steps(0);
        QCOMPARE(f.install.readBytes("bin/VelmoAccount.ini"), settings);
        steps(1);
        WhileModal(
            menu.frmBegining(), [&] { PressEnter(); },
            [&] { seen << "opened " + Find<QLineEdit>(menu.frmBegining(), "txtYear")->text(); });
        QApplication::setActiveWindow(&menu);  // the user is back on the menu
        steps(2);
        WhileModal(
            menu.frmBegining(), [&] { Click(Find<QPushButton>(&menu, "cmdDispWindow_0")); }, [] { QFAIL("opened"); });
        steps(3);
        WhileModal(menu.frmTrade(), Find<QPushButton>(&menu, "cmdDispWindow_1"), [&] {
            Find<QPushButton>(menu.frmTrade(), "cmdToMenu")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            seen << (menu.frmTrade()->isVisible() ? "screen still shown" : "back on the menu");
        });
        QCOMPARE(TranscriptDiff("ui/menu/boxes.txt", f.install, seen), std::string());
    }

    // Starts on missing and foreign files, backups beside other files and other
    // connections, and quitting from each screen (its handler called directly:
    // the ended process must not unwind through Qt's frames).
    void startsBackupsAndQuits() {
        enum File { kBooks, kNone, kFolder, kBytes };
        struct Case {
            const char* what;
            QString db = u"velmo.sqlite3"_s;  // named in the settings
            File file = kBooks;               // what db/<db> is
            QByteArray bytes = {};
            QString form = {};                                      // of eleven older backups, %1 their time stamp
            QStringList others = {};                                // other files among the backups
            const char* writer = nullptr;                           // statements another connection runs first
            std::function<void(TempInstall&, FrmMenu&)> then = {};  // after the start
        };
        const QString book = u"book.sqlite3"_s, bookForm = u"book%1.sqlite3"_s, other = u"_2020_0101-0000_00.sqlite3"_s;
        // clang-format off
        const Case cases[] = {
            {.what = "no such file", .db = u"gone.sqlite3"_s, .file = kNone},
            {.what = "a folder in its place", .file = kFolder},
            {.what = "no file named", .db = {}, .file = kNone},
            {.what = "zero bytes", .db = book, .file = kBytes, .form = bookForm},
            {.what = "a text file", .db = book, .file = kBytes, .bytes = QByteArray("[user]\r\nname=x\r\n").repeated(99), .form = bookForm},
            {.what = "book.sqlite3", .db = book, .form = bookForm, .others = {u"bookkeeping"_s + other, u"book_copy.sqlite3"_s}},
            {.what = "a.b.sqlite3", .db = u"a.b.sqlite3"_s, .form = u"a%1.b%1.sqlite3"_s, .others = {u"a"_s + other}},
            {.what = "book", .db = u"book"_s, .form = u"book%1"_s, .others = {u"book"_s + other}},
            {.what = "book.db", .db = u"book.db"_s, .form = u"book%1.db"_s, .others = {u"book"_s + other}},
            // The backup holds what was committed when it was made.
            {.what = "another writer", .writer = "insert into m_money values (77777); begin immediate; insert into m_money values (88888);",
             .then = [](TempInstall& i, FrmMenu&) {
                 i.exec(u"attach '%1' as copy"_s.arg(i.path(u"db_backup/velmo_2026_1205-0930_05.sqlite3"_s)));
                 LogResult(i.rows(u"select value_num from copy.m_money where value_num > 77000"_s)); }},
            {.what = "a locked file", .writer = "begin exclusive"},
            {.what = "quit on the menu", .then = [](TempInstall&, FrmMenu& m) { m.cmdEnd_Click(); }},
            {.what = "quit on the opening balance screen", .then = [](TempInstall&, FrmMenu& m) { m.frmBegining()->cmdEnd_Click(); }},
            {.what = "quit on the transactions screen", .then = [](TempInstall&, FrmMenu& m) { m.frmTrade()->cmdEnd_Click(); }},
        };
        // clang-format on
        QByteArray out;
        for (const Case& c : cases) {
            TempInstall install;
            install.writeSettings(u"x"_s, c.db);
            if (c.file == kBooks) install.installDatabase(c.db);
            if (c.file == kFolder) install.makeFolder(u"db/"_s + c.db);
            if (c.file == kBytes) install.writeBytes(u"db/"_s + c.db, c.bytes);
            for (int day = 10; day <= 20 && !c.form.isEmpty(); ++day)
                install.writeBytes(u"db_backup/"_s + c.form.arg(u"_2026_11%1-0800_00"_s.arg(day)), "old");
            for (const QString& name : c.others) install.writeBytes(u"db_backup/"_s + name, "other");
            sqlite3* writer = nullptr;
            if (c.writer) sqlite3_open(install.path(u"db/"_s + c.db).toUtf8().constData(), &writer);
            if (c.writer) sqlite3_exec(writer, c.writer, nullptr, nullptr, nullptr);
            FrmMenu menu;
            bool ended = false;
            try {
                menu.start();
                if (c.then) c.then(install, menu);
            } catch (const ProcessEnded&) {
                ended = true;
            }
            sqlite3_close(writer);
            LogDialogs(install.desktop.dialogs.shown);
            LogResult({Yes(ended, "ended"), Yes(ctx().db, "open"),
                       QDir(install.path(u"db_backup"_s)).entryList(QDir::Files, QDir::Name).join(u' ')});
            out += "== " + QByteArray(c.what) + "\r\n" + RunLogWithInstallFolder(install);
        }
        QCOMPARE(GoldenDiff(u"ui/menu/starts.log"_s, out), std::string());
    }
};

QTEST_MAIN(MenuScreenTest)
#include "menu_screen_test.moc"
