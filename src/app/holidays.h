#pragma once
// Japan's public holidays, computed: the fixed days, the Monday holidays,
// the two equinox days by the standard formula, the substitute holiday
// (振替休日) and the citizens' holiday (国民の休日) between two holidays.
//
// The rules are those in force in each year from 2000 to 2099: the Monday
// holidays as they came in (2000, 2003), 昭和の日 and the longer substitute
// rule of 2007, 山の日 from 2016, the accession days of 2019, 天皇誕生日 on
// 23 February from 2020, and the days the 2020 and 2021 Olympic Games moved.
// A year outside that range has none: the law may change after it, and
// before it the older rules would be needed.
#include <QDate>

#include <vector>

constexpr int kFirstHolidayYear = 2000;
constexpr int kLastHolidayYear = 2099;

// The year's holidays in date order; none outside the years covered.
std::vector<QDate> PublicHolidays(int year);
