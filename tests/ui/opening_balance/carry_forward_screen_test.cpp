// The carry forward button of the opening balance screen, pressed by its
// access key on the fixture books: what it refuses, each carried amount
// against the closing balance sheet the test takes from the books itself,
// the capital by its formula, the balance check afterwards, and a second
// carry after a correction of the closed year.
#include "app/context.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"

#include <sqlite3.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <stdexcept>

namespace {

const QString kDone = QStringLiteral("2020年度末の残高を2021年度の期首データに繰越しました。");
const QString kQuestion = QStringLiteral("2021年度の期首データを，2020年度末の残高で置き換えます。よろしいですか？");

// The screen of the year opened from the menu by its access key.
void InScreen(MenuFixture& f, const QString& year, const std::function<void(FrmBegining&)>& inside) {
    Find<QLineEdit>(f.menu.get(), QStringLiteral("txtYear"))->setText(year);
    QApplication::setActiveWindow(f.menu.get());
    bool opened = false;
    WhileModal(
        f.menu->frmBegining(), [&] { PressAccessKey(f.menu.get(), Qt::Key_B); },
        [&] {
            opened = true;
            inside(*f.menu->frmBegining());
        });
    if (!opened) throw std::runtime_error("the opening balance screen did not open");
}

void CarryForward(MenuFixture& f, const QString& year = QStringLiteral("2021")) {
    InScreen(f, year, [](FrmBegining& s) { PressAccessKey(&s, Qt::Key_K); });
}

QStringList BoxTexts(MenuFixture& f) {
    QStringList texts;
    for (const ShownBox& box : f.install.desktop.dialogs.shown) texts << box.text;
    f.install.desktop.dialogs.shown.clear();
    return texts;
}

// The closing balance sheet of 2020 from the books: each row of the sheet
// moved by the year's journal (assets grow on the debit side, liabilities and
// capital on the credit side), and the year's revenue less its costs.
struct ClosingSheet {
    std::map<QString, qint64> closing;
    std::map<QString, QString> side, name;
    qint64 income = 0;
};

ClosingSheet FromBooks(const TempInstall& install) {
    const QString journal = QStringLiteral(
        "with j as (select m.debit_cd d, m.credit_cd c, t.money * t.rate / 100 amount from t_trade t "
        "join m_trade m on t.trade_cd = m.trade_cd where t.year = 2020 and t.is_valid = 1) ");
    ClosingSheet sheet;
    for (const QString& row : install.rows(
             journal +
             QStringLiteral("select b.account_cd, b.account_name, b.asset_or_debit, b.money + "
                            "(case b.asset_or_debit when 'a' then 1 else -1 end) * "
                            "(ifnull((select sum(amount) from j where d = b.account_cd), 0) - "
                            "ifnull((select sum(amount) from j where c = b.account_cd), 0)) "
                            "from t_bs_begining b where b.year = 2020 and b.account_cd not in ('340', '640')"))) {
        const QStringList f = row.split(QLatin1Char('\t'));
        sheet.name[f[0]] = f[1];
        sheet.side[f[0]] = f[2];
        sheet.closing[f[0]] = f[3].toLongLong();
    }
    sheet.income =
        install
            .rows(journal + QStringLiteral("select sum(case when a.account_cd = j.c then amount else -amount "
                                           "end) from j join m_account a on a.account_cd in (j.d, j.c) "
                                           "where a.account_class in ('r', 'c')"))
            .value(0)
            .toLongLong();
    return sheet;
}

// The rows 2021 must hold: the closing balances, the owner's rows and the
// income at 0, the capital by 元入金 + 事業主借 + 所得 − 事業主貸, the totals.
QStringList Expected(const ClosingSheet& books) {
    std::map<QString, qint64> carried = books.closing;
    for (const char* code : {"330", "610", "630"}) carried[QString::fromLatin1(code)] = 0;
    const auto closing = [&](const char* code) { return books.closing.at(QString::fromLatin1(code)); };
    carried[QStringLiteral("620")] = closing("620") + closing("610") + closing("630") + books.income - closing("330");
    qint64 asset = 0, debit = 0;
    for (const auto& [code, money] : carried) (books.side.at(code) == QStringLiteral("a") ? asset : debit) += money;
    if (asset != debit) throw std::runtime_error("the fixture's closing sheet does not balance");
    QStringList rows;
    for (const auto& [code, money] : carried)
        rows << QStringList{code, books.name.at(code), books.side.at(code), QString::number(money)}.join(
            QLatin1Char('\t'));
    rows << QStringLiteral("340\t合　　計\ta\t") + QString::number(asset)
         << QStringLiteral("640\t合　計\td\t") + QString::number(debit);
    rows.sort();
    return rows;
}

QStringList Rows(const MenuFixture& f, const char* year = "2021") {
    return f.install.rows(QStringLiteral("select account_cd, account_name, asset_or_debit, money from t_bs_begining "
                                         "where year = %1 order by account_cd")
                              .arg(QString::fromLatin1(year)));
}
QStringList History(const MenuFixture& f) {
    return f.install.rows(
        QStringLiteral("select account_cd, account_name, asset_or_debit, money, ver_idx "
                       "from t_bs_begining_history order by account_cd, ver_idx"));
}

void OpenFixture(MenuFixture& f) { f.install.exec(DataText(QStringLiteral("fixture_year.sql"))); }

}  // namespace

class CarryForwardScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Nothing is stored; only the message of the case is shown, after the
    // warning cue when the books are in the way.
    void refusals() {
        const struct {
            const char* year;
            QString arrange;
            QString message;  // %1: the closing balance of 130 from the books
        } cases[] = {
            {"2020", QString(),
             QStringLiteral("2019年度の貸借対照表期首データがないため，繰越できません。\r\n"
                            "先に2019年度の期首データを作成してください。")},
            {"2021",
             QStringLiteral("update t_bs_begining set money = 2000000000 where year = 2020 and account_cd = '130'"),
             QStringLiteral("2020年度末の残高を繰越できません。\r\n"
                            "勘定科目コード130の金額%1円が，期首データに登録できる範囲を超えます。")},
        };
        for (const auto& c : cases) {
            MenuFixture f;
            OpenFixture(f);
            if (!c.arrange.isNull()) f.install.exec(c.arrange);
            const QString closing = QString::number(FromBooks(f.install).closing.at(QStringLiteral("130")));
            const QStringList before = Rows(f, "2020");
            CarryForward(f, QString::fromLatin1(c.year));
            QCOMPARE(BoxTexts(f), QStringList{QString(c.message).replace(QStringLiteral("%1"), closing)});
            QCOMPARE(Rows(f, "2020") + Rows(f) + History(f), before);
            QCOMPARE(f.install.desktop.services.played.size(), c.arrange.isNull() ? 0 : 1);
        }
    }

    // The new year's sheet is made without a question and balances; after a
    // correction of 2020 the carry asks, No keeps 2021, and Yes carries the
    // new balances with the first carry in the history.
    void carriesAndCarriesAgainAfterACorrection() {
        MenuFixture f;
        OpenFixture(f);
        const QStringList expected = Expected(FromBooks(f.install));
        InScreen(f, QStringLiteral("2021"), [&](FrmBegining& s) {
            PressAccessKey(&s, Qt::Key_K);
            QCOMPARE(Find<QListWidget>(&s, QStringLiteral("lstDebit"))->item(22)->text().section(' ', -1),
                     expected[47].section('\t', -1));
            s.close();
        });
        QCOMPARE(BoxTexts(f), QStringList{kDone});
        QCOMPARE(Rows(f), expected);
        QCOMPARE(f.install.rows(QStringLiteral("select distinct dt_update from t_bs_begining where year = 2021")),
                 QStringList{QStringLiteral("2026/12/05 09:30:05")});
        QCOMPARE(f.install.desktop.services.played, QStringList{f.install.path(QStringLiteral("wav/start.wav"))});
        QCOMPARE(f.install.runLog().count(QStringLiteral("DBUpdBS_BeginingCarried")), 48);

        // The stationery bought in cash cost 2500, not 1980.
        f.install.exec(QStringLiteral("update t_trade set money = 2500 where year = 2020 and month = 7 and day = 20"));
        const QStringList corrected = Expected(FromBooks(f.install));
        QVERIFY(corrected != expected);
        f.install.desktop.dialogs.yesNoAnswers = {false, true};
        CarryForward(f);
        QCOMPARE(BoxTexts(f), QStringList{kQuestion});
        QCOMPARE(Rows(f), expected);
        QCOMPARE(History(f), QStringList());
        CarryForward(f);
        QCOMPARE(BoxTexts(f), (QStringList{kQuestion, kDone}));
        QCOMPARE(Rows(f), corrected);
        QCOMPARE(History(f), QStringList(expected).replaceInStrings(QRegularExpression(QStringLiteral("$")),
                                                                    QStringLiteral("\t1")));
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
    }

    // A failure at the last statement ends the process before the commit: the
    // next opening of the file finds 2021 and its history as they were.
    void aFailureHalfWayStoresNothing() {
        MenuFixture f;
        OpenFixture(f);
        CarryForward(f);
        f.install.exec(QStringLiteral("update t_trade set money = 2500 where year = 2020 and month = 7 and day = 20"));
        const QStringList before = Rows(f) + History(f);
        f.install.exec(
            QStringLiteral("create trigger planted before update on t_bs_begining when new.account_cd = "
                           "'640' begin select raise(abort, 'disk full'); end;"));
        f.install.desktop.dialogs.yesNoAnswers = {true};
        bool ended = false;
        try {
            // Called directly: the ended process must not unwind through Qt's frames.
            InScreen(f, QStringLiteral("2021"), [](FrmBegining& s) { s.cmdCarryForward_Click(); });
        } catch (const ProcessEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
        sqlite3_close_v2(ctx().db);
        QCOMPARE(sqlite3_open(f.install.path(QStringLiteral("db/velmo.sqlite3")).toUtf8().constData(), &ctx().db),
                 SQLITE_OK);
        QCOMPARE(Rows(f) + History(f), before);
    }
};

QTEST_MAIN(CarryForwardScreenTest)
#include "carry_forward_screen_test.moc"
