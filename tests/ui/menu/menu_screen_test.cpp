// The menu screen driven offscreen as a user would: start-up on good and bad
// database files, backups, the year and its era, the user name, and the ways
// into the working screens and out of the program.
#include "app/context.h"
#include "platform/cp932.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString kStamp = QStringLiteral("_2026_1205-0930_05");

QLineEdit* Box(FrmMenu& menu, const char* name) { return Find<QLineEdit>(&menu, QString::fromLatin1(name)); }
QPushButton* Button(QWidget* form, const char* name) { return Find<QPushButton>(form, QString::fromLatin1(name)); }

// Starts a menu on the installation as it stands; true when the process ended.
bool StartEnds(std::unique_ptr<FrmMenu>& menu) {
    menu = std::make_unique<FrmMenu>();
    try {
        menu->start();
    } catch (const ProcessEnded&) {
        return true;
    }
    return false;
}

QStringList Backups(const TempInstall& install) {
    return QDir(install.path(QStringLiteral("db_backup"))).entryList(QDir::Files, QDir::Name);
}

// Lines of the run log from the first that begins with `from`, without time stamps.
QStringList LogFrom(const TempInstall& install, const QString& from) {
    QStringList lines;
    bool on = false;
    for (const QString& line : install.runLog().split(QStringLiteral("\r\n"))) {
        const QString text = line.mid(9);
        on = on || text.startsWith(from);
        if (on) lines << text;
    }
    return lines;
}

QString LastBoxText(const TempInstall& install) {
    const auto& shown = install.desktop.dialogs.shown;
    return shown.empty() ? QString() : shown.back().text;
}

int IntegrityErrors(const QString& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "pragma integrity_check", -1, &statement, nullptr);
    int errors = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        if (QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))) != "ok") ++errors;
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return errors;
}

}  // namespace

class MenuScreenTest : public QObject {
    Q_OBJECT

private slots:
    void loadOpensTheBooksAndShowsTheRunWideValues() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        QCOMPARE(menu.windowTitle(), QStringLiteral("ベルモかんたん会計 Ver2.05 メニュー画面"));
        QCOMPARE(menu.fiscalYearText(), QStringLiteral("2026"));
        QCOMPARE(menu.eraText(), QStringLiteral("令和8"));
        QCOMPARE(menu.userName(), QStringLiteral("青色 太郎"));
        QCOMPARE(menu.dbFileName(), QStringLiteral("velmo.sqlite3"));
        QVERIFY(ctx().db != nullptr);
        QVERIFY(Box(menu, "txtGengou")->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), Button(&menu, "cmdDispWindow_1"));
        QCOMPARE(Backups(f.install), QStringList{QStringLiteral("velmo") + kStamp + QStringLiteral(".sqlite3")});
        const QString backup = QDir::toNativeSeparators(f.install.path(QStringLiteral("db_backup/velmo")));
        QCOMPARE(f.install.runLog(),
                 QStringLiteral("09:30:05 ■frmMenu.Form_Load\r\n"
                                "09:30:05   DBファイルバックアップ作成:%1_2026_1205-0930_05.sqlite3\r\n"
                                "09:30:05   DBFileOpen\r\n"
                                "09:30:05   select name from sqlite_master where type = 'table'\r\n"
                                "09:30:05   DBファイル接続OK\r\n"
                                "09:30:05   '設定ファイルに氏名の記載があるなら表示\r\n"
                                "09:30:05   設定ファイルの氏名を表示\r\n")
                     .arg(backup));
    }

    void controlsCarryTheirCaptionsAccessKeysAndTabOrder() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        const QList<std::pair<const char*, QString>> captions{
            {"cmdHlp", QStringLiteral("説明書htm(&H)")},
            {"cmdSave", QStringLiteral("保存(&S)")},
            {"cmdInc_0", QStringLiteral("-1(&D)")},
            {"cmdInc_1", QStringLiteral("+1(&I)")},
            {"cmdDispWindow_0", QStringLiteral("１．貸借対照表 期首情報登録へ(&B)")},
            {"cmdDispWindow_1", QStringLiteral("２．取引登録へ(&T)")},
            {"cmdEnd", QStringLiteral("終了(&Q)")}};
        for (const auto& [name, caption] : captions) QCOMPARE(Button(&menu, name)->text(), caption);
        QCOMPARE(Find<QLabel>(&menu, QStringLiteral("Label4_0"))->text(), QStringLiteral("ユーザー名"));
        QCOMPARE(Find<QLabel>(&menu, QStringLiteral("Label4_1"))->text(), QStringLiteral("DBファイル名"));
        QCOMPARE(Find<QLabel>(&menu, QStringLiteral("Label2"))->text(), QStringLiteral("会計年度"));
        QCOMPARE(Box(menu, "txtYear")->font().families().first(), QStringLiteral("MS Gothic"));

        const QStringList order{QStringLiteral("txtName"),         QStringLiteral("cmdSave"),
                                QStringLiteral("txtYear"),         QStringLiteral("cmdInc_0"),
                                QStringLiteral("cmdInc_1"),        QStringLiteral("cmdDispWindow_0"),
                                QStringLiteral("cmdDispWindow_1"), QStringLiteral("cmdEnd"),
                                QStringLiteral("txtGengou"),       QStringLiteral("cmdHlp")};
        QWidget* w = Box(menu, "txtName");
        for (const QString& name : order) {
            QCOMPARE(w->objectName(), name);
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        }
    }

    void yearButtonsFollowTheEraRuleAndStayInRange() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        struct Case {
            QString start;
            const char* button;
            QString year;
            QString era;
        };
        const QList<Case> cases{
            {QStringLiteral("2019"), "cmdInc_0", QStringLiteral("2018"), QString()},
            {QStringLiteral("2018"), "cmdInc_1", QStringLiteral("2019"), QStringLiteral("令和1")},
            {QStringLiteral("2026"), "cmdInc_1", QStringLiteral("2027"), QStringLiteral("令和9")},
            {QStringLiteral("9998"), "cmdInc_1", QStringLiteral("9998"), QStringLiteral("令和7980")},
            {QStringLiteral("1900"), "cmdInc_0", QStringLiteral("1900"), QString()},
            {QStringLiteral("12345"), "cmdInc_0", QStringLiteral("9998"), QStringLiteral("令和7980")},
        };
        for (const Case& c : cases) {
            Box(menu, "txtYear")->setText(c.start);
            QTest::mouseClick(Button(&menu, c.button), Qt::LeftButton);
            QCOMPARE(menu.fiscalYearText(), c.year);
            QCOMPARE(menu.eraText(), c.era);
        }
        // A year that is not a number is left as typed, and so is the era beside it.
        Box(menu, "txtYear")->setText(QStringLiteral("2020"));
        QLineEdit* year = Box(menu, "txtYear");
        year->setFocus();
        year->end(false);
        QTest::keyClick(year, Qt::Key_A);
        QCOMPARE(menu.eraText(), QStringLiteral("令和2"));
        QTest::mouseClick(Button(&menu, "cmdInc_1"), Qt::LeftButton);
        QCOMPARE(menu.fiscalYearText(), QStringLiteral("2020a"));
        QCOMPARE(menu.eraText(), QStringLiteral("令和2"));
        QVERIFY(f.install.runLog().contains(QStringLiteral("■frmMenu.cmdInc_Click")));
    }

    void aWorkingScreenOpensOnlyWithANameAndAFourDigitYear() {
        MenuFixture f{QString()};
        FrmMenu& menu = *f.menu;
        QCOMPARE(menu.userName(), QString());
        FrmTrade* trade = menu.frmTrade();
        bool opened = false;
        WhileModal(trade, Button(&menu, "cmdDispWindow_1"), [&] { opened = true; });
        QVERIFY(!opened);
        QCOMPARE(LastBoxText(f.install), QStringLiteral("氏名を入力してください。"));
        QCOMPARE(QApplication::focusWidget(), Box(menu, "txtName"));

        Box(menu, "txtName")->setText(QStringLiteral("  "));
        for (const QString& year : {QStringLiteral("20x6"), QStringLiteral("1899"), QStringLiteral("9999"),
                                    QStringLiteral("02026"), QStringLiteral("2020 or 1=1")}) {
            Box(menu, "txtYear")->setText(year);
            WhileModal(trade, Button(&menu, "cmdDispWindow_1"), [&] { opened = true; });
            QVERIFY2(!opened, qPrintable(year));
            QCOMPARE(LastBoxText(f.install),
                     QStringLiteral("会計年度は1900から9998までの4桁の数字で入力してください。"));
            QCOMPARE(QApplication::focusWidget(), Box(menu, "txtYear"));
        }

        // Blanks are a name; the screen opens with the menu's values behind it.
        Box(menu, "txtYear")->setText(QStringLiteral("2020"));
        WhileModal(trade, Button(&menu, "cmdDispWindow_1"), [&] {
            opened = trade->isVisible() && trade->isModal();
            QCOMPARE(trade->windowTitle(), QStringLiteral("ベルモかんたん会計 Ver2.05 取引画面"));
            Button(trade, "cmdToMenu")->click();
        });
        QVERIFY(opened);
        const QStringList log = LogFrom(f.install, QStringLiteral("■frmMenu.cmdDipWindow_Click"));
        QVERIFY(log.contains(QStringLiteral("  氏名がない")));
        QVERIFY(log.contains(QStringLiteral("  ２．取引データ登録画面へ")));
        QVERIFY(log.contains(QStringLiteral("■frmTrade.cmdClose_Click")));
    }

    void returningFromAWorkingScreenRestoresTheSavedName() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        Box(menu, "txtName")->setText(QStringLiteral("未保存の名前"));
        FrmBegining* begining = menu.frmBegining();
        WhileModal(
            begining, [&] { PressAccessKey(&menu, Qt::Key_B); },
            [&] {
                QCOMPARE(begining->windowTitle(), QStringLiteral("ベルモかんたん会計 Ver2.05 貸借対照表期首画面"));
                QCOMPARE(menu.userName(), QStringLiteral("未保存の名前"));
                // Two buttons of the screen share "&M": the key moves the focus, Space presses.
                PressAccessKey(begining, Qt::Key_M);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                QVERIFY(!begining->isVisible());
            });
        QCOMPARE(menu.userName(), QStringLiteral("青色 太郎"));
        QVERIFY(f.install.runLog().contains(QStringLiteral("１．貸借対照表期首画面へ")));
    }

    void saveStoresTheNameOrSaysWhyNot() {
        MenuFixture f;
        FrmMenu& menu = *f.menu;
        const QString path = f.install.path(QStringLiteral("bin/VelmoAccount.ini"));
        f.install.desktop.dialogs.shown.clear();
        Box(menu, "txtName")->setText(QStringLiteral("ベルモ 花子"));
        PressAccessKey(&menu, Qt::Key_S);
        QCOMPARE(f.install.readBytes(QStringLiteral("bin/VelmoAccount.ini")),
                 Sjis(QStringLiteral("[user]\r\nname=ベルモ 花子\r\n[db]\r\nfilename=velmo.sqlite3\r\n")));
        QCOMPARE(f.install.desktop.services.played, QStringList{f.install.path(QStringLiteral("wav/start.wav"))});
        QCOMPARE(LastBoxText(f.install), QStringLiteral("保存しました。"));

        struct Refused {
            QString name;
            QString message;
        };
        const QList<Refused> refused{
            {QStringLiteral("青色\t太郎"),
             QStringLiteral("氏名にタブや改行などの制御文字は使えません。\r\n入力し直してください。")},
            {QStringLiteral("髙橋\r\n"),
             QStringLiteral("氏名にタブや改行などの制御文字は使えません。\r\n入力し直してください。")},
            {QStringLiteral("𠮷野 ①"),
             QStringLiteral("氏名に次の文字は使えません（Shift_"
                            "JISで保存できません）。\r\n\r\n　𠮷\r\n\r\n別の文字に置き換えてください。")},
            {QString(50, QChar(0x3042)),
             QStringLiteral("氏名が長すぎます。半角99文字（全角はその半分）までにしてください。")},
        };
        for (const Refused& r : refused) {
            Box(menu, "txtName")->setText(r.name);
            Button(&menu, "cmdSave")->click();
            QCOMPARE(LastBoxText(f.install), r.message);
            QCOMPARE(ReadSettingName(f), QStringLiteral("ベルモ 花子"));
        }
        QCOMPARE(f.install.desktop.services.played.size(), 1);

        // A settings file that cannot be written (a folder in its place): said so, no cue, no "saved".
        QVERIFY(QFile::remove(path));
        f.install.makeFolder(QStringLiteral("bin/VelmoAccount.ini"));
        Box(menu, "txtName")->setText(QStringLiteral("書けない"));
        Button(&menu, "cmdSave")->click();
        QCOMPARE(LastBoxText(f.install),
                 QStringLiteral("氏名を保存できませんでした。\r\n\r\n設定ファイルに書き込めません: ") +
                     QDir::toNativeSeparators(path));
        QCOMPARE(f.install.desktop.services.played.size(), 1);
    }

    void helpOpensTheGuideThroughTheShell() {
        MenuFixture f;
        PressAccessKey(f.menu.get(), Qt::Key_H);
        QCOMPARE(f.install.desktop.services.opened, QStringList{f.install.path(QStringLiteral("htm/00_index.htm"))});
    }

    void quittingClosesTheBooksFromEveryScreen() {
        // The handlers are called directly: the ended process must not unwind through Qt's own frames.
        const QList<std::pair<QString, std::function<void(FrmMenu&)>>> quits{
            {QStringLiteral("frmMenu"), [](FrmMenu& menu) { menu.cmdEnd_Click(); }},
            {QStringLiteral("frmBegining"),
             [](FrmMenu& menu) {
                 menu.frmBegining()->show();
                 menu.frmBegining()->cmdEnd_Click();
             }},
            {QStringLiteral("frmTrade"),
             [](FrmMenu& menu) {
                 menu.frmTrade()->show();
                 menu.frmTrade()->cmdEnd_Click();
             }},
        };
        for (const auto& [form, quit] : quits) {
            MenuFixture f;
            bool ended = false;
            try {
                quit(*f.menu);
            } catch (const ProcessEnded&) {
                ended = true;
            }
            QVERIFY(ended);
            QVERIFY(ctx().db == nullptr);
            const QString entry = QStringLiteral("■") + form + QStringLiteral(".cmdEnd_Click");
            QCOMPARE(LogFrom(f.install, entry),
                     (QStringList{entry, QStringLiteral("  SQLite3Close"), QStringLiteral("  End"), QString()}));
        }
    }

    void closingTheMenuWindowRunsItsUnloadHandler() {
        MenuFixture f;
        f.menu->close();
        QVERIFY(ctx().db == nullptr);
        QCOMPARE(LogFrom(f.install, QStringLiteral("■frmMenu.Form_Unload")),
                 (QStringList{QStringLiteral("■frmMenu.Form_Unload"), QStringLiteral("  SQLite3Close"), QString()}));
    }

    void aMissingDatabaseIsNamed() {
        TempInstall install;
        install.writeSettings(QStringLiteral("x"), QStringLiteral("gone.sqlite3"));
        install.makeFolder(QStringLiteral("db/folder.sqlite3"));
        std::unique_ptr<FrmMenu> menu;
        for (const QString& name : {QStringLiteral("gone.sqlite3"), QStringLiteral("folder.sqlite3"), QString()}) {
            install.writeSettings(QStringLiteral("x"), name);
            install.desktop.dialogs.shown.clear();
            QVERIFY(StartEnds(menu));
            const QString message = QStringLiteral("以下のDBファイルが見つかりません。\r\n  ") +
                                    QDir::toNativeSeparators(install.path(QStringLiteral("db/") + name));
            QCOMPARE(install.desktop.dialogs.shown.size(), std::size_t{1});
            QCOMPARE(install.desktop.dialogs.shown.front().text, message);
            QCOMPARE(install.desktop.dialogs.shown.front().title, QStringLiteral("エラーが発生しました"));
            QVERIFY(install.runLog().contains(QStringLiteral("  Err\r\n") + message + QStringLiteral("\r\n")));
        }
        QVERIFY(Backups(install).isEmpty());
    }

    void aFileThatIsNotTheBooksEndsWithItsReasonAndPrunesNothing() {
        struct Case {
            const char* what;
            QByteArray bytes;
            QString reason;
        };
        QByteArray random(4096, '\0');
        for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
        const QString notADatabase = QStringLiteral("file is not a database");
        const QString noTables = QStringLiteral(
            "帳簿の表がありません: t_trade, t_trade_history, t_bs_begining, "
            "t_bs_begining_history, m_account, m_trade, m_trade_detail, "
            "m_percent, m_money");
        const QList<Case> cases{
            {"random bytes", random, notADatabase},
            {"zero bytes", QByteArray(), noTables},
            {"a text file", QByteArray("[user]\r\nname=x\r\n").repeated(100), notADatabase},
        };
        for (const Case& c : cases) {
            TempInstall install;
            install.writeSettings(QStringLiteral("x"), QStringLiteral("book.sqlite3"));
            install.writeBytes(QStringLiteral("db/book.sqlite3"), c.bytes);
            // Ten good backups from earlier days stay, whatever this start finds.
            for (int day = 10; day < 21; ++day)
                install.writeBytes(QStringLiteral("db_backup/book_2026_11%1-0800_00.sqlite3").arg(day), "old");
            std::unique_ptr<FrmMenu> menu;
            QVERIFY2(StartEnds(menu), c.what);
            QCOMPARE(LastBoxText(install), QStringLiteral("DBFile Open Error\r\n") + c.reason);
            QCOMPARE(install.desktop.dialogs.shown.back().title, QStringLiteral("VelmoAccount"));
            QCOMPARE(Backups(install).size(), 11);
            QVERIFY(install.runLog().endsWith(QStringLiteral("  DBファイル接続NG\r\n")));
            QVERIFY(ctx().db == nullptr);
        }
    }

    void backupsAreNamedByTheDatabaseFileAndPrunedToTen() {
        struct Case {
            QString db;
            QString backup;
            QStringList others;  // present before, never pruned
        };
        const QList<Case> cases{
            {QStringLiteral("book.sqlite3"),
             QStringLiteral("book") + kStamp + QStringLiteral(".sqlite3"),
             {QStringLiteral("bookkeeping_2020_0101-0000_00.sqlite3"), QStringLiteral("book_copy.sqlite3")}},
            {QStringLiteral("a.b.sqlite3"),
             QStringLiteral("a") + kStamp + QStringLiteral(".b") + kStamp + QStringLiteral(".sqlite3"),
             {QStringLiteral("a_2020_0101-0000_00.sqlite3")}},
            {QStringLiteral("book"),
             QStringLiteral("book") + kStamp,
             {QStringLiteral("book_2020_0101-0000_00.sqlite3")}},
            {QStringLiteral("book.db"),
             QStringLiteral("book") + kStamp + QStringLiteral(".db"),
             {QStringLiteral("book_2020_0101-0000_00.sqlite3")}},
        };
        for (const Case& c : cases) {
            TempInstall install;
            install.installDatabase(c.db);
            install.writeSettings(QStringLiteral("x"), c.db);
            QStringList older;
            for (int day = 11; day <= 20; ++day) {
                QString name = c.backup;
                name.replace(kStamp, QStringLiteral("_2026_11%1-0800_00").arg(day));
                install.writeBytes(QStringLiteral("db_backup/") + name, "old");
                older << name;
            }
            for (const QString& other : c.others) install.writeBytes(QStringLiteral("db_backup/") + other, "other");
            std::unique_ptr<FrmMenu> menu;
            QVERIFY(!StartEnds(menu));
            QStringList expected = c.others + older.mid(1) + QStringList{c.backup};
            expected.sort();
            QCOMPARE(Backups(install), expected);
            QVERIFY(install.runLog().contains(QStringLiteral("  保存対象外のファイルを削除 ") + older.first() +
                                              QStringLiteral("\r\n")));
            QVERIFY(install.runLog().contains(
                QStringLiteral("  DBファイルバックアップ作成:") +
                QDir::toNativeSeparators(install.path(QStringLiteral("db_backup/") + c.backup))));
            QCOMPARE(IntegrityErrors(install.path(QStringLiteral("db_backup/") + c.backup)), 0);
            menu->hide();
        }
    }

    void aBackupDuringAnotherWriterIsTheLastCommittedState() {
        TempInstall install;
        install.installDatabase();
        install.writeSettings(QStringLiteral("x"));
        const QString path = install.path(QStringLiteral("db/velmo.sqlite3"));
        sqlite3* writer = nullptr;
        QCOMPARE(sqlite3_open(path.toUtf8().constData(), &writer), SQLITE_OK);
        sqlite3_exec(writer, "insert into m_money values (77777)", nullptr, nullptr, nullptr);
        QCOMPARE(
            sqlite3_exec(writer, "begin immediate; insert into m_money values (88888);", nullptr, nullptr, nullptr),
            SQLITE_OK);
        std::unique_ptr<FrmMenu> menu;
        QVERIFY(!StartEnds(menu));
        sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(writer);
        menu->hide();
        const QString backup = install.path(QStringLiteral("db_backup/velmo") + kStamp + QStringLiteral(".sqlite3"));
        QCOMPARE(IntegrityErrors(backup), 0);
        sqlite3* copy = nullptr;
        sqlite3_open(backup.toUtf8().constData(), &copy);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(copy, "select count(*) from m_money where value_num in (77777, 88888)", -1, &statement,
                           nullptr);
        QCOMPARE(sqlite3_step(statement), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(statement, 0), 1);
        sqlite3_finalize(statement);
        sqlite3_close(copy);
    }

    void aBackupBlockedByALockEndsWithTheBackupMessage() {
        TempInstall install;
        install.installDatabase();
        install.writeSettings(QStringLiteral("x"));
        sqlite3* writer = nullptr;
        sqlite3_open(install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &writer);
        QCOMPARE(sqlite3_exec(writer, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
        std::unique_ptr<FrmMenu> menu;
        QVERIFY(StartEnds(menu));
        sqlite3_exec(writer, "rollback", nullptr, nullptr, nullptr);
        sqlite3_close(writer);
        const auto& shown = install.desktop.dialogs.shown;
        QCOMPARE(shown.size(), std::size_t{2});
        QVERIFY(shown[0].text.startsWith(QStringLiteral("DBファイルを開いたままになっているとエラーになります。")));
        QCOMPARE(shown[0].title, QStringLiteral("エラーが発生しました"));
        QVERIFY(shown[1].text.contains(QStringLiteral("Err.Desc=database is locked")));
        QVERIFY(install.runLog().contains(QStringLiteral("  Err.Description=database is locked\r\n")));
        QVERIFY(Backups(install).isEmpty());
    }

private:
    static QString ReadSettingName(const MenuFixture& f) {
        const QString text = platform::fromCp932(f.install.readBytes(QStringLiteral("bin/VelmoAccount.ini")));
        return text.section(QStringLiteral("name="), 1).section(QStringLiteral("\r\n"), 0, 0);
    }
};

QTEST_MAIN(MenuScreenTest)
#include "menu_screen_test.moc"
