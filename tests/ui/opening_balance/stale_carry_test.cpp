// The opening balance screen of a carried year notices that the year it was
// carried from has changed since, at every showing, until it is carried
// again or its sheet is created anew.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"

#include <QTest>

namespace {

// Opens 2021's screen from the menu and acts inside.
void In2021(
    MenuFixture& f, const std::function<void(FrmBegining&)>& inside = [](FrmBegining&) {}) {
    Find<QLineEdit>(f.menu.get(), "txtYear")->setText(QStringLiteral("2021"));
    QApplication::setActiveWindow(f.menu.get());
    FrmBegining* s = f.menu->frmBegining();
    WhileModal(
        s, [&] { PressAccessKey(f.menu.get(), Qt::Key_B); }, [&] { inside(*s); });
}

void CarryForward(FrmBegining& s) { PressAccessKey(&s, Qt::Key_K); }

// The texts of the boxes shown since the last call.
QStringList Shown(FakeDialogs& dialogs) {
    QStringList texts;
    for (const ShownBox& box : dialogs.shown) texts << box.text;
    dialogs.shown.clear();
    return texts;
}

QString Notice(const QString& carriedAt) {
    return QStringLiteral("2021年度の期首データは，") + carriedAt +
           QStringLiteral(
               "に2020年度から繰越したものですが，\r\nその後2020年度の取引または期首データが変更されています。\r\n"
               "「前年度から繰越」を押すと，2020年度末の今の残高で繰越し直します。");
}

}  // namespace

class StaleCarryTest : public QObject {
    Q_OBJECT

private slots:
    // Carried once; then each change to 2020 in turn. A correction, a void, a new record and a changed
    // opening amount move the balances carried: 2021 says so at each showing, changing nothing, until
    // it is carried again, and the notice names the latest carry. A change that moves no balance (a
    // summary) leaves the carried sheet right and says nothing. A sheet created anew is carried no
    // longer. Each carry, and the end of the last, is kept on record.
    void aChangedYearIsNoticedUntilCarriedAgain() {
        MenuFixture f;
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        const QString done = QStringLiteral("2020年度末の残高を2021年度の期首データに繰越しました。");
        const QString ask = QStringLiteral("2021年度の期首データを，2020年度末の残高で置き換えます。よろしいですか？");
        In2021(f, CarryForward);
        QCOMPARE(Shown(dialogs), QStringList{done});
        const struct {
            const char* change;
            const char* carriedAgain;  // the time of the next carry, when noticed
        } changes[] = {
            {"", nullptr},
            {"update t_trade set money = 2500 where year = 2020 and month = 7 and day = 20", "2026-12-06T10:00:00"},
            {"update t_trade set is_valid = 0 where year = 2020 and month = 2 and day = 3 and seq = 1",
             "2026-12-07T11:00:00"},
            {"insert into t_trade values (2020, 12, 28, 9, '08', '01', '商品仕入', 1000, 100, 1, '')",
             "2026-12-08T12:00:00"},
            {"update t_bs_begining set money = money + 1000 where year = 2020 and account_cd in ('100', '340')",
             "2026-12-09T13:00:00"},
            {"update t_trade set detail_name = '店頭売上(訂正)' where year = 2020 and month = 1 and day = 6 and seq = "
             "1",
             nullptr},
        };
        QString carriedAt = QStringLiteral("2026/12/05 09:30:05");
        int notices = 0;
        for (const auto& c : changes) {
            f.install.exec(QString::fromUtf8(c.change));
            const QStringList sheet = f.install.rows(QStringLiteral("select * from t_bs_begining where year = 2021"));
            const QStringList expected = c.carriedAgain ? QStringList{Notice(carriedAt)} : QStringList();
            for (int showing = 0; showing < 2; ++showing) {
                In2021(f);
                QCOMPARE(Shown(dialogs), expected);
                QCOMPARE(f.install.rows(QStringLiteral("select * from t_bs_begining where year = 2021")), sheet);
                notices += static_cast<int>(expected.size());
            }
            if (!c.carriedAgain) continue;
            f.install.setTime(QString::fromLatin1(c.carriedAgain));
            dialogs.yesNoAnswers = {true};
            In2021(f, CarryForward);
            QCOMPARE(Shown(dialogs), (QStringList{Notice(carriedAt), ask, done}));
            ++notices;
            carriedAt = f.install.desktop.clock.time.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
            In2021(f);
            QCOMPARE(Shown(dialogs), QStringList());
        }
        // Created anew, 2021 holds no carried balances: a later change to 2020 is none of its concern.
        dialogs.yesNoAnswers = {true};
        In2021(f, [](FrmBegining& s) { PressAccessKey(&s, Qt::Key_I); });
        QCOMPARE(Shown(dialogs), (QStringList{QStringLiteral("既存のデータを初期化します。よろしいですか？"),
                                              QStringLiteral("初期データを作成しました。")}));
        f.install.exec(QStringLiteral("update t_trade set money = 3000 where year = 2020 and month = 7 and day = 20"));
        In2021(f);
        QCOMPARE(Shown(dialogs), QStringList());
        QCOMPARE(f.install.rows(QStringLiteral("select year, carry_idx, from_year, dt_update from t_bs_carry")),
                 (QStringList{"2021\t1\t2020\t2026/12/05 09:30:05", "2021\t2\t2020\t2026/12/06 10:00:00",
                              "2021\t3\t2020\t2026/12/07 11:00:00", "2021\t4\t2020\t2026/12/08 12:00:00",
                              "2021\t5\t2020\t2026/12/09 13:00:00", "2021\t6\t\t2026/12/09 13:00:00"}));
        // Each notice is a warning: its cue plays before it.
        QCOMPARE(f.install.desktop.services.played.count(f.install.path(QStringLiteral("wav/notify.wav"))), notices);
    }
};

QTEST_MAIN(StaleCarryTest)
#include "stale_carry_test.moc"
