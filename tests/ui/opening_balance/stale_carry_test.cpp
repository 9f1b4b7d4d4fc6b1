// The opening balance screen of a carried year notices that the year it was
// carried from has changed since, at every showing, until it is carried
// again or its sheet is created anew.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"

#include <QTest>

class StaleCarryTest : public QObject {
    Q_OBJECT

private slots:
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
        show(Qt::Key_K);
        for (const auto& c : changes) {
            f.install.exec(QString::fromUtf8(c.change));
            show(), show();
            if (!c.carriedAgain) continue;
            f.install.setTime(QString::fromLatin1(c.carriedAgain));
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

QTEST_MAIN(StaleCarryTest)
#include "stale_carry_test.moc"
