// The transaction screen driven offscreen from the menu as a user would: the
// calendar inside the fiscal year, recording, the record list's periods and
// filters with their totals, correcting with history, voiding, the phrase
// lists and the entry checks, the entries that must not be stored, and the
// correction and deletion history report of what was done on the screen.
#include "app/date_text.h"
#include "fixture_books.h"
#include "golden_log.h"
#include "platform/cp932.h"
#include "screen_fixture.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <functional>

namespace {

using Steps = std::function<void(FrmTrade&)>;

// Opens the screen from the menu for the year, by the menu's access key, and
// takes the steps while it is showing.
void OnTradeScreen(MenuFixture& f, const QString& year, const Steps& steps) {
    Find<QLineEdit>(f.menu.get(), QStringLiteral("txtYear"))->setText(year);
    FrmTrade* screen = f.menu->frmTrade();
    // Back from the screen, the user clicks into the menu again.
    f.menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.menu.get()));
    WhileModal(
        screen, [&] { PressAccessKey(f.menu.get(), Qt::Key_T); }, [&] { steps(*screen); });
}

QListWidget* List(FrmTrade& s, const char* name) { return Find<QListWidget>(&s, QString::fromLatin1(name)); }
QLineEdit* Box(FrmTrade& s, const char* name) { return Find<QLineEdit>(&s, QString::fromLatin1(name)); }
QWidget* Control(FrmTrade& s, const char* name) { return Find<QWidget>(&s, QString::fromLatin1(name)); }
QCalendarWidget* Calendar(FrmTrade& s) { return Find<QCalendarWidget>(&s, QStringLiteral("Calendar")); }
QString Caption(FrmTrade& s, const char* name) { return Find<QLabel>(&s, QString::fromLatin1(name))->text(); }

void Click(FrmTrade& s, const char* name) { QTest::mouseClick(Control(s, name), Qt::LeftButton); }

void ClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY2(item, qPrintable(list->objectName()));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

// Clicks the first item that begins with the text.
void ClickItem(QListWidget* list, const QString& start) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->text().startsWith(start)) return ClickRow(list, row);
    QFAIL(qPrintable(start + QStringLiteral(" not in ") + list->objectName()));
}

// Turns the calendar to the date's month, as its arrows do, and clicks the day.
void ClickDay(QCalendarWidget* calendar, const QDate& date) {
    calendar->setCurrentPage(date.year(), date.month());
    auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    QAbstractItemModel* model = view->model();
    int firsts = 0;  // the shown month lies between the first and the second day 1
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const int day = model->index(row, column).data().toInt();
            if (day == 1) ++firsts;
            if (firsts == 1 && day == date.day())
                return QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                                         view->visualRect(model->index(row, column)).center());
        }
    QFAIL("day not shown");
}

// Replaces the box's text the way a user does: select all, then type it, or
// commit it through the input method as Japanese text arrives.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    bool ascii = true;
    for (const QChar c : text) ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (ascii) return QTest::keyClicks(box, text);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

QString LastBox(MenuFixture& f) {
    const auto& shown = f.install.desktop.dialogs.shown;
    return shown.empty() ? QString() : shown.back().text;
}

// Picks the day through the month list and the calendar.
void GoToDay(FrmTrade& s, const QDate& date) {
    ClickRow(List(s, "lstMonth"), date.month() - 1);
    ClickDay(Calendar(s), date);
}

void Insert(MenuFixture& f, int year, int month, int day, int seq, const char* trade, const char* detail,
            const QString& summary, int money, int rate, int valid = 1) {
    const QString values = QStringLiteral("%1,%2,%3,%4,'%5','%6','%7',%8,%9,%10,''");
    f.install.exec(
        QStringLiteral("insert into t_trade values (") +
        values.arg(year).arg(month).arg(day).arg(seq).arg(trade, detail, summary).arg(money).arg(rate).arg(valid) +
        QLatin1Char(')'));
}

QStringList Trades(MenuFixture& f) {
    return f.install.rows(QStringLiteral("select * from t_trade order by year, month, day, seq"));
}

// A record line of 2020/04/05 (a Sunday) as the list shows it.
QString Line(int seq, const QString& codes, const QString& summaryField, const QString& tail) {
    return QStringLiteral("2020/04/05(日)") + QStringLiteral("%1").arg(seq, 3) + QLatin1Char(' ') + codes +
           QLatin1Char(' ') + summaryField + tail;
}

}  // namespace

class TradeScreenTest : public QObject {
    Q_OBJECT

private slots:
    void controlsStandWhereTheyBelongWithTheirCaptions() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            QCOMPARE(s.size(), QSize(1101, 685));
            const struct {
                const char* name;
                QString caption;
                QRect pixels;  // the twips divided by 15
            } buttons[] = {
                {"cmdToMenu", QStringLiteral("メニューへ(&M)"), {944, 0, 93, 29}},
                {"cmdEnd", QStringLiteral("終了(&Q)"), {1040, 0, 61, 29}},
                {"cmdSetToday", QStringLiteral("今日を選択"), {124, 244, 73, 25}},
                {"cmdClear_0", QStringLiteral("金額クリア"), {796, 264, 69, 21}},
                {"cmdClear_1", QStringLiteral("クリア"), {704, 264, 49, 21}},
                {"cmdInsert", QStringLiteral("登録(&I)"), {940, 188, 69, 93}},
                {"cmdUpdate", QStringLiteral("更新(&U)"), {1012, 188, 57, 93}},
                {"cmdDelRecord", QStringLiteral("論理削除(&D)"), {552, 96, 85, 33}},
                {"cmdUnselect", QStringLiteral("選択解除(&U)"), {552, 136, 85, 33}},
            };
            for (const auto& b : buttons) {
                auto* button = Find<QPushButton>(&s, QString::fromLatin1(b.name));
                QCOMPARE(button->text(), b.caption);
                QCOMPARE(button->geometry(), b.pixels);
            }
            QCOMPARE(Control(s, "lstTradeRecord")->geometry(), QRect(16, 72, 529, 238));
            QCOMPARE(Control(s, "Frame3")->geometry(), QRect(16, 344, 649, 337));
            QCOMPARE(Control(s, "lstTrade")->font().families().first(), QStringLiteral("MS Gothic"));
            QCOMPARE(
                Caption(s, "Label3_0"),
                QStringLiteral("　　　日付　　　　　　連番　取　詳   摘要　　　　　　　　　　　　　　　　　　　　　　"
                               "　　　　　　 　金額　 割合"));
            QCOMPARE(Box(s, "txtMoney")->toolTip(), QStringLiteral("支払/請求/注文/入金の金額"));
            QVERIFY(Control(s, "cmdInputCSV")->isHidden());
            QCOMPARE(List(s, "lstMoney")->item(0)->text(), QStringLiteral(" 10"));
            QCOMPARE(List(s, "lstPercent")->item(0)->text(), QStringLiteral("  5"));
            QCOMPARE(List(s, "lstTrade")->item(43)->text(), QString());
            QCOMPARE(List(s, "lstTrade")->item(44)->text(), QStringLiteral("50 D 電気代"));
        });
    }

    void openingAndTheCalendarAsLogged() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            // Not the current year: 1 January, no today button.
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2020, 1, 1));
            QVERIFY(Control(s, "cmdSetToday")->isHidden());
            QCOMPARE(Caption(s, "lblYear"), QStringLiteral("2020"));
            QCOMPARE(Caption(s, "lblGengou"), QStringLiteral("令和2"));
            QCOMPARE(QApplication::focusWidget(), Control(s, "lstMonth"));
            ClickRow(List(s, "lstMonth"), 4);
            ClickDay(Calendar(s), {2021, 1, 15});
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2020, 12, 1));
            QCOMPARE(List(s, "lstMonth")->currentRow(), 11);
            ClickDay(Calendar(s), {2019, 12, 31});
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2020, 1, 1));
            // The same day with the same options: no refresh; a new period: one.
            ClickDay(Calendar(s), {2020, 1, 1});
            QTest::mouseClick(Control(s, "optRange_0"), Qt::LeftButton);
            QCOMPARE(Caption(s, "lblTerm"), QStringLiteral("当年度の"));
            ClickDay(Calendar(s), {2020, 1, 1});
        });
        const QByteArray log = RunLogBytes();
        QCOMPARE(GoldenDiff(QStringLiteral("ui/trade/opening.log"),
                            log.mid(log.indexOf(Sjis(QStringLiteral("■frmTrade"))) - 9)),
                 std::string());
    }

    void theTodayButtonBelongsToTheCurrentYear() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2026"), [&](FrmTrade& s) {
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2026, 12, 5));
            QVERIFY(!Control(s, "cmdSetToday")->isHidden());
            QVERIFY(!Control(s, "cmdSetToday")->isEnabled());
            QCOMPARE(List(s, "lstMonth")->currentRow(), 11);
            ClickRow(List(s, "lstMonth"), 2);
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2026, 3, 1));
            QVERIFY(Control(s, "cmdSetToday")->isEnabled());
            Click(s, "cmdSetToday");
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2026, 12, 5));
            QCOMPARE(List(s, "lstMonth")->currentRow(), 11);
        });
    }

    void recordingNumbersTheDateAndVoidingKeepsTheNumber() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            QCOMPARE(Box(s, "txtTradeDetail")->text(), QStringLiteral("電車代"));
            for (const char* amount : {"320", "1500", "88"}) {
                Type(Box(s, "txtMoney"), QString::fromLatin1(amount));
                PressAccessKey(&s, Qt::Key_I);
                // Summary and amount go; trade, detail, percentage and date stay.
                QCOMPARE(Box(s, "txtTradeDetail")->text(), QString());
                QCOMPARE(Box(s, "txtMoney")->text(), QString());
                QCOMPARE(Box(s, "txtPercent")->text(), QStringLiteral("100"));
                Type(Box(s, "txtTradeDetail"), QStringLiteral("バス代"));
            }
            ClickRow(List(s, "lstTradeRecord"), 2);
            f.install.desktop.dialogs.yesNoAnswers = {true};
            PressAccessKey(&s, Qt::Key_D);
            QCOMPARE(LastBox(f),
                     QStringLiteral("次の取引レコードを論理削除(無効化)します。\r\n\r\n    ") +
                         Line(3, QStringLiteral("14 01"), QStringLiteral("バス代") + QString(24, QLatin1Char(' ')),
                              QStringLiteral("        \\88 100％")) +
                         QStringLiteral("\r\n\r\nよろしいですか？"));
            Type(Box(s, "txtTradeDetail"), QStringLiteral("バス代"));
            Type(Box(s, "txtMoney"), QStringLiteral("99"));
            PressAccessKey(&s, Qt::Key_I);
            const QString train = QStringLiteral("電車代") + QString(24, QLatin1Char(' '));
            const QString bus = QStringLiteral("バス代") + QString(24, QLatin1Char(' '));
            QCOMPARE(ItemTexts(List(s, "lstTradeRecord")),
                     (QStringList{Line(1, QStringLiteral("14 01"), train, QStringLiteral("       \\320 100％")),
                                  Line(2, QStringLiteral("14 01"), bus, QStringLiteral("      \\1500 100％")),
                                  Line(4, QStringLiteral("14 01"), bus, QStringLiteral("        \\99 100％"))}));
        });
        QCOMPARE(Trades(f), (QStringList{
                                QStringLiteral("2020\t4\t5\t1\t14\t01\t電車代\t320\t100\t1\t2026/12/05 09:30:05"),
                                QStringLiteral("2020\t4\t5\t2\t14\t01\tバス代\t1500\t100\t1\t2026/12/05 09:30:05"),
                                QStringLiteral("2020\t4\t5\t3\t14\t01\tバス代\t88\t100\t0\t2026/12/05 09:30:05"),
                                QStringLiteral("2020\t4\t5\t4\t14\t01\tバス代\t99\t100\t1\t2026/12/05 09:30:05"),
                            }));
        QCOMPARE(f.install.desktop.services.played.size(), 4);
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
    }

    void eachPeriodAndFilterListsItsRowsWithTheirTotal() {
        MenuFixture f;
        struct Row {
            int month, day, seq;
            const char *trade, *detail;
            int money, rate, valid;
        };
        const QList<Row> rows{
            {4, 5, 1, "14", "01", 320, 100, 1}, {4, 5, 2, "50", "01", 5001, 30, 1}, {4, 5, 3, "50", "02", 2999, 50, 1},
            {4, 5, 4, "50", "01", 777, 30, 0},  {4, 6, 1, "50", "01", 1003, 30, 1}, {5, 1, 1, "14", "01", 210, 100, 1},
            {12, 31, 9, "50", "01", 99, 75, 1},
        };
        for (const Row& r : rows)
            Insert(f, 2020, r.month, r.day, r.seq, r.trade, r.detail, QStringLiteral("x"), r.money, r.rate, r.valid);
        Insert(f, 2021, 4, 5, 1, "50", "01", QStringLiteral("x"), 9999, 30);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            // A filter needs its selection first; the list stays as it was.
            QTest::mouseClick(Control(s, "optTrade_1"), Qt::LeftButton);
            QCOMPARE(LastBox(f), QStringLiteral("取引一覧から取引を選択してください。"));
            QTest::mouseClick(Control(s, "optTrade_2"), Qt::LeftButton);
            QCOMPARE(LastBox(f), QStringLiteral("取引詳細一覧から取引を選択してください。"));
            GoToDay(s, {2020, 4, 5});
            ClickItem(List(s, "lstTrade"), QStringLiteral("50 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            for (int range = 0; range < 3; ++range)
                for (int filter = 0; filter < 3; ++filter) {
                    QTest::mouseClick(Control(s, qPrintable(QStringLiteral("optRange_%1").arg(range))), Qt::LeftButton);
                    QTest::mouseClick(Control(s, qPrintable(QStringLiteral("optTrade_%1").arg(filter))),
                                      Qt::LeftButton);
                    QStringList expected;
                    qint64 sum = 0;
                    for (const Row& r : rows) {
                        if (!r.valid || (range >= 1 && r.month != 4) || (range == 2 && r.day != 5) ||
                            (filter >= 1 && QByteArray(r.trade) != "50") ||
                            (filter == 2 && QByteArray(r.detail) != "01"))
                            continue;
                        expected << QDate(2020, r.month, r.day).toString(QStringLiteral("yyyy/MM/dd")) +
                                        QStringLiteral("%1").arg(r.seq, 3);
                        sum += qint64(r.money) * r.rate / 100;
                    }
                    QStringList listed;
                    for (const QString& item : ItemTexts(List(s, "lstTradeRecord")))
                        listed << item.left(10) + item.mid(13, 3);
                    const QString what = QStringLiteral("range %1 filter %2").arg(range).arg(filter);
                    QVERIFY2(listed == expected, qPrintable(what));
                    QVERIFY2(Control(s, "lblSum")->isHidden() == (filter == 0), qPrintable(what));
                    QVERIFY2(Control(s, "lblSumTitle")->isHidden() == (filter == 0), qPrintable(what));
                    QVERIFY2(Control(s, "lblDesc")->isHidden() == (filter == 0), qPrintable(what));
                    if (filter > 0) QCOMPARE(Caption(s, "lblSum"), QStringLiteral("\\%1").arg(sum));
                    QCOMPARE(Caption(s, "lblTerm"), range == 0 ? QStringLiteral("当年度の") : QStringLiteral("当月の"));
                }
            // A trade of another class: the total without the explanation.
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            QTest::mouseClick(Control(s, "optTrade_1"), Qt::LeftButton);
            QCOMPARE(Caption(s, "lblSum"), QStringLiteral("\\320"));
            QVERIFY(Control(s, "lblDesc")->isHidden());
            // A day without transactions: an empty list and an empty total.
            ClickDay(Calendar(s), {2020, 4, 7});
            QCOMPARE(List(s, "lstTradeRecord")->count(), 0);
            QCOMPARE(Caption(s, "lblSum"), QString());
            QVERIFY(!Control(s, "lblSum")->isHidden());
        });
    }

    void aSharedTradeTakesItsPercentage() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            const char* percentControls[] = {"lblPercentOnly", "lblPercentList", "cmdClear_2",
                                             "lblPercent",     "txtPercent",     "lstPercent"};
            for (const char* name : percentControls) QVERIFY(Control(s, name)->isHidden());
            GoToDay(s, {2020, 4, 5});
            ClickItem(List(s, "lstTrade"), QStringLiteral("50 "));
            for (const char* name : percentControls) QVERIFY(!Control(s, name)->isHidden());
            QCOMPARE(ItemTexts(List(s, "lstTradeDetail")),
                     (QStringList{QStringLiteral("01 電気代 30％"), QStringLiteral("02 作業場の電気代 50％")}));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("02 "));
            QCOMPARE(Box(s, "txtPercent")->text(), QStringLiteral("50"));
            ClickItem(List(s, "lstPercent"), QStringLiteral(" 75"));
            ClickItem(List(s, "lstMoney"), QStringLiteral(" 50"));
            QCOMPARE(Box(s, "txtPercent")->text(), QStringLiteral("75"));
            QCOMPARE(Box(s, "txtMoney")->text(), QStringLiteral("50"));
            PressAccessKey(&s, Qt::Key_I);
            QCOMPARE(List(s, "lstTradeRecord")->item(0)->text(),
                     Line(1, QStringLiteral("50 02"), QStringLiteral("作業場の電気代") + QString(16, QLatin1Char(' ')),
                          QStringLiteral("        \\50  75％")));
            // The empty line between the groups: no details, a fixed 100.
            ClickItem(List(s, "lstTrade"), QStringLiteral("50 "));
            ClickRow(List(s, "lstTrade"), List(s, "lstTrade")->currentRow() - 1);
            QCOMPARE(List(s, "lstTradeDetail")->count(), 0);
            QCOMPARE(Box(s, "txtPercent")->text(), QStringLiteral("100"));
            for (const char* name : percentControls) QVERIFY(Control(s, name)->isHidden());
        });
    }

    void aCorrectionShowsOldAndNewAndKeepsEachVersion() {
        MenuFixture f;
        Insert(f, 2020, 4, 5, 1, "01", "01", QStringLiteral("B"), 500, 100);
        Insert(f, 2020, 4, 5, 2, "01", "02", QStringLiteral("A"), 1000, 100);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            for (const QString& amount : {QStringLiteral("1200"), QStringLiteral("1"), QStringLiteral("1300")}) {
                ClickRow(List(s, "lstTradeRecord"), 1);
                QCOMPARE(List(s, "lstTrade")->currentItem()->text(), QStringLiteral("01 B 現金売上"));
                QCOMPARE(List(s, "lstTradeDetail")->currentItem()->text(), QStringLiteral("02 商品販売代金"));
                QCOMPARE(Box(s, "txtTradeDetail")->text(), QStringLiteral("A"));
                QCOMPARE(Box(s, "txtPercent")->text(), QStringLiteral("100"));
                Type(Box(s, "txtMoney"), amount);
                f.install.desktop.dialogs.yesNoAnswers = {amount != QStringLiteral("1")};
                Click(s, "cmdUpdate");
            }
            QCOMPARE(f.install.desktop.dialogs.shown.front().text,
                     QStringLiteral("2020/04/05(日) 連番=2 の取引記録を更新します。\r\n\r\n"
                                    "　更新前＝01 02 A \\1000 100％\r\n\r\n"
                                    "　更新後＝01 02 A \\1200 100％\r\n\r\n"
                                    "よろしいですか？"));
            // After a correction the screen is back in recording mode.
            QCOMPARE(List(s, "lstTrade")->currentRow(), -1);
            QCOMPARE(List(s, "lstTradeDetail")->count(), 0);
        });
        QCOMPARE(
            f.install.rows(QStringLiteral("select ver_idx, money, dt_update from t_trade_history order by ver_idx")),
            (QStringList{QStringLiteral("1\t1000\t"), QStringLiteral("2\t1200\t2026/12/05 09:30:05")}));
        QCOMPARE(Trades(f).last(), QStringLiteral("2020\t4\t5\t2\t01\t02\tA\t1300\t100\t1\t2026/12/05 09:30:05"));
    }

    void unselectingAndVoidingEndTheCorrectionMode() {
        MenuFixture f;
        Insert(f, 2020, 4, 5, 123, "50", "01", QStringLiteral("電気代"), 4000, 30);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            PressAccessKey(&s, Qt::Key_D);
            QCOMPARE(LastBox(f), QStringLiteral("論理削除(無効化)する取引を一つ選択してください。"));
            GoToDay(s, {2020, 4, 5});
            ClickRow(List(s, "lstTradeRecord"), 0);
            QCOMPARE(Box(s, "txtMoney")->text(), QStringLiteral("4000"));
            QVERIFY(!Control(s, "txtPercent")->isHidden());
            Click(s, "cmdUnselect");
            QCOMPARE(List(s, "lstTradeRecord")->currentRow(), -1);
            QCOMPARE(List(s, "lstTrade")->currentRow(), -1);
            QCOMPARE(List(s, "lstTradeDetail")->count(), 0);
            QVERIFY(Control(s, "txtPercent")->isHidden());
            for (const char* box : {"txtTradeDetail", "txtMoney", "txtPercent"})
                QCOMPARE(Box(s, box)->text(), QString());
            for (const bool yes : {false, true}) {
                ClickRow(List(s, "lstTradeRecord"), 0);
                f.install.desktop.dialogs.yesNoAnswers = {yes};
                PressAccessKey(&s, Qt::Key_D);
                QCOMPARE(Trades(f).first().section(QLatin1Char('\t'), 9, 9),
                         yes ? QStringLiteral("0") : QStringLiteral("1"));
            }
            QCOMPARE(List(s, "lstTradeRecord")->count(), 0);
            QCOMPARE(Box(s, "txtMoney")->text(), QString());
        });
        QVERIFY(f.install.runLog().contains(QStringLiteral("  Exit Sub\r\n")));
        QVERIFY(f.install.runLog().contains(QStringLiteral("  and  seq   = 123\r\n")));
    }

    void phraseListsComeFromTheFilesBesideTheProgram() {
        MenuFixture f;
        f.install.writeBytes(QStringLiteral("bin/List-.txt"), "Fares\r\n\r\nTaxi\r\n");
        f.install.writeBytes(QStringLiteral("bin/List14-01.txt"), Sjis(QStringLiteral("電車代(打合せ)\r\nバス代\r\n")));
        f.install.writeBytes(QStringLiteral("bin/List14-02.txt"), QStringLiteral("バス代\r\n").toUtf8());
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            const auto shown = [&] {
                return !Control(s, "lstAbst")->isHidden() && !Control(s, "lblAbst")->isHidden() &&
                       !Control(s, "cmdEditList")->isHidden();
            };
            QVERIFY(Control(s, "lstAbst")->isHidden());
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            QVERIFY(shown());
            QCOMPARE(ItemTexts(List(s, "lstAbst")),
                     (QStringList{QStringLiteral("Fares"), QString(), QStringLiteral("Taxi")}));
            Click(s, "cmdEditList");
            ClickRow(List(s, "lstAbst"), 2);
            QCOMPARE(Box(s, "txtTradeDetail")->text(), QStringLiteral("Taxi"));
            ClickRow(List(s, "lstAbst"), 1);
            QCOMPARE(Box(s, "txtTradeDetail")->text(), QString());
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            QCOMPARE(ItemTexts(List(s, "lstAbst")),
                     (QStringList{QStringLiteral("電車代(打合せ)"), QStringLiteral("バス代")}));
            Click(s, "cmdEditList");
            // Not Shift_JIS: Yes opens it and leaves the list; No hides the list.
            f.install.desktop.dialogs.yesNoAnswers = {true, false};
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("02 "));
            QVERIFY(shown());
            QCOMPARE(List(s, "lstAbst")->count(), 2);
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("02 "));
            QVERIFY(Control(s, "lstAbst")->isHidden());
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("03 "));
            QVERIFY(Control(s, "lstAbst")->isHidden());
        });
        const auto& shown = f.install.desktop.dialogs.shown;
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].kind, QStringLiteral("yesno"));
        QCOMPARE(shown[0].text,
                 QStringLiteral("次のテキストファイルの文字コードはShift_JISではありません。\r\n"
                                "    ファイル名＝List14-02.txt\r\n    文字コード＝UTF8\r\n\r\n"
                                "このファイルをエディタで開いて，ANSIまたはSJISで保存してください。\r\n\r\n"
                                "このファイルをエディタで開きますか？\r\n"));
        QCOMPARE(f.install.desktop.services.opened, (QStringList{f.install.path(QStringLiteral("bin/List14-.txt")),
                                                                 f.install.path(QStringLiteral("bin/List14-01.txt")),
                                                                 f.install.path(QStringLiteral("bin/List14-02.txt"))}));
    }

    void entryChecksStopWithTheirMessageAndFocus() {
        MenuFixture f;
        Insert(f, 2020, 4, 5, 1, "50", "01", QStringLiteral("電気代"), 4000, 30);
        const QString fullWidth31 = QString(15, QChar(0x3042)) + QStringLiteral("a");
        const struct {
            const char* button;
            int trade, detail;  // rows picked; -1 none
            QString summary, money, percent;
            QString message;
            const char* focus;
        } cases[] = {
            {"cmdInsert", -1, -1, "", "", "", "取引一覧から項目を選択してください。", "lstTrade"},
            {"cmdInsert", 44, -1, "", "", "", "取引詳細一覧から項目を選択してください。", "lstTradeDetail"},
            {"cmdInsert", 44, 0, "", "1", "1", "具体的な取引内容(取引詳細)を入力してください。", "txtTradeDetail"},
            {"cmdInsert", 44, 0, fullWidth31, "1", "1", "取引詳細は全角15文字(30バイト)以内で入力してください。",
             "txtTradeDetail"},
            {"cmdInsert", 44, 0, "電気 代", "1", "1", "取引詳細は半角スペースを使わずに指定してください。",
             "txtTradeDetail"},
            {"cmdInsert", 44, 0, "𠮷野家", "1", "1",
             "取引詳細に次の文字は使えません（Shift_"
             "JISで保存できません）。\r\n\r\n　𠮷\r\n\r\n別の文字に置き換えてください。",
             "txtTradeDetail"},
            {"cmdInsert", 44, 0, "電気代", "", "1", "金額を入力してください。", "txtMoney"},
            {"cmdInsert", 44, 0, "電気代", "1,000", "1", "金額は数字だけを入力してください。", "txtMoney"},
            {"cmdInsert", 44, 0, "電気代", "2147483648", "1", "金額は2147483647円以下で入力してください。", "txtMoney"},
            {"cmdInsert", 44, 0, "電気代", "1", "", "事業に使った割合を入力してください。", "txtPercent"},
            {"cmdInsert", 44, 0, "電気代", "1", "50%", "事業に使った割合は数字だけを入力してください。", "txtPercent"},
            {"cmdInsert", 44, 0, "電気代", "1", "101", "事業に使った割合は100以下で入力してください。", "txtPercent"},
            {"cmdUpdate", -1, -1, "", "", "", "取引記録一覧から更新する取引を選択してください。", "lstTradeRecord"},
        };
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            for (const auto& c : cases) {
                if (c.trade >= 0) ClickRow(List(s, "lstTrade"), c.trade);
                if (c.detail >= 0) ClickRow(List(s, "lstTradeDetail"), c.detail);
                Type(Box(s, "txtTradeDetail"), c.summary);
                Type(Box(s, "txtMoney"), c.money);
                Type(Box(s, "txtPercent"), c.percent);
                Click(s, c.button);
                QCOMPARE(LastBox(f), c.message);
                QCOMPARE(QApplication::focusWidget(), Control(s, c.focus));
                Click(s, "cmdUnselect");
            }
            // A pasted phrase brings its line break along.
            ClickRow(List(s, "lstTradeRecord"), 0);
            QGuiApplication::clipboard()->setText(QStringLiteral("電気代\t前月分\r\n"));
            Type(Box(s, "txtTradeDetail"), QString());
            QTest::keyClick(Box(s, "txtTradeDetail"), Qt::Key_V, Qt::ControlModifier);
            Click(s, "cmdUpdate");
            QCOMPARE(LastBox(f),
                     QStringLiteral("取引詳細にタブや改行などの制御文字は使えません。\r\n入力し直してください。"));
            QCOMPARE(QApplication::focusWidget(), Control(s, "txtTradeDetail"));
            Type(Box(s, "txtTradeDetail"), QString());
            Click(s, "cmdUpdate");
            QCOMPARE(LastBox(f), QStringLiteral("具体的な取引内容を入力してください。"));
        });
        QCOMPARE(Trades(f).size(), 1);
        QVERIFY(f.install.desktop.dialogs.yesNoAnswers.empty());
    }

    void theClearButtonsTakeTheSelectionOrTheWholeText() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            QLineEdit* money = Box(s, "txtMoney");
            Type(money, QStringLiteral("12345"));
            money->setSelection(1, 2);
            Click(s, "cmdClear_0");
            QCOMPARE(money->text(), QStringLiteral("145"));
            QCOMPARE(QApplication::focusWidget(), money);
            Click(s, "cmdClear_0");
            QCOMPARE(money->text(), QString());
            Type(Box(s, "txtTradeDetail"), QStringLiteral("電気代"));
            Click(s, "cmdClear_1");
            QCOMPARE(Box(s, "txtTradeDetail")->text(), QString());
        });
    }

    void entriesThatCouldNotBeAddressedOrBelongElsewhereAreRefused() {
        MenuFixture f;
        f.install.exec(QStringLiteral("insert into m_money values (1500)"));
        Insert(f, 2020, 12, 31, 999, "14", "01", QStringLiteral("電車代"), 100, 100);
        Insert(f, 2021, 1, 31, 1, "14", "01", QStringLiteral("電車代"), 200, 100);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            // Presets keep every digit of the master.
            QCOMPARE(List(s, "lstMoney")->item(0)->text(), QStringLiteral("  10"));
            ClickItem(List(s, "lstMoney"), QStringLiteral("1500"));
            QCOMPARE(Box(s, "txtMoney")->text(), QStringLiteral("1500"));
            // The 1000th transaction of a date.
            GoToDay(s, {2020, 12, 31});
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            Type(Box(s, "txtMoney"), QStringLiteral("5"));
            PressAccessKey(&s, Qt::Key_I);
            QCOMPARE(LastBox(f),
                     QStringLiteral("この日付の取引はすでに999件あります。\r\n1日に登録できる取引は999件までです。"));
            // A date the calendar's own keys moved into the next year.
            Calendar(s)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
            QCOMPARE(Calendar(s)->selectedDate(), QDate(2021, 1, 31));
            Type(Box(s, "txtTradeDetail"), QStringLiteral("電車代"));
            Type(Box(s, "txtMoney"), QStringLiteral("5"));
            PressAccessKey(&s, Qt::Key_I);
            const QString outside = QStringLiteral(
                "2020年度の画面では、%1の取引を登録・更新できません。\r\nカレンダーで2020年の日付を選んでください。");
            QCOMPARE(LastBox(f), outside.arg(QStringLiteral("2021/01/31")));
            // The list follows the calendar; a line of 2021 cannot be corrected here.
            QTest::mouseClick(Control(s, "optRange_0"), Qt::LeftButton);
            ClickRow(List(s, "lstTradeRecord"), 0);
            Type(Box(s, "txtMoney"), QStringLiteral("300"));
            Click(s, "cmdUpdate");
            QCOMPARE(LastBox(f), outside.arg(QStringLiteral("2021/01/31")));
        });
        QCOMPARE(Trades(f).size(), 2);
        QCOMPARE(f.install.rows(QStringLiteral("select * from t_trade_history")), QStringList());
    }

    void aRecordWhoseCodesLeftTheListsLeavesNothingSelected() {
        MenuFixture f;
        Insert(f, 2020, 4, 5, 1, "99", "01", QStringLiteral("旧取引"), 100, 100);
        Insert(f, 2020, 4, 5, 2, "14", "09", QStringLiteral("旧詳細"), 200, 100);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            ClickItem(List(s, "lstTrade"), QStringLiteral("50 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            const QStringList said{QStringLiteral("この取引記録の取引CD「99」は取引一覧にありません。"),
                                   QStringLiteral("この取引記録の取引詳細CD「14-09」は取引詳細一覧にありません。")};
            for (int row = 0; row < 2; ++row) {
                ClickRow(List(s, "lstTradeRecord"), row);
                QCOMPARE(LastBox(f),
                         said[row] + QStringLiteral("\r\n更新するときは、取引と取引詳細を選び直してください。"));
                QCOMPARE(List(s, "lstTrade")->currentRow(), -1);
                QCOMPARE(List(s, "lstTradeDetail")->currentRow(), -1);
                QCOMPARE(Box(s, "txtMoney")->text(), QString::number(100 * (row + 1)));
                Click(s, "cmdUpdate");
                QCOMPARE(LastBox(f), QStringLiteral("取引一覧から項目を選択してください。"));
            }
        });
    }

    void aFixedPercentageSurvivesTheReturnFromTheMenu() {
        MenuFixture f;
        const Steps pickTrain = [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            Click(s, "cmdToMenu");
        };
        OnTradeScreen(f, QStringLiteral("2020"), pickTrain);
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            GoToDay(s, {2020, 4, 5});
            Type(Box(s, "txtTradeDetail"), QStringLiteral("電車代"));
            Type(Box(s, "txtMoney"), QStringLiteral("180"));
            PressAccessKey(&s, Qt::Key_I);
        });
        QCOMPARE(Trades(f),
                 QStringList{QStringLiteral("2020\t4\t5\t1\t14\t01\t電車代\t180\t100\t1\t2026/12/05 09:30:05")});
    }

    void theHistoryReportShowsEachCorrectionAndVoidMadeOnTheScreen() {
        MenuFixture f;
        const auto at = [&](const char* time) { f.install.setTime(QStringLiteral("2026-12-05T") + time); };
        const auto correct = [&](FrmTrade& s, int row, const char* box, const QString& text) {
            ClickRow(List(s, "lstTradeRecord"), row);
            Type(Box(s, box), text);
            f.install.desktop.dialogs.yesNoAnswers = {true};
            Click(s, "cmdUpdate");
        };
        const auto voidRow = [&](FrmTrade& s, int row) {
            ClickRow(List(s, "lstTradeRecord"), row);
            f.install.desktop.dialogs.yesNoAnswers = {true};
            PressAccessKey(&s, Qt::Key_D);
        };
        OnTradeScreen(f, QStringLiteral("2026"), [&](FrmTrade& s) {
            ClickItem(List(s, "lstTrade"), QStringLiteral("14 "));
            ClickItem(List(s, "lstTradeDetail"), QStringLiteral("01 "));
            for (const char* amount : {"320", "1500", "88"}) {
                Type(Box(s, "txtTradeDetail"), QStringLiteral("電車代"));
                Type(Box(s, "txtMoney"), QString::fromLatin1(amount));
                PressAccessKey(&s, Qt::Key_I);
            }
            at("10:00:00");
            correct(s, 0, "txtMoney", QStringLiteral("330"));
            at("11:00:00");
            correct(s, 0, "txtTradeDetail", QStringLiteral("電車代（往復）"));
            at("12:00:00");
            correct(s, 1, "txtMoney", QStringLiteral("1600"));
            at("13:00:00");
            voidRow(s, 1);
            at("14:00:00");
            voidRow(s, 1);
            f.install.desktop.dialogs.inputAnswers = {QStringLiteral("履歴.txt")};
            PressAccessKey(&s, Qt::Key_R);
        });
        // Every correction and void was asked for and confirmed.
        QVERIFY(f.install.desktop.dialogs.yesNoAnswers.empty());
        const ShownBox& question = f.install.desktop.dialogs.shown.back();
        QCOMPARE(question.text, QStringLiteral("2026年の訂正削除履歴をテキストファイルに出力します。\r\n\r\n"
                                               "出力ファイル名を指定してください。"));
        QCOMPARE(question.title, QStringLiteral("出力ファイル名を指定"));
        QCOMPARE(f.install.desktop.services.opened, QStringList{f.install.path(QStringLiteral("txt/履歴.txt"))});
        QCOMPARE(f.install.desktop.services.played.last(), f.install.path(QStringLiteral("wav/start.wav")));
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
        const QStringList report =
            platform::fromCp932(f.install.readBytes(QStringLiteral("txt/履歴.txt"))).split(QStringLiteral("\r\n"));
        QCOMPARE(report.first(),
                 QStringLiteral("訂正削除履歴 2026年度 ユーザー名＝[青色 太郎] DBファイル名＝[velmo.sqlite3]"));
        // Each step in order: the recording and two corrections of the first
        // transaction, the correction and void of the second (the void leaves
        // the time of that correction unknown), the void of the third.
        const QStringList steps = {
            QStringLiteral("■2026/12/05 連番  1 訂正2回"),
            QStringLiteral(
                "   1 2026/12/05 09:30:05 2026/12/05 10:00:00 14 01 電車代                               \\320 100％"),
            QStringLiteral(
                "   2 2026/12/05 10:00:00 2026/12/05 11:00:00 14 01 電車代                              *\\330 100％"),
            QStringLiteral(
                "現在 2026/12/05 11:00:00                     14 01*電車代（往復）                       \\330 100％"),
            QStringLiteral("■2026/12/05 連番  2 訂正1回 論理削除 2026/12/05 13:00:00"),
            QStringLiteral(
                "   1 2026/12/05 09:30:05 不明                14 01 電車代                              \\1500 100％"),
            QStringLiteral(
                "現在 不明                                    14 01 電車代                             *\\1600 100％"),
            QStringLiteral("2026/12/05   2 2026/12/05 13:00:00 14 01 電車代                              \\1600 100％"),
            QStringLiteral("2026/12/05   3 2026/12/05 14:00:00 14 01 電車代                                \\88 100％"),
            QStringLiteral("訂正              3件 (取引 2件)"),
            QStringLiteral("論理削除          2件"),
        };
        qsizetype from = 0;
        for (const QString& step : steps) {
            const qsizetype found = report.indexOf(step, from);
            QVERIFY2(found >= 0, qPrintable(step));
            from = found + 1;
        }
    }

    void theHistoryButtonHasAKeyOfItsOwnAndWritesNothingWithoutAUsableName() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            auto* button = Find<QPushButton>(&s, QStringLiteral("cmdWriteFileHistory"));
            QCOMPARE(button->text(), QStringLiteral("出力(&R)"));
            QCOMPARE(button->geometry(), QRect(348, 96, 61, 25));
            QCOMPARE(Caption(s, "lblWriteFileHistory"), QStringLiteral("訂正削除履歴を"));
            QCOMPARE(Control(s, "Frame2")->geometry(), QRect(672, 360, 417, 161));
            QStringList keys;
            for (const QAbstractButton* control : s.findChildren<QAbstractButton*>()) {
                const qsizetype amp = control->text().indexOf(QLatin1Char('&'));
                if (amp >= 0) keys << control->text().mid(amp + 1, 1);
            }
            QCOMPARE(keys.count(QStringLiteral("R")), 1);
            // Cancelled; then a name that would leave the txt folder, explained and asked again.
            f.install.desktop.dialogs.inputAnswers = {QString()};
            PressAccessKey(&s, Qt::Key_R);
            QCOMPARE(f.install.desktop.dialogs.shown.back().kind, QStringLiteral("input"));
            f.install.desktop.dialogs.inputAnswers = {QStringLiteral("../履歴.txt"), QString()};
            PressAccessKey(&s, Qt::Key_R);
            const auto& shown = f.install.desktop.dialogs.shown;
            QCOMPARE(shown.back().kind, QStringLiteral("input"));
            QCOMPARE(shown[shown.size() - 2].kind, QStringLiteral("ok"));
            QVERIFY(shown[shown.size() - 2].text.startsWith(QStringLiteral("出力ファイル名「../履歴.txt」は使えません。")));
        });
        QCOMPARE(QDir(f.install.path(QStringLiteral("txt"))).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(f.install.path(QString())).entryList(QDir::Files), QStringList());
        QVERIFY(f.install.desktop.services.opened.isEmpty());
        QVERIFY(f.install.desktop.services.played.isEmpty());
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
    }

    // A history copy dated 31 February can only come from a database tool;
    // the report then ends in the fatal-error report, not in a wrong file.
    // Called directly, so that the ended process does not cross the event loop.
    void aHistoryThatCannotBeReadEndsInTheFatalErrorReport() {
        MenuFixture f;
        f.install.exec(
            QStringLiteral("insert into t_trade_history values (2020, 2, 31, 1, 1, '01', '01', 'x', 1, 100, 1, "
                           "'2020/03/01 09:00:00')"));
        f.install.desktop.dialogs.inputAnswers = {QStringLiteral("履歴.txt")};
        bool ended = false;
        try {
            OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) { s.cmdWriteFileHistory_Click(); });
        } catch (const ProcessEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        const ShownBox& box = f.install.desktop.dialogs.shown.back();
        QCOMPARE(box.title, QStringLiteral("エラーが発生しました"));
        QVERIFY(box.text.contains(QStringLiteral("Err.Desc=日付に変換できません: 2020/2/31")));
        QVERIFY(!QFile::exists(f.install.path(QStringLiteral("txt/履歴.txt"))));
        QCOMPARE(f.install.desktop.services.busyBegun, f.install.desktop.services.busyEnded);
    }

    // Each report from its button on the fixture year: a cancelled name
    // writes nothing; the default name, or one typed without an extension,
    // gets the report of the calendar's period, which the shell opens.
    void eachReportButtonAsksForItsFileWritesItAndOpensIt() {
        const struct {
            Qt::Key key;
            int month, range;
            QString subject, defaultName, typed;
            const char* golden;
        } cases[] = {
            {Qt::Key_J, 6, 0, "2020年の仕訳帳", "2020_all仕訳.txt", "", "journal_2020_all.txt"},
            {Qt::Key_J, 4, 1, "2020年4月の仕訳帳", "2020_04仕訳.txt", "", "journal_2020_04.txt"},
            {Qt::Key_J, 12, 2, "2020年12月の仕訳帳", "2020_12仕訳.txt", "十二月の仕訳", "journal_2020_12.txt"},
            {Qt::Key_T, 1, 0, "2020年の取引記録", "2020_all取引.txt", "", "trade_records_2020_all.txt"},
            {Qt::Key_T, 6, 2, "2020年6月の取引記録", "2020_06取引.txt", "", "trade_records_2020_06.txt"},
            {Qt::Key_G, 3, 1, "2020年の総勘定元帳(残高式)", "2020_総勘定元帳(残高式).txt", "",
             "general_ledger_2020.txt"},
            {Qt::Key_H, 9, 1, "2020年の社会保険料", "2020_all保険.txt", "", "insurance_2020.txt"},
        };
        MenuFixture f(QStringLiteral("山田　太郎"));
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        const RecordingServices& services = f.install.desktop.services;
        const auto written = [&] { return QDir(f.install.path(QStringLiteral("txt"))).entryList(QDir::Files); };
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            for (const auto& c : cases) {
                ClickRow(List(s, "lstMonth"), c.month - 1);
                Click(s, qPrintable(QStringLiteral("optRange_%1").arg(c.range)));
                const QString name = c.typed.isEmpty() ? c.defaultName : c.typed;
                const QStringList before = written();
                const qsizetype opened = services.opened.size(), played = services.played.size();
                const int busy = services.busyBegun;
                dialogs.shown.clear();
                dialogs.inputAnswers = {QString(), name};
                PressAccessKey(&s, c.key);
                QCOMPARE(written(), before);
                QCOMPARE(services.opened.size() + services.played.size(), opened + played);
                QCOMPARE(services.busyBegun, busy);
                PressAccessKey(&s, c.key);
                QCOMPARE(dialogs.shown.size(), std::size_t{2});
                for (const ShownBox& box : dialogs.shown) {
                    QCOMPARE(box.kind, QStringLiteral("input"));
                    QCOMPARE(box.text, c.subject + QStringLiteral("をテキストファイルに出力します。\r\n\r\n"
                                                                  "出力ファイル名を指定してください。"));
                    QCOMPARE(box.title, QStringLiteral("出力ファイル名を指定"));
                    QCOMPARE(box.preset, c.defaultName);
                }
                const QString file = QStringLiteral("txt/") + name;
                QCOMPARE(
                    GoldenDiff(QStringLiteral("reports/") + QString::fromLatin1(c.golden), f.install.readBytes(file)),
                    std::string());
                QCOMPARE(services.opened.mid(opened), QStringList{f.install.path(file)});
                QCOMPARE(services.played.mid(played), QStringList{f.install.path(QStringLiteral("wav/start.wav"))});
                QCOMPARE(services.busyBegun, busy + 1);
                QCOMPARE(services.busyEnded, services.busyBegun);
            }
        });
    }

    // The refusals and the export as the run log records them, with the
    // boxes, what the shell opened and what lies in txt: no ledger without
    // the year's opening sheet and no folder before an export; a name that
    // leaves txt or that the file system refuses is asked for again, and a
    // cleared one ends the report; a file that cannot be written is
    // explained; the export writes its pair, which the folder button opens.
    void refusalsAndTheExportAsLogged() {
        MenuFixture f(QStringLiteral("山田　太郎"));
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        OnTradeScreen(f, QStringLiteral("2021"), [&](FrmTrade& s) {
            for (const Qt::Key key : {Qt::Key_G, Qt::Key_O}) {
                PressAccessKey(&s, key);
                LogDialogs(dialogs.shown);
            }
        });
        f.install.makeFolder(QStringLiteral("txt/2020_all取引.txt"));
        OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) {
            dialogs.inputAnswers = {QStringLiteral("../保険.txt"), QStringLiteral("保険:2020"), QString()};
            PressAccessKey(&s, Qt::Key_H);
            LogDialogs(dialogs.shown);
            Click(s, "optRange_0");
            dialogs.inputAnswers = {QStringLiteral("2020_all取引.txt")};
            PressAccessKey(&s, Qt::Key_T);
            LogDialogs(dialogs.shown);
            QVERIFY(s.isVisible());
            // "&M" is the menu button's key too: the export is clicked.
            Click(s, "cmdRupaFiles");
            LogDialogs(dialogs.shown);
            PressAccessKey(&s, Qt::Key_O);
            LogDialogs(dialogs.shown);
        });
        const RecordingServices& services = f.install.desktop.services;
        LogResult(services.opened + services.played +
                  QDir(f.install.path(QStringLiteral("txt"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) +
                  QStringList{QStringLiteral("busy %1/%2").arg(services.busyBegun).arg(services.busyEnded)});
        const QByteArray log = RunLogWithInstallFolder(f.install);
        QCOMPARE(GoldenDiff(QStringLiteral("ui/trade/outputs.log"),
                            log.mid(log.indexOf(Sjis(QStringLiteral("■frmTrade.cmdWriteFileGeneralLedger"))) - 9)),
                 std::string());
        for (const char* file : {"data03ca.txt", "data03no.txt"})
            QCOMPARE(GoldenDiff(QStringLiteral("export/") + QString::fromLatin1(file),
                                f.install.readBytes(QStringLiteral("data_for_rupa_kaikei/2020(令和2)/") + file)),
                     std::string());
    }

    // A run-time error inside a report ends in the fatal-error report, as
    // everywhere else; called directly so that the ended process does not
    // cross the event loop. Nothing is written and the pointer is restored.
    void aReportThatMeetsARunTimeErrorEndsInTheFatalErrorReport() {
        MenuFixture f;
        f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
        Insert(f, 2020, 4, 31, 1, "01", "01", QStringLiteral("ない日"), 100, 100);
        f.install.desktop.dialogs.inputAnswers = {QStringLiteral("元帳.txt")};
        bool ended = false;
        try {
            OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) { s.cmdWriteFileGeneralLedger_Click(); });
        } catch (const ProcessEnded&) {
            ended = true;
        }
        QVERIFY(ended);
        QCOMPARE(f.install.desktop.dialogs.shown.back().title, QStringLiteral("エラーが発生しました"));
        QVERIFY(QDir(f.install.path(QStringLiteral("txt"))).isEmpty());
        QCOMPARE(f.install.desktop.services.busyEnded, f.install.desktop.services.busyBegun);
    }
};

QTEST_MAIN(TradeScreenTest)
#include "trade_screen_test.moc"
