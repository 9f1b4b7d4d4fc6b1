// The entry boxes of all three screens typed into as a Japanese user types:
// full-width digits, commas and yen marks, Enter from box to box and on to
// the button that acts, a number replaced by typing over it, and the summary's
// byte count. What is stored and logged is checked, not only what is shown.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

namespace {

QString Focus() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "-"; }
QLineEdit* Box(QWidget* screen, const char* name) { return Find<QLineEdit>(screen, name); }
QListWidget* List(QWidget* screen, const char* name) { return Find<QListWidget>(screen, name); }

// Lets what the last step queued run, as it does before the user's next key.
void Settle() { QCoreApplication::processEvents(); }

// Keys that send the characters as they are, full-width ones included.
void TypeKeys(QWidget* control, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Text the input method commits, as a summary typed in hiragana mode arrives.
void Commit(QLineEdit* box, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

// Enter, or the keypad's Enter, where the focus is.
void PressEnter(bool keypad = false) {
    QTest::keyClick(QApplication::focusWidget(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                    keypad ? Qt::KeypadModifier : Qt::NoModifier);
    Settle();
}

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
    Settle();
}

// The user's steps on the screen, each settled before the next: "item LIST START" clicked, "send BOX
// TEXT" typed key by key, "Enter" or "keypad" (its Enter) where the focus is; "see WHAT" tells `see`.
void Steps(QWidget* screen, const QStringList& steps, const std::function<void(const QString&)>& see) {
    for (const QString& step : steps) {
        const QString word = step.section(' ', 0, 0), on = step.section(' ', 1, 1), rest = step.section(' ', 2);
        if (word == "item") ClickListItem(List(screen, on.toLatin1()), rest);
        if (word == "send") TypeKeys(Box(screen, on.toLatin1()), rest);
        if (word == "Enter" || word == "keypad") PressEnter(word == "keypad");
        if (word == "see") see(step.mid(4));
        Settle();
    }
}

}  // namespace

class EntryBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // Two recordings by the keyboard from the summary on, phrase lists showing
    // beside the boxes: Enter and the keypad's Enter lead summary → amount
    // (→ percentage for a shared trade) → 登録, nothing is stored until Enter
    // on 登録, and the amount and percentage typed full-width, with commas
    // and a yen mark, are recorded as plain numbers with the specified log
    // lines. On the way the summary's bytes, set by a click or typed, red
    // only past 30, in free space that no other control of its frame covers.
    void recordingByEnterFromTheSummaryOn() {
        MenuFixture f;
        for (const char* list : {"bin/List-.txt", "bin/List14-01.txt", "bin/List50-01.txt"})
            f.install.writeBytes(list, Sjis("電車代\r\n電気代\r\n"));
        OpenScreen(f, f.menu->frmTrade(), Qt::Key_T, "2026", [&] {
            FrmTrade& s = *f.menu->frmTrade();
            QLineEdit* summary = Box(&s, "txtTradeDetail");
            auto* counter = Find<QLabel>(&s, "lblTradeDetailBytes");
            const auto state = [&](const QString& step) {
                LogResult({step, Focus(), summary->text(), Box(&s, "txtMoney")->text(), Box(&s, "txtPercent")->text(),
                           counter->text(), f.install.rows("select count(*) from t_trade").join(' '),
                           Find<QWidget>(&s, "lstAbst")->isVisible() ? "phrases shown" : "no phrases"});
            };
            Steps(&s, {"item lstTrade 14 ", "item lstTradeDetail 01 "}, {});
            QStringList counted;
            const QString wide15(15, QChar(0x96FB));
            for (const QString& typed : {wide15 + "a", wide15 + "電", wide15, QString("ﾊﾞｽ"), QString("電車代")}) {
                const bool red = counter->palette().color(QPalette::WindowText) == QColor(Qt::red);
                counted << counter->text() + (red ? " red" : "");
                summary->selectAll();
                Commit(summary, typed);
            }
            QCOMPARE(counted.join(", "), QString("6/30, 31/30 red, 32/30 red, 30/30, 3/30"));
            for (QWidget* other : counter->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other == counter || other->isHidden() || !other->geometry().intersects(counter->geometry()),
                         qPrintable(other->objectName()));
            Commit(summary, "（往復）");
            // clang-format off
            Steps(&s, {"see detail clicked, typed", "Enter", "see Enter", "send txtMoney １，２００", "keypad",
                "see amount, keypad Enter", "Enter", "see Enter on 登録",
                "item lstTrade 50 ", "item lstTradeDetail 01 ", "see shared trade", "Enter", "send txtMoney ￥ 4,000 ",
                "Enter", "see amount, Enter", "send txtPercent ５０", "keypad",
                "see percentage over the detail's, keypad Enter", "keypad", "see keypad Enter on 登録"}, state);
            // clang-format on
        });
        LogResult(f.install.rows("select * from t_trade order by seq"));
        QCOMPARE(LogDiff("ui/common/recording_by_enter.log", f.install, "frmTrade.lstTrade_Click"), std::string());
    }

    // The opening amount of a new year's account: its "0" is replaced by what
    // is typed, full-width digits with commas are stored as the number,
    // Enter goes on to 更新 and only Enter there stores. A fraction is still
    // refused, its message saying what is allowed, and nothing is stored.
    void openingAmountTypedOverItsZero() {
        MenuFixture f;
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        OpenScreen(f, f.menu->frmBegining(), Qt::Key_B, "2026", [&] {
            FrmBegining& s = *f.menu->frmBegining();
            QLineEdit* money = Box(&s, "txtMoney");
            const auto amounts = [&] {
                return f.install.rows(
                    "select account_cd||'='||money from t_bs_begining where account_cd in "
                    "('100', '110', '340') order by 1");
            };
            const auto state = [&](const QString& step) {
                LogResult(
                    QStringList{step, Focus(), money->text(), money->selectedText(), TakeBoxes(dialogs).join(" | ")} +
                    amounts());
            };
            PressAccessKey(&s, Qt::Key_I);
            Steps(&s,
                  {"item lstAsset 100 ", "see account clicked", "send txtMoney １５０，０００", "Enter",
                   "see typed, Enter", "Enter", "see Enter on 更新", "item lstAsset 110 ", "send txtMoney 1.5",
                   "keypad", "keypad", "see a fraction, keypad Enter twice"},
                  state);
        });
        QCOMPARE(LogDiff("ui/common/opening_amount.log", f.install, "frmBegining.lstAsset_Click"), std::string());
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
        QLineEdit* name = Box(&menu, "txtName");
        QLineEdit* year = Box(&menu, "txtYear");
        const QByteArray settings = f.install.readBytes("bin/VelmoAccount.ini");
        QStringList seen;
        const auto state = [&](const QString& step) {
            seen << QStringList{step,           Focus(),
                                year->text(),   year->selectedText(),
                                menu.eraText(), TakeBoxes(dialogs).join(" | ")}
                        .join(' ');
        };
        Click(name);
        PressEnter();
        state("name, Enter");
        QCOMPARE(f.install.readBytes("bin/VelmoAccount.ini"), settings);
        Click(year);
        state("year clicked");
        TypeKeys(year, "２０２７");
        state("typed");
        PressEnter(true);
        state("keypad Enter");
        WhileModal(
            menu.frmBegining(), [&] { PressEnter(); },
            [&] { seen << "opened " + Box(menu.frmBegining(), "txtYear")->text(); });
        QApplication::setActiveWindow(&menu);  // the user is back on the menu
        state("back");
        Find<QPushButton>(&menu, "cmdSave")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Settle();
        state("Tab from 保存");
        year->setText("２０２７");
        Click(Find<QPushButton>(&menu, "cmdInc_1"));
        state("+1");
        year->setText("２０２７年");
        WhileModal(
            menu.frmBegining(), [&] { Click(Find<QPushButton>(&menu, "cmdDispWindow_0")); }, [] { QFAIL("opened"); });
        state("refused");
        // Enter presses the button that has the focus, as Space does; Enter in a box presses nothing.
        year->setText("2026");
        const std::pair<const char*, Qt::Key> presses[] = {{"cmdInc_1", Qt::Key_Return},
                                                           {"cmdInc_0", Qt::Key_Enter},
                                                           {"txtYear", Qt::Key_Return},
                                                           {"txtName", Qt::Key_Return},
                                                           {"cmdSave", Qt::Key_Enter}};
        for (const auto& [control, key] : presses) {
            Find<QWidget>(&menu, control)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key);
            state(QString("%1 on %2").arg(key == Qt::Key_Enter ? "keypad Enter" : "Enter", control));
        }
        WhileModal(menu.frmTrade(), Find<QPushButton>(&menu, "cmdDispWindow_1"), [&] {
            Find<QPushButton>(menu.frmTrade(), "cmdToMenu")->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            seen << (menu.frmTrade()->isVisible() ? "screen still shown" : "back on the menu");
        });
        QCOMPARE(TranscriptDiff("ui/common/menu_boxes.txt", f.install, seen), std::string());
    }
};

QTEST_MAIN(EntryBoxesTest)
#include "entry_boxes_test.moc"
