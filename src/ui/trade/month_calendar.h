#pragma once
// The month calendar of the transaction screen, behaving as a desktop month
// calendar does: a change of the shown month (its arrows, PageUp and
// PageDown, its month and year selectors) moves the selection to the same day
// of that month, its last day when the month is shorter; every change of the
// selected date by the user, and a click on the day already selected, is
// reported once by dateChosen. What the screen sets from code reports nothing.
// Public holidays are drawn like Sundays.
#include <QCalendarWidget>
#include <QDate>

class MonthCalendar final : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent);

    // Selects the date, and shows its month, without reporting it.
    void setDateQuietly(const QDate& date);
    // Holds the dates to the year, without reporting the move of a date outside it.
    void holdToYear(int year);

signals:
    void dateChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followPage(int year, int month);
    void selectionChangedByUser();
    void dayClicked();
    // Colours the holidays of the shown year; the days of the months
    // around the shown one are drawn grey whatever they are.
    void markHolidays(int year);

    // Whether the selection moved since the mouse was last pressed on the days.
    bool movedSincePress_ = false;
    int markedYear_ = 0;
};
