// The public holidays in red on the transaction screen's calendar, as its
// own day cells draw them, on pages reached with its arrows and keys.
#include "screen_fixture.h"
#include "ui/trade/frm_trade.h"

#include <QCalendarWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// The colour of the day's cell on the shown page: the shown month runs from
// the first day 1 to the day before the next; row 0 holds the weekdays.
QColor ColourOf(QCalendarWidget* calendar, int day) {
    const QAbstractItemModel* model = calendar->findChild<QTableView*>("qt_calendar_calendarview")->model();
    int firsts = 0;
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex cell = model->index(row, column);
            firsts += cell.data().toInt() == 1;
            if (firsts == 1 && cell.data().toInt() == day) return cell.data(Qt::ForegroundRole).value<QColor>();
        }
    return {};
}

}  // namespace

class HolidayColoursTest : public QObject {
    Q_OBJECT

private slots:
    // The screen opened on each year, its page turned by the arrows, the last step by the arrow ("next")
    // or PageDown on the days ("PageDown"); the sample days are red exactly when holidays or Sundays
    // (Saturdays are blue).
    void holidaysAreRedLikeSundays() {
        MenuFixture f;
        const struct {
            const char* year;
            const char* step;
            int month;
            std::vector<int> red, plain;
        } pages[] = {
            {"2025", "", 1, {1, 5, 13}, {2, 4, 6, 14}},       // 元日, a Sunday, 成人の日; a Saturday not red
            {"2025", "next", 2, {11, 23, 24}, {10, 12, 25}},  // 振替休日 after 天皇誕生日
            {"2025", "PageDown", 3, {20}, {19, 21}},          // 春分の日 by the formula
            {"2025", "next", 5, {3, 4, 5, 6}, {2, 7}},        // 5/4 a Sunday: 5/6 follows 5/5
            {"2025", "PageDown", 7, {21}, {14, 22}},          // 海の日
            {"2026", "PageDown", 9, {21, 22, 23}, {24, 25}},  // 国民の休日 between two holidays
            {"2024", "", 1, {1, 8}, {2, 9}},                  // opened on another year: its own holidays
            {"2024", "PageDown", 11, {3, 4, 23}, {5, 22}},
        };
        for (const auto& p : pages) {
            Find<QLineEdit>(f.menu.get(), "txtYear")->setText(QString::fromLatin1(p.year));
            QApplication::setActiveWindow(f.menu.get());
            WhileModal(
                f.menu->frmTrade(), [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
                [&] {
                    auto* calendar = Find<QCalendarWidget>(f.menu->frmTrade(), "Calendar");
                    const auto arrow = [&](const char* name) {
                        QTest::mouseClick(calendar->findChild<QToolButton*>(name), Qt::LeftButton);
                    };
                    const int before = p.month - (*p.step ? 1 : 0);
                    while (calendar->monthShown() < before) arrow("qt_calendar_nextmonth");
                    while (calendar->monthShown() > before) arrow("qt_calendar_prevmonth");
                    if (QByteArray(p.step) == "next") arrow("qt_calendar_nextmonth");
                    if (QByteArray(p.step) == "PageDown")
                        QTest::keyClick(calendar->findChild<QTableView*>("qt_calendar_calendarview"), Qt::Key_PageDown);
                    QCOMPARE(calendar->monthShown(), p.month);
                    const QColor red = calendar->weekdayTextFormat(Qt::Sunday).foreground().color();
                    for (const int day : p.red) QCOMPARE(ColourOf(calendar, day), red);
                    for (const int day : p.plain)
                        QVERIFY(ColourOf(calendar, day).isValid() && ColourOf(calendar, day) != red);
                });
        }
    }
};

QTEST_MAIN(HolidayColoursTest)
#include "holiday_colours_test.moc"
