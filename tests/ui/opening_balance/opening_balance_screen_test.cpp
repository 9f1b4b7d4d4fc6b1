// The opening balance screen driven offscreen from the menu as a user would:
// creating a year's rows, choosing accounts, storing amounts with their
// totals and history, the refusals, the balance check on close, and what a
// failure half-way leaves behind.
#include "app/context.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <sqlite3.h>

#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace {

const QString kCreated = QStringLiteral("初期データを作成しました。");

template <class Control = QWidget>
Control* Get(QWidget* screen, const char* name) {
    return Find<Control>(screen, QString::fromLatin1(name));
}
QListWidget* List(QWidget* screen, const char* name) { return Get<QListWidget>(screen, name); }
QLineEdit* Money(QWidget* screen) { return Get<QLineEdit>(screen, "txtMoney"); }
QString CodeName(QWidget* screen) { return Get<QLabel>(screen, "lblCodeName")->text(); }

// Opens the screen from the menu by its access key and acts inside it. The
// menu is made active first, as the window system does when a modal window
// over it closes.
void InScreen(MenuFixture& f, const std::function<void(FrmBegining&)>& inside) {
    FrmBegining* screen = f.menu->frmBegining();
    QApplication::setActiveWindow(f.menu.get());
    bool opened = false;
    WhileModal(
        screen, [&] { PressAccessKey(f.menu.get(), Qt::Key_B); },
        [&] {
            opened = true;
            inside(*screen);
        });
    if (!opened) throw std::runtime_error("the opening balance screen did not open");
}

// The list that holds the account, and a mouse click on its row.
QListWidget* ClickAccount(QWidget* screen, const QString& code) {
    for (const char* name : {"lstAsset", "lstDebit"}) {
        QListWidget* list = List(screen, name);
        const QList<QListWidgetItem*> found = list->findItems(code + QLatin1Char(' '), Qt::MatchStartsWith);
        if (found.isEmpty()) continue;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
        return list;
    }
    throw MissingControl{code};
}

// Typed on the keyboard, or, beyond ASCII, committed by the input method.
void Type(QWidget* box, const QString& text) {
    bool ascii = true;
    for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(box, text);
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// Choose the account, type the amount over the one shown, press "更新(&U)".
void EnterAmount(QWidget* screen, const QString& code, const QString& money) {
    ClickAccount(screen, code);
    Money(screen)->selectAll();
    QTest::keyClick(Money(screen), Qt::Key_Backspace);
    Type(Money(screen), money);
    PressAccessKey(screen, Qt::Key_U);
}

QStringList Rows(const MenuFixture& f) {
    return f.install.rows(QStringLiteral("select * from t_bs_begining where year = 2026 order by account_cd"));
}
QStringList History(const MenuFixture& f) {
    return f.install.rows(QStringLiteral("select * from t_bs_begining_history order by 1, 2, 3"));
}
QString StoredMoney(const MenuFixture& f, const QString& code) {
    return f.install
        .rows(QStringLiteral("select money from t_bs_begining where year = 2026 and account_cd = '%1'").arg(code))
        .value(0);
}
QStringList Played(const MenuFixture& f) {
    QStringList played = f.install.desktop.services.played;
    return played.replaceInStrings(f.install.path(QString()), QString());
}
QStringList BoxTexts(MenuFixture& f) {
    QStringList texts;
    for (const ShownBox& box : f.install.desktop.dialogs.shown) texts << box.text;
    f.install.desktop.dialogs.shown.clear();
    return texts;
}

// A year with its default rows, created through the screen.
void CreateRows(MenuFixture& f, FrmBegining& screen) {
    PressAccessKey(&screen, Qt::Key_I);
    QCOMPARE(BoxTexts(f), QStringList{kCreated});
}

}  // namespace

class OpeningBalanceScreenTest : public QObject {
    Q_OBJECT

private slots:
    void controlsCarryTheirCaptionsAndTheYearIsShownOnly() {
        MenuFixture f;
        InScreen(f, [&](FrmBegining& s) {
            QCOMPARE(s.windowTitle(), QStringLiteral("ベルモかんたん会計 Ver2.05 貸借対照表期首画面"));
            QCOMPARE(s.y(), 0);
            const QList<std::pair<const char*, QString>> buttons{
                {"cmdUpdate", QStringLiteral("更新(&U)")},
                {"cmdInitiralize", QStringLiteral("初期データ作成(&I)")},
                {"cmdToMenu", QStringLiteral("メニューへ(&M)")},
                {"cmdEnd", QStringLiteral("終了(&Q)")},
                {"cmdSaveFiles", QStringLiteral("作成(&M)")},
                {"cmdOpenFolder", QStringLiteral("開く(&O)")}};
            for (const auto& [name, caption] : buttons) QCOMPARE(Get<QPushButton>(&s, name)->text(), caption);
            const QString heading = QStringLiteral("ｺｰﾄﾞ勘定科目　　　　　　　　　      　  開始残高");
            const QList<std::pair<const char*, QString>> labels{
                {"Label2_1", QStringLiteral("会計年度")},
                {"Label2_2", QStringLiteral("資産")},
                {"Label2_3", QStringLiteral("負債")},
                {"Label2_0", QStringLiteral("開始残高")},
                {"Label1_0", heading},
                {"Label1_1", heading},
                {"Label3_0", QStringLiteral("data_for_rupa_kaikeiフォルダに")},
                {"Label3_1", QStringLiteral("data03aa.txt と data03ba.txt とを")},
                {"Label3_2", QStringLiteral("上のフォルダを")}};
            for (const auto& [name, caption] : labels) QCOMPARE(Get<QLabel>(&s, name)->text(), caption);
            QCOMPARE(Get<QGroupBox>(&s, "Frame1")->title(), QStringLiteral("期首データ登録・更新"));
            QCOMPARE(Get<QGroupBox>(&s, "Frame2")->title(), QStringLiteral("ルパかんたん会計のデータを作成"));
            for (const char* name : {"lstAsset", "lstDebit", "Label1_0", "txtMoney", "lblCodeName"})
                QCOMPARE(Get(&s, name)->font().families().first(), QStringLiteral("MS Gothic"));

            // Typing into the year boxes changes nothing: they only show the menu's values.
            for (const char* name : {"txtYear", "txtGengou"}) {
                auto* box = Get<QLineEdit>(&s, name);
                QVERIFY(box->isReadOnly());
                box->setFocus();
                Type(box, QStringLiteral(" or 1=1"));
            }
            QCOMPARE(Get<QLineEdit>(&s, "txtYear")->text(), QStringLiteral("2026"));
            QCOMPARE(Get<QLineEdit>(&s, "txtGengou")->text(), QStringLiteral("令和8"));
        });
    }

    void aYearWithRowsAsksAndReCreatingKeepsEveryRowInTheHistory() {
        MenuFixture f;
        InScreen(f, [&](FrmBegining& s) {
            CreateRows(f, s);
            EnterAmount(&s, QStringLiteral("100"), QStringLiteral("5000"));
            const QStringList rows = Rows(f);
            const QStringList history = History(f);
            const QString question = QStringLiteral("既存のデータを初期化します。よろしいですか？");

            f.install.desktop.dialogs.yesNoAnswers = {false};
            PressAccessKey(&s, Qt::Key_I);
            QCOMPARE(BoxTexts(f), QStringList{question});
            QCOMPARE(Rows(f), rows);
            QCOMPARE(History(f), history);
            QCOMPARE(CodeName(&s), QStringLiteral("100 現　金"));

            f.install.desktop.dialogs.yesNoAnswers = {true};
            PressAccessKey(&s, Qt::Key_I);
            QCOMPARE(BoxTexts(f), (QStringList{question, kCreated}));
            QCOMPARE(StoredMoney(f, QStringLiteral("100")), QStringLiteral("0"));
            // The sheet as it stood, row by row, is now the latest version of each account.
            const QStringList kept = f.install.rows(QStringLiteral(
                "select year, account_cd, account_name, asset_or_debit, money, dt_update from t_bs_begining_history h "
                "where ver_idx = (select max(ver_idx) from t_bs_begining_history where account_cd = h.account_cd) "
                "order by account_cd"));
            QCOMPARE(kept, rows);
            QCOMPARE(History(f).size(), history.size() + 50);
            QCOMPARE(CodeName(&s), QString());
            QCOMPARE(Money(&s)->text(), QString());
        });
    }

    // Each click as the user makes it, one after the other: a named account
    // is chosen and the other list loses its selection; a total row or an
    // unnamed account is refused.
    void clickingAccounts() {
        const QString unnamed = QStringLiteral(
            "この勘定科目コードには勘定科目名称が設定されていません。\r\n\r\n"
            "まず，勘定科目名称を設定することが必要です。\r\n"
            "DBファイルを開いて，t_bs_beginingテーブルを更新してください。\r\n");
        const QString total = QStringLiteral("合計は自動計算されます。入力できません。");
        struct Case {
            QString code;
            QString message;  // empty: the account is chosen
            QString label;    // the chosen account afterwards
            bool selectionStays;
        };
        const QList<Case> cases{
            {QStringLiteral("110"), QString(), QStringLiteral("110 当座預金"), true},
            {QStringLiteral("610"), QString(), QStringLiteral("610 事業主借"), true},
            {QStringLiteral("340"), total, QStringLiteral("610 事業主借"), false},
            {QStringLiteral("640"), total, QStringLiteral("610 事業主借"), false},
            {QStringLiteral("150"), QString(), QStringLiteral("150 売掛金"), true},
            {QStringLiteral("260"), unnamed, QString(), true},
            {QStringLiteral("460"), unnamed, QString(), true},
        };
        MenuFixture f;
        InScreen(f, [&](FrmBegining& s) {
            CreateRows(f, s);
            for (const Case& c : cases) {
                QListWidget* list = ClickAccount(&s, c.code);
                QListWidget* other = List(&s, list->objectName() == "lstAsset" ? "lstDebit" : "lstAsset");
                QCOMPARE(BoxTexts(f), c.message.isEmpty() ? QStringList() : QStringList{c.message});
                QCOMPARE(CodeName(&s), c.label);
                QCOMPARE(list->selectedItems().size(), c.selectionStays ? 1 : 0);
                if (!c.message.isEmpty()) continue;
                QCOMPARE(Money(&s)->text(), QStringLiteral("0"));
                QCOMPARE(QApplication::focusWidget(), Money(&s));
                QCOMPARE(other->currentRow(), -1);
                QVERIFY(other->selectedItems().isEmpty());
            }
        });
        // Showing the screen again, or moving through the lists with Tab, chooses nothing.
        InScreen(f, [&](FrmBegining& s) {
            QCOMPARE(QApplication::focusWidget(), List(&s, "lstAsset"));
            QTest::keyClick(&s, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), List(&s, "lstDebit"));
            QCOMPARE(List(&s, "lstAsset")->currentRow() + List(&s, "lstDebit")->currentRow(), -2);
            QCOMPARE(CodeName(&s), QString());
            QCOMPARE(Money(&s)->text(), QString());
        });
        QCOMPARE(BoxTexts(f), QStringList());
    }

    void amountsAreCheckedBeforeAnythingIsStored() {
        const QString invalid = QStringLiteral("有効な金額を指定してください。");
        const QString tooLarge = QStringLiteral("金額は2147483647円以下で指定してください。");
        const QString assetTotal = QStringLiteral("資産の合計が2147483647円を超えるため，この金額は登録できません。");
        const QString debitTotal = QStringLiteral("負債の合計が2147483647円を超えるため，この金額は登録できません。");
        struct Case {
            QString code;
            QString typed;
            QString message;  // empty: stored
            QString stored;
        };
        const QList<Case> cases{
            {QStringLiteral("100"), QString(), invalid, QString()},
            {QStringLiteral("100"), QStringLiteral("12a"), invalid, QString()},
            {QStringLiteral("100"), QStringLiteral("-5"), invalid, QString()},
            {QStringLiteral("100"), QStringLiteral("1,000"), invalid, QString()},
            {QStringLiteral("100"), QStringLiteral("１０"), invalid, QString()},
            {QStringLiteral("100"), QStringLiteral("2147483648"), tooLarge, QString()},
            {QStringLiteral("100"), QStringLiteral("99999999999999999999"), tooLarge, QString()},
            {QStringLiteral("100"), QStringLiteral("007"), QString(), QStringLiteral("7")},
            {QStringLiteral("100"), QStringLiteral("1500000000"), QString(), QStringLiteral("1500000000")},
            {QStringLiteral("110"), QStringLiteral("1500000000"), assetTotal, QString()},
            {QStringLiteral("110"), QStringLiteral("647483647"), QString(), QStringLiteral("647483647")},
            {QStringLiteral("120"), QStringLiteral("1"), assetTotal, QString()},
            // The account's own old amount is replaced, not added.
            {QStringLiteral("110"), QStringLiteral("647483647"), QString(), QStringLiteral("647483647")},
            {QStringLiteral("420"), QStringLiteral("2000000000"), QString(), QStringLiteral("2000000000")},
            {QStringLiteral("620"), QStringLiteral("0000000000000000200000000"), debitTotal, QString()},
        };
        MenuFixture f;
        InScreen(f, [&](FrmBegining& s) {
            CreateRows(f, s);
            for (const Case& c : cases) {
                const QStringList rows = Rows(f);
                const QStringList history = History(f);
                const qsizetype played = Played(f).size();
                EnterAmount(&s, c.code, c.typed);
                if (!c.message.isEmpty()) {
                    QCOMPARE(BoxTexts(f), QStringList{c.message});
                    QCOMPARE(QApplication::focusWidget(), Money(&s));
                    QCOMPARE(Rows(f), rows);
                    QCOMPARE(History(f), history);
                    QCOMPARE(Played(f).size(), played);
                    continue;
                }
                QCOMPARE(BoxTexts(f), QStringList());
                QCOMPARE(StoredMoney(f, c.code), c.stored);
                QCOMPARE(History(f).size(), history.size() + 1);
                const QListWidgetItem* item = ClickAccount(&s, c.code)->currentItem();
                QVERIFY2(item->text().endsWith(QLatin1Char(' ') + c.stored), qPrintable(item->text()));
            }
            QCOMPARE(StoredMoney(f, QStringLiteral("340")), QStringLiteral("2147483647"));
        });
    }

    // A failure ends the process before the commit; what the next opening of
    // the file finds is the state before the action, history included.
    void aFailureHalfWayStoresNothing() {
        struct Case {
            const char* what;
            QString trigger;
            void (FrmBegining::*procedure)();
        };
        const QList<Case> cases{
            {"the second total of an amount",
             QStringLiteral("before update on t_bs_begining when new.account_cd = '640'"),
             &FrmBegining::cmdUpdate_Click},
            {"an insert of the re-created rows",
             QStringLiteral("before insert on t_bs_begining when new.account_cd = '330'"),
             &FrmBegining::cmdInitiralize_Click},
        };
        for (const Case& c : cases) {
            MenuFixture f;
            InScreen(f, [&](FrmBegining& s) {
                CreateRows(f, s);
                EnterAmount(&s, QStringLiteral("100"), QStringLiteral("1000"));
                EnterAmount(&s, QStringLiteral("100"), QStringLiteral("2000"));
            });
            const QStringList before = Rows(f) + History(f);
            f.install.exec(QStringLiteral("create trigger planted %1 begin select raise(abort, 'disk full'); end;")
                               .arg(c.trigger));
            f.install.desktop.dialogs.yesNoAnswers = {true};
            bool ended = false;
            try {
                InScreen(f, [&](FrmBegining& s) {
                    ClickAccount(&s, QStringLiteral("100"));
                    Money(&s)->setText(QStringLiteral("3000"));
                    // Called directly: the ended process must not unwind through Qt's frames.
                    (s.*c.procedure)();
                });
            } catch (const ProcessEnded&) {
                ended = true;
            }
            QVERIFY2(ended, c.what);
            QVERIFY(f.install.desktop.dialogs.shown.back().text.startsWith(QStringLiteral("SQLite3NonQuery Error")));
            QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
            sqlite3_close_v2(ctx().db);
            QCOMPARE(sqlite3_open(f.install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &ctx().db),
                     SQLITE_OK);
            QCOMPARE(Rows(f) + History(f), before);
        }
    }

    // Only a database tool can store such an amount now; the screen then ends
    // in the fatal-error report instead of showing a wrong list. Shown
    // directly, so that the ended process does not cross the event loop.
    void anAmountTheListCannotShowEndsInTheFatalErrorReport() {
        MenuFixture f;
        InScreen(f, [&](FrmBegining& s) { CreateRows(f, s); });
        f.install.exec(QStringLiteral("update t_bs_begining set money = 3000000000 where account_cd = '110'"));
        bool ended = false;
        try {
            f.menu->frmBegining()->show();
        } catch (const ProcessEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        const ShownBox& box = f.install.desktop.dialogs.shown.back();
        QCOMPARE(box.title, QStringLiteral("エラーが発生しました"));
        QVERIFY(box.text.contains(QStringLiteral("Err.Desc=整数に変換できません: 3000000000")));
        QVERIFY(ctx().db == nullptr);
    }

    // One session as the run log records it, with the boxes shown, the list
    // items, the sounds and the busy pointer: a new year refuses the update
    // and closes without a check; its rows are created without a question;
    // 1000 for 100 and for 620 balance; 0 for 620 warns twice on close; the
    // way back to the menu checks nothing.
    void aSessionAsLogged() {
        MenuFixture f;
        std::vector<ShownBox>& shown = f.install.desktop.dialogs.shown;
        InScreen(f, [&](FrmBegining& s) {
            PressAccessKey(&s, Qt::Key_U);
            LogDialogs(shown);
            s.close();
        });
        InScreen(f, [&](FrmBegining& s) {
            PressAccessKey(&s, Qt::Key_I);
            LogDialogs(shown);
            EnterAmount(&s, QStringLiteral("100"), QStringLiteral("1000"));
            EnterAmount(&s, QStringLiteral("620"), QStringLiteral("1000"));
            for (const char* name : {"lstAsset", "lstDebit"}) {
                QStringList items;
                for (int i = 0; i < List(&s, name)->count(); ++i) items << List(&s, name)->item(i)->text();
                LogResult(items);
            }
            s.close();
            LogDialogs(shown);
        });
        InScreen(f, [&](FrmBegining& s) {
            EnterAmount(&s, QStringLiteral("620"), QStringLiteral("0"));
            s.close();
            LogDialogs(shown);
        });
        InScreen(f, [&](FrmBegining& s) {
            PressAccessKey(&s, Qt::Key_M);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        const RecordingServices& services = f.install.desktop.services;
        LogResult(Played(f) << QStringLiteral("busy %1/%2").arg(services.busyBegun).arg(services.busyEnded));
        const QByteArray log = RunLogBytes();
        const qsizetype from =
            log.lastIndexOf("\r\n", log.indexOf(Sjis(QStringLiteral("■frmMenu.cmdDipWindow_Click"))));
        QCOMPARE(GoldenDiff(QStringLiteral("ui/opening_balance_session.log"), log.mid(from + 2)), std::string());
    }

    // The export and the folder button as the run log records them, with the
    // boxes, the sounds, what the shell opened and what lies in the year's
    // folder after each step: a year without its sheet, unequal totals and
    // unequal sides write nothing; a complete sheet writes the pair; the
    // folder button opens the last export of either screen; a year folder
    // that cannot be made is explained.
    void theExportAndItsFolderAsLogged() {
        MenuFixture f(QStringLiteral("山田　太郎"));
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        std::vector<ShownBox>& shown = f.install.desktop.dialogs.shown;
        const QString folder2020 = QStringLiteral("data_for_rupa_kaikei/2020(令和2)");
        const auto year = [&](const char* text) {
            Get<QLineEdit>(f.menu.get(), "txtYear")->setText(QString::fromLatin1(text));
        };
        const auto logStep = [&] {
            LogDialogs(shown);
            LogResult(QDir(f.install.path(folder2020)).entryList(QDir::Files));
        };
        // "&M" is the menu button's key too: the export is clicked.
        const auto save = [&](FrmBegining& s, const char* sql = "") {
            f.install.exec(QString::fromLatin1(sql));
            QTest::mouseClick(Get(&s, "cmdSaveFiles"), Qt::LeftButton);
            logStep();
        };
        const auto open = [&](FrmBegining& s) {
            PressAccessKey(&s, Qt::Key_O);
            logStep();
        };
        year("2021");
        InScreen(f, [&](FrmBegining& s) {
            open(s);
            save(s);
        });
        QApplication::setActiveWindow(f.menu.get());
        WhileModal(
            f.menu->frmTrade(), [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
            [&] { QTest::mouseClick(Get(f.menu->frmTrade(), "cmdRupaFiles"), Qt::LeftButton); });
        LogDialogs(shown);
        InScreen(f, [&](FrmBegining& s) { open(s); });
        year("2020");
        InScreen(f, [&](FrmBegining& s) {
            save(s, "update t_bs_begining set money = 1 where year = 2020 and account_cd = '640'");
            save(s,
                 "update t_bs_begining set money = 1550000 where year = 2020 and account_cd = '640';"
                 "delete from t_bs_begining where year = 2020 and account_cd = '600'");
            save(s, "insert into t_bs_begining values (2020, '600', '', 'd', 0, '')");
            for (const char* file : {"data03aa.txt", "data03ba.txt"})
                QCOMPARE(GoldenDiff(QStringLiteral("export/") + QString::fromLatin1(file),
                                    f.install.readBytes(folder2020 + QLatin1Char('/') + file)),
                         std::string());
            open(s);
            QDir(f.install.path(QStringLiteral("data_for_rupa_kaikei"))).removeRecursively();
            save(s);
        });
        LogResult(f.install.desktop.services.opened + Played(f));
        const QByteArray log = RunLogWithInstallFolder(f.install);
        QCOMPARE(GoldenDiff(QStringLiteral("ui/opening_balance_export.log"),
                            log.mid(log.indexOf(Sjis(QStringLiteral("■frmBegining.cmdOpenFolder"))) - 9)),
                 std::string());
    }
};

QTEST_MAIN(OpeningBalanceScreenTest)
#include "opening_balance_screen_test.moc"
