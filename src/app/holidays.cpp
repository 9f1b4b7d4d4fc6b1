#include "app/holidays.h"

#include <set>

namespace {

// The n-th Monday of the month.
QDate NthMonday(int year, int month, int n) {
    const QDate first(year, month, 1);
    const int toMonday = (Qt::Monday - first.dayOfWeek() + 7) % 7;
    return first.addDays(toMonday + 7 * (n - 1));
}

// The equinox days by the formula the Cabinet Office's calendar follows for
// 1980 to 2099: the day of the mean equinox, the leap years folded in.
int EquinoxDay(int year, double base) {
    const int sinceBase = year - 1980;
    return static_cast<int>(base + 0.242194 * sinceBase) - sinceBase / 4;
}

// The holidays the law names (国民の祝日), without the days they give rise to.
std::set<QDate> NamedHolidays(int y) {
    // 元日, 建国記念の日, 昭和の日, 憲法記念日, みどりの日, こどもの日, 文化の日, 勤労感謝の日.
    constexpr int kFixed[][2] = {{1, 1}, {2, 11}, {4, 29}, {5, 3}, {5, 4}, {5, 5}, {11, 3}, {11, 23}};
    std::set<QDate> days;
    for (const auto& [month, day] : kFixed) days.insert(QDate(y, month, day));
    days.insert({QDate(y, 3, EquinoxDay(y, 20.8431)), QDate(y, 9, EquinoxDay(y, 23.2488)), NthMonday(y, 1, 2)});
    // 天皇誕生日: 23 December until 2018, none in 2019, 23 February since.
    if (y <= 2018) days.insert(QDate(y, 12, 23));
    if (y >= 2020) days.insert(QDate(y, 2, 23));
    days.insert(y < 2003 ? QDate(y, 9, 15) : NthMonday(y, 9, 3));
    // The Olympic Games moved 海の日, スポーツの日 and 山の日 in 2020 and 2021.
    if (y == 2020) {
        days.insert({QDate(y, 7, 23), QDate(y, 7, 24), QDate(y, 8, 10)});
    } else if (y == 2021) {
        days.insert({QDate(y, 7, 22), QDate(y, 7, 23), QDate(y, 8, 8)});
    } else {
        days.insert(y < 2003 ? QDate(y, 7, 20) : NthMonday(y, 7, 3));
        days.insert(NthMonday(y, 10, 2));
        if (y >= 2016) days.insert(QDate(y, 8, 11));
    }
    // The accession of the Emperor and its ceremony.
    if (y == 2019) days.insert({QDate(y, 5, 1), QDate(y, 10, 22)});
    return days;
}

}  // namespace

std::vector<QDate> PublicHolidays(int year) {
    if (year < kFirstHolidayYear || year > kLastHolidayYear) return {};
    const std::set<QDate> named = NamedHolidays(year);
    std::set<QDate> days = named;
    for (const QDate& day : named) {
        // A day between two holidays is a holiday itself; before 2007 not a Sunday.
        const QDate next = day.addDays(1);
        if (!named.contains(next) && named.contains(next.addDays(1)) &&
            (year >= 2007 || next.dayOfWeek() != Qt::Sunday))
            days.insert(next);
        // A holiday on a Sunday moves to the next day that is no holiday;
        // before 2007 only to the Monday, when that day was free.
        if (day.dayOfWeek() != Qt::Sunday) continue;
        QDate substitute = next;
        while (year >= 2007 && named.contains(substitute)) substitute = substitute.addDays(1);
        if (!named.contains(substitute)) days.insert(substitute);
    }
    return {days.begin(), days.end()};
}
