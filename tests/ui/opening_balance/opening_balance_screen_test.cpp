// The opening balance screen driven offscreen from the menu as a user would:
// a whole session and the export as the run log records them, the carry
// forward against the books, what a failure half-way leaves behind, and a
// carried year that notices the year before has changed since.
#include "app/context.h"
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/carried_balances.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <sqlite3.h>

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

QListWidget* List(QWidget* s, const char* name) { return Find<QListWidget>(s, name); }
QLineEdit* Money(QWidget* s) { return Find<QLineEdit>(s, "txtMoney"); }

void InScreen(MenuFixture& f, const char* year, const std::function<void(FrmBegining&)>& inside) {
    OpenScreen(f, f.menu->frmBegining(), Qt::Key_B, QString::fromLatin1(year), [&] { inside(*f.menu->frmBegining()); });
}

// A mouse click on the account's row, in whichever list holds it.
void ClickAccount(QWidget* s, const QString& code) {
    for (QListWidget* list : {List(s, "lstAsset"), List(s, "lstDebit")})
        if (!list->findItems(code + QLatin1Char(' '), Qt::MatchStartsWith).isEmpty())
            return ClickListItem(list, code + QLatin1Char(' '));
    throw MissingControl{code};
}

// Choose the account, type the amount over the one shown, press "更新(&U)".
void EnterAmount(QWidget* s, const QString& code, const QString& money) {
    ClickAccount(s, code);
    Money(s)->selectAll();
    QTest::keyClick(Money(s), Qt::Key_Backspace);
    QTest::keyClicks(Money(s), money);
    PressAccessKey(s, Qt::Key_U);
}

// Into the run log: the boxes shown since the last step, the chosen account and amount,
// the control with the focus, each list's current row and selection count, and its items.
void LogScreen(MenuFixture& f, FrmBegining& s, bool items = false) {
    LogDialogs(f.install.desktop.dialogs.shown);
    QStringList state{Find<QLabel>(&s, "lblCodeName")->text(), Money(&s)->text(),
                      QApplication::focusWidget()->objectName()};
    for (QListWidget* list : {List(&s, "lstAsset"), List(&s, "lstDebit")}) {
        state << QStringLiteral("%1/%2").arg(list->currentRow()).arg(list->selectedItems().size());
        for (int i = 0; items && i < list->count(); ++i) state << list->item(i)->text();
    }
    LogResult(state);
}

QStringList Played(const MenuFixture& f) {
    return QStringList(f.install.desktop.services.played).replaceInStrings(f.install.path(QString()), QString());
}
QStringList Rows(const MenuFixture& f, const char* year = "2021") {
    return f.install.rows(QString("select * from t_bs_begining where year = ") + year + " order by 2");
}
QStringList History(const MenuFixture& f) {
    return f.install.rows(QStringLiteral("select * from t_bs_begining_history order by 1, 2, 3"));
}

// One step of the user: "CODE" clicks the account, "CODE=TEXT" types the amount and presses 更新(&U), "key K"
// its access key, "ctrl" a Ctrl+click on the chosen asset, "Tab" to the screen, "Space" where the focus is,
// "send TEXT" key by key into the amount, "Enter" or "keypad" (its Enter) where the focus is, "settle" (what a
// click queued runs), "sql STATEMENTS" as a database tool runs them, "yes" or "no" for the next question,
// "close"; into the run log "log" (or "log items") the screen, "boxes" the boxes, "history" the history.
void Act(MenuFixture& f, FrmBegining& s, const QString& step) {
    const QString word = step.section(u' ', 0, 0), rest = step.section(u' ', 1);
    QListWidget* assets = List(&s, "lstAsset");
    if (word == u"key") return PressAccessKey(&s, QKeySequence(rest)[0].key());
    if (word == u"ctrl") return ClickListRow(assets, assets->currentRow(), Qt::ControlModifier);
    if (word == u"Tab") return QTest::keyClick(&s, Qt::Key_Tab);
    if (word == u"Space") return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    if (word == u"sql") return f.install.exec(rest);
    if (word == u"send") return TypeKeys(Money(&s), rest);
    if (word == u"Enter" || word == u"keypad") return PressEnter(word == u"keypad");
    if (word == u"settle") return QCoreApplication::processEvents();
    if (word == u"yes" || word == u"no") return f.install.desktop.dialogs.yesNoAnswers.push_back(word == u"yes");
    if (word == u"close") return void(s.close());
    if (word == u"log") return LogScreen(f, s, rest == u"items");
    if (word == u"boxes") return LogDialogs(f.install.desktop.dialogs.shown);
    if (word == u"history") return LogResult(History(f));
    if (step.size() == 3) return ClickAccount(&s, step);
    if (step.size() < 4 || step[3] != u'=') throw MissingControl{QStringLiteral("step ") + step};
    EnterAmount(&s, step.left(3), step.mid(4));
}

}  // namespace

class OpeningBalanceScreenTest : public QObject {
    Q_OBJECT

private slots:
    // One session as the run log records it, with the statements, the boxes, the focus, the list items,
    // the sounds and the busy pointer: a new year, its rows created, accounts chosen or refused, amounts
    // refused or stored with both totals, the checks on close and none on the way to the menu, re-creating
    // the rows answered No, then Yes with the history kept (asked as "yesno(No)": Enter answers No), and
    // an amount the list cannot show.
    void aSessionAsLogged() {
        MenuFixture f;
        const QList<QStringList> sessions = StepFile(QStringLiteral("ui/opening_balance/session.steps"));
        InScreen(f, "2026", [&](FrmBegining& s) {
            for (QWidget* box : {Find<QWidget>(&s, "txtYear"), Find<QWidget>(&s, "txtGengou")})
                box->setFocus(), QTest::keyClicks(box, QStringLiteral(" or 1=1"));
            LogResult({Find<QLineEdit>(&s, "txtYear")->text(), Find<QLineEdit>(&s, "txtGengou")->text()});
            for (const QString& step : sessions[0]) Act(f, s, step);
        });
        for (const QStringList& steps : sessions.mid(1))
            InScreen(f, "2026", [&](FrmBegining& s) {
                for (const QString& step : steps) Act(f, s, step);
            });
        InScreen(f, "2026", [&](FrmBegining& s) {  // a blank amount left by a database tool cannot be listed
            f.install.exec(QStringLiteral("update t_bs_begining set money = null where account_cd = '110'"));
            ClickAccount(&s, QStringLiteral("620"));
            QVERIFY_THROWS_EXCEPTION(ProcessEnded, s.cmdUpdate_Click());  // directly: not through Qt's frames
        });
        LogDialogs(f.install.desktop.dialogs.shown);
        const RecordingServices& services = f.install.desktop.services;
        LogResult(Played(f) << QStringLiteral("busy %1/%2").arg(services.busyBegun).arg(services.busyEnded));
        QCOMPARE(LogDiff("ui/opening_balance_session.log", f.install, "frmMenu.cmdDipWindow_Click"), std::string());
    }

    // The opening amount of a new year's account: its "0" is replaced by what
    // is typed, full-width digits with commas are stored as the number,
    // Enter goes on to 更新 and only Enter there stores. A fraction is still
    // refused, its message saying what is allowed, and nothing is stored.
    void openingAmountTypedOverItsZero() {
        MenuFixture f;
        InScreen(f, "2026", [&](FrmBegining& s) {
            const auto state = [&](const QString& step) {
                LogResult(QStringList{step, Focus(), Money(&s)->text(), Money(&s)->selectedText(),
                                      TakeBoxes(f.install.desktop.dialogs).join(" | ")} +
                          f.install.rows("select account_cd||'='||money from t_bs_begining where account_cd in "
                                         "('100', '110', '340') order by 1"));
            };
            for (const QString& step : StepFile(QStringLiteral("ui/opening_balance/opening_amount.steps")).value(0))
                step.startsWith(u"see ") ? state(step.mid(4)) : Act(f, s, step);
        });
        QCOMPARE(LogDiff("ui/opening_balance/opening_amount.log", f.install, "frmBegining.lstAsset_Click"),
                 std::string());
    }

    // The export and the folder button as the run log records them, with the year's folder after each
    // step: a year without its sheet, unequal totals and unequal sides write nothing; a complete sheet
    // writes the pair; the folder button opens the last export of either screen.
    void theExportAndItsFolderAsLogged() {
        MenuFixture f(QStringLiteral("山田　太郎"));
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        const QString folder = QStringLiteral("data_for_rupa_kaikei/2020(令和2)");
        const auto step = [&](FrmBegining& s, const char* button, const char* sql = "") {
            f.install.exec(QString::fromLatin1(sql));
            QTest::mouseClick(Find<QWidget>(&s, button), Qt::LeftButton);
            LogDialogs(f.install.desktop.dialogs.shown);
            LogResult(QDir(f.install.path(folder)).entryList(QDir::Files));
        };
        InScreen(f, "2021", [&](FrmBegining& s) { step(s, "cmdOpenFolder"), step(s, "cmdSaveFiles"); });
        OpenScreen(f, f.menu->frmTrade(), Qt::Key_T, "2021",
                   [&] { QTest::mouseClick(Find<QWidget>(f.menu->frmTrade(), "cmdRupaFiles"), Qt::LeftButton); });
        LogDialogs(f.install.desktop.dialogs.shown);
        InScreen(f, "2021", [&](FrmBegining& s) { step(s, "cmdOpenFolder"); });
        InScreen(f, "2020", [&](FrmBegining& s) {
            step(s, "cmdSaveFiles", "update t_bs_begining set money = 1 where year = 2020 and account_cd = '640'");
            step(s, "cmdSaveFiles",
                 "update t_bs_begining set money = 1550000 where year = 2020 and account_cd = '640';"
                 "delete from t_bs_begining where year = 2020 and account_cd = '600'");
            step(s, "cmdSaveFiles", "insert into t_bs_begining values (2020, '600', '', 'd', 0, '')");
            for (const QString& file : {QStringLiteral("data03aa.txt"), QStringLiteral("data03ba.txt")})
                QCOMPARE(GoldenDiff("export/" + file, f.install.readBytes(folder + '/' + file)), std::string());
            step(s, "cmdOpenFolder");
            QDir(f.install.path(QStringLiteral("data_for_rupa_kaikei"))).removeRecursively();
            step(s, "cmdSaveFiles");
        });
        LogResult(f.install.desktop.services.opened + Played(f));
        QCOMPARE(LogDiff("ui/opening_balance_export.log", f.install, "frmBegining.cmdOpenFolder"), std::string());
    }

    // The carry against the books, its boxes and sounds in the run log: refused without the sheet of
    // the year before, or when a closing balance does not fit; made without a question, it passes
    // the check on close; after a correction of 2020 it asks (Enter answers No), No keeps 2021, Yes carries the new
    // balances and keeps the first carry in the history.
    // Then a failure at the last statement of each storing button ends the process before the
    // commit: the next opening of the file finds 2021 and its history as they were.
    void carryForwardAndFailuresHalfWay() {
        MenuFixture f;
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        const QString carried = DataText(QStringLiteral("ui/opening_balance/carried_from_books.sql"));
        const QStringList expected = f.install.rows(carried);
        const QString correction =  // the stationery bought in cash cost 2500, not 1980
            QStringLiteral("update t_trade set money = 2500 where year = 2020 and month = 7 and day = 20");
        f.install.exec("begin;" + correction);
        const QStringList corrected = f.install.rows(carried);
        f.install.exec(QStringLiteral("rollback"));
        QVERIFY(corrected != expected);
        const QStringList kept = QStringList(expected).replaceInStrings(QRegularExpression("^(\\d+\t\\d+)"), "\\1\t1");
        const QString big =
            "update t_bs_begining set money = money %1 2000000000 where year = 2020 and account_cd = '130'";
        const struct {
            const char* year;
            QString before;  // run first
            QStringList rows, history;
        } runs[] = {{"2020", "", Rows(f, "2020"), {}},
                    {"2021", big.arg('+'), {}, {}},
                    {"2021", big.arg('-'), expected, {}},
                    {"2021", correction, expected, {}},  // asked and answered No
                    {"2021", "", corrected, kept}};
        f.install.desktop.dialogs.yesNoAnswers = {false, true};
        for (const auto& r : runs) {
            f.install.exec(r.before);
            InScreen(f, r.year, [&](FrmBegining& s) {
                PressAccessKey(&s, Qt::Key_K);
                // The list shows the sheet: the capital, 620, is the 23rd of the liabilities and capital.
                if (!r.rows.isEmpty())
                    QCOMPARE(List(&s, "lstDebit")->item(22)->text().section(' ', -1), r.rows[47].section('\t', 4, 4));
                s.close();
            });
            LogDialogs(f.install.desktop.dialogs.shown);
            QCOMPARE(Rows(f, r.year), r.rows);
            QCOMPARE(History(f), r.history);
        }
        LogResult(Played(f));
        // Sheets the carry cannot store, each line cash, capital and asset total; and only an amount other
        // than 0 is one the carry replaces.
        for (const QString& line : StepFile(QStringLiteral("ui/opening_balance/carried_sheets.cases")).value(0)) {
            const QStringList c = line.split(u' ');
            const qint64 cash = c[0].toLongLong(), capital = c[1].toLongLong(), assets = c[2].toLongLong();
            LogResult({CarriedSheetProblem({{{"100", cash, true}, {"620", capital, false}}, assets, capital}, "2020")
                           .value_or(QString())});
        }
        const QString head = QStringLiteral("account_cd\taccount_name\tmoney");
        QVERIFY(!HoldsAmounts({{head, "100\t現　金\t0", "340\t合　　計\t0"}, {head, "610\t事業主借\t"}}));
        QVERIFY(HoldsAmounts({{head, "100\t現　金\t0"}, {head, "620\t元入金\t-1"}}));
        QCOMPARE(LogDiff("ui/opening_balance/carry_forward.log", f.install, "frmMenu.cmdDipWindow_Click"),
                 std::string());

        f.install.exec(DataText(QStringLiteral("ui/opening_balance/planted_failure.sql")));
        const QStringList before = Rows(f) + History(f);
        for (void (FrmBegining::*procedure)() :
             {&FrmBegining::cmdUpdate_Click, &FrmBegining::cmdInitiralize_Click, &FrmBegining::cmdCarryForward_Click}) {
            f.install.desktop.dialogs.yesNoAnswers = {true};
            QVERIFY_THROWS_EXCEPTION(
                ProcessEnded, InScreen(f, "2021", [&](FrmBegining& s) {
                    ClickAccount(&s, QStringLiteral("100"));
                    Money(&s)->setText(QStringLiteral("3000"));
                    (s.*procedure)();  // directly: the ended process must not unwind through Qt's frames
                }));
            QVERIFY(f.install.desktop.dialogs.shown.back().text.startsWith(QStringLiteral("SQLite3NonQuery Error")));
            QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
            sqlite3_close_v2(ctx().db);
            QCOMPARE(sqlite3_open(f.install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &ctx().db),
                     SQLITE_OK);
            QCOMPARE(Rows(f) + History(f), before);
        }
    }

    // Carried once; then each change to 2020 in turn. A correction, a void, a new record and a changed
    // opening amount move the balances carried: 2021 says so at each showing, changing nothing, until
    // it is carried again, and the notice names the latest carry. A change that moves no balance (a
    // summary) leaves the carried sheet right and says nothing. A sheet created anew is carried no
    // longer. Each carry, and the end of the last, is kept on record; each notice plays its cue.
    void aChangedYearIsNoticedUntilCarriedAgain() {
        MenuFixture f;
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        QStringList out;
        // Opened (the key pressed inside, answering Yes), then its boxes and 2021's sheet.
        const auto show = [&](Qt::Key key = Qt::Key_unknown) {
            f.install.desktop.dialogs.yesNoAnswers = {true};
            OpenScreen(f, f.menu->frmBegining(), Qt::Key_B, QStringLiteral("2021"), [&] {
                if (key != Qt::Key_unknown) PressAccessKey(f.menu->frmBegining(), key);
            });
            out << TakeBoxes(f.install.desktop.dialogs)
                << f.install.rows(QStringLiteral(
                       "select group_concat(account_cd || '=' || money, ' ') from t_bs_begining where year = 2021"));
        };
        show(Qt::Key_K);
        for (const QString& step : StepFile(QStringLiteral("ui/opening_balance/stale_carry.steps")).value(0)) {
            f.install.exec(step.section(u' ', 1));
            show(), show();
            if (step.startsWith(u'-')) continue;
            f.install.setTime(step.section(u' ', 0, 0));
            show(Qt::Key_K), show();
        }
        show(Qt::Key_I);
        f.install.exec(QStringLiteral("update t_trade set money = 3000 where year = 2020 and month = 7 and day = 20"));
        show();
        out << f.install.rows(QStringLiteral("select year, carry_idx, from_year, dt_update from t_bs_carry"))
            << f.install.desktop.services.played;
        QCOMPARE(TranscriptDiff(QStringLiteral("ui/opening_balance/stale_carry.txt"), f.install, out), std::string());
    }
};

QTEST_MAIN(OpeningBalanceScreenTest)
#include "opening_balance_screen_test.moc"
