// The public holidays in red on the transaction screen's calendar, as its
// own day cells draw them, on pages reached with its arrows and keys.
#include "screen_fixture.h"
#include "ui/trade/frm_trade.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// The colour the calendar draws the day in; invalid when the shown page lacks the day.
QColor ColourOf(QCalendarWidget* calendar, const QDate& date) {
    const auto* days = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
    const QAbstractItemModel* model = days->model();
    // The shown month runs from the first day 1 to the day before the next; row 0 holds the weekdays.
    int firsts = 0;
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            const int day = cell.data().toInt();
            firsts += day == 1;
            if (firsts == 1 && QDate(calendar->yearShown(), calendar->monthShown(), day) == date)
                return cell.data(Qt::ForegroundRole).value<QColor>();
        }
    return {};
}

}  // namespace

class HolidayColoursTest : public QObject {
    Q_OBJECT

private slots:
    // Each step turns the page as a user would; then the sample days of that month are red exactly
    // when they are holidays (or Sundays), whatever the weekday.
    void holidaysAreRedLikeSundays() {
        MenuFixture f;
        const struct {
            const char* year;
            const char* step;  // "next" the arrow, "PageDown" the key on the days, "" the page as opened
            int month;
            std::vector<int> red, plain;
        } pages[] = {
            {"2025", "", 1, {1, 5, 13}, {2, 6, 14}},          // 元日, a Sunday, 成人の日
            {"2025", "next", 2, {11, 23, 24}, {10, 12, 25}},  // 振替休日 after 天皇誕生日
            {"2025", "PageDown", 3, {20}, {19, 21}},          // 春分の日 by the formula
            {"2025", "next", 4, {29}, {28, 30}},
            {"2025", "next", 5, {3, 4, 5, 6}, {2, 7}},  // 5/4 a Sunday: 5/6 follows 5/5
            {"2025", "PageDown", 6, {}, {2, 16, 30}},
            {"2025", "PageDown", 7, {21}, {14, 22}},  // 海の日
            {"2025", "next", 8, {11}, {12}},
            {"2025", "next", 9, {15, 23}, {16, 22}},
            {"2026", "PageDown", 9, {21, 22, 23}, {24, 25}},  // 国民の休日 between two holidays
            {"2024", "", 1, {1, 8}, {2, 9}},                  // another year opened: its holidays, not the last one's
            {"2024", "PageDown", 11, {3, 4, 23}, {5, 22}},
        };
        QString opened;
        for (const auto& p : pages) {
            if (opened != QString::fromLatin1(p.year)) {
                opened = QString::fromLatin1(p.year);
                Find<QLineEdit>(f.menu.get(), "txtYear")->setText(opened);
            }
            QApplication::setActiveWindow(f.menu.get());
            WhileModal(
                f.menu->frmTrade(), [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
                [&] {
                    auto* calendar = Find<QCalendarWidget>(f.menu->frmTrade(), "Calendar");
                    auto* days = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
                    const auto arrow = [&](const char* name) {
                        QTest::mouseClick(calendar->findChild<QToolButton*>(name), Qt::LeftButton);
                    };
                    // Opened on January, or on today in this year; the arrows bring the page before the step.
                    const int before = p.month - (*p.step ? 1 : 0);
                    while (calendar->monthShown() < before) arrow("qt_calendar_nextmonth");
                    while (calendar->monthShown() > before) arrow("qt_calendar_prevmonth");
                    if (QByteArray(p.step) == "next") arrow("qt_calendar_nextmonth");
                    if (QByteArray(p.step) == "PageDown") days->setFocus(), QTest::keyClick(days, Qt::Key_PageDown);
                    QCOMPARE(calendar->monthShown(), p.month);
                    const QColor red = calendar->weekdayTextFormat(Qt::Sunday).foreground().color();
                    for (const int day : p.red) QCOMPARE(ColourOf(calendar, {opened.toInt(), p.month, day}), red);
                    for (const int day : p.plain) {
                        const QColor colour = ColourOf(calendar, {opened.toInt(), p.month, day});
                        QVERIFY(colour.isValid());
                        QVERIFY2(colour != red, qPrintable(QDate(opened.toInt(), p.month, day).toString()));
                    }
                });
        }
    }
};

QTEST_MAIN(HolidayColoursTest)
#include "holiday_colours_test.moc"
