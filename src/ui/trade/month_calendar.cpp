#include "ui/trade/month_calendar.h"

#include "app/holidays.h"

#include <QAbstractItemView>
#include <QColor>
#include <QEvent>
#include <QSignalBlocker>
#include <QTextCharFormat>

#include <algorithm>

MonthCalendar::MonthCalendar(QWidget* parent) : QCalendarWidget(parent) {
    // The days are the calendar's only item view; a press on them starts a click.
    findChild<QAbstractItemView*>()->viewport()->installEventFilter(this);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::followPage);
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthCalendar::markHolidays);
    markHolidays(yearShown());
    // Saturdays in blue, as Japanese calendars print them; Qt draws them red like Sundays.
    QTextCharFormat saturday = weekdayTextFormat(Qt::Saturday);
    saturday.setForeground(QColor(0x00, 0x33, 0xcc));
    setWeekdayTextFormat(Qt::Saturday, saturday);
    connect(this, &QCalendarWidget::selectionChanged, this, &MonthCalendar::selectionChangedByUser);
    connect(this, &QCalendarWidget::clicked, this, &MonthCalendar::dayClicked);
}

// A page turned quietly raises no signal: the holidays follow it here.
void MonthCalendar::setDateQuietly(const QDate& date) {
    {
        const QSignalBlocker quiet(this);
        setSelectedDate(date);
    }
    markHolidays(yearShown());
}

void MonthCalendar::holdToYear(int year) {
    {
        const QSignalBlocker quiet(this);
        setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
    }
    markHolidays(yearShown());
}

bool MonthCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) movedSincePress_ = false;
    return QCalendarWidget::eventFilter(watched, event);
}

// Keys and clicks move the selection before the page follows it; only the
// arrows and the selectors leave the selection on another month. The range
// cuts a day outside it back to its limit.
void MonthCalendar::followPage(int year, int month) {
    const QDate selected = selectedDate();
    if (selected.year() == year && selected.month() == month) return;
    const QDate first(year, month, 1);
    setDateQuietly(first.addDays(std::min(selected.day(), first.daysInMonth()) - 1));
    if (selectedDate() != selected) selectionChangedByUser();
}

void MonthCalendar::selectionChangedByUser() {
    movedSincePress_ = true;
    emit dateChosen();
}

void MonthCalendar::markHolidays(int year) {
    if (year == markedYear_) return;
    markedYear_ = year;
    setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat holiday;
    holiday.setForeground(weekdayTextFormat(Qt::Sunday).foreground());
    for (const QDate& day : PublicHolidays(year)) setDateTextFormat(day, holiday);
}

// A click on a new day has already reported the change of the selection.
void MonthCalendar::dayClicked() {
    if (!movedSincePress_) emit dateChosen();
}
