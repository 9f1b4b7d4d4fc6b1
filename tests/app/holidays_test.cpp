// The public holidays against the Cabinet Office's published lists: the
// recent years, the years of the accession and the Olympic moves, and years
// that show the citizens' holiday and both substitute rules.
#include "app/holidays.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QString MonthDays(const std::vector<QDate>& days) {
    QStringList texts;
    for (const QDate& day : days) texts << day.toString(QStringLiteral("M/d"));
    return texts.join(QLatin1Char(' '));
}

TEST(PublicHolidays, AsPublished) {
    const struct {
        int year;
        const char* days;
    } years[] = {
        {2024, "1/1 1/8 2/11 2/12 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/22 9/23 10/14 11/3 11/4 11/23"},
        {2025, "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/21 8/11 9/15 9/23 10/13 11/3 11/23 11/24"},
        // 9/22 lies between 敬老の日 and 秋分の日.
        {2026, "1/1 1/12 2/11 2/23 3/20 4/29 5/3 5/4 5/5 5/6 7/20 8/11 9/21 9/22 9/23 10/12 11/3 11/23"},
        // The accession: 5/1 and 10/22, and 4/30 and 5/2 between holidays; no birthday of the Emperor.
        {2019,
         "1/1 1/14 2/11 3/21 4/29 4/30 5/1 5/2 5/3 5/4 5/5 5/6 7/15 8/11 8/12 9/16 9/23 10/14 10/22 11/3 11/4 11/23"},
        // The Olympic Games: 海の日, スポーツの日 and 山の日 moved; 8/8 2021 on a Sunday gives 8/9.
        {2020, "1/1 1/13 2/11 2/23 2/24 3/20 4/29 5/3 5/4 5/5 5/6 7/23 7/24 8/10 9/21 9/22 11/3 11/23"},
        {2021, "1/1 1/11 2/11 2/23 3/20 4/29 5/3 5/4 5/5 7/22 7/23 8/8 8/9 9/20 9/23 11/3 11/23"},
        // 5/3 on a Sunday: after 2007 the substitute passes 5/4 and 5/5.
        {2009, "1/1 1/12 2/11 3/20 4/29 5/3 5/4 5/5 5/6 7/20 9/21 9/22 9/23 10/12 11/3 11/23 12/23"},
        // Before 2007 only the Monday: 1/1 on a Sunday gives 1/2; 7/20 and 9/15 still fixed in 2001.
        {2006, "1/1 1/2 1/9 2/11 3/21 4/29 5/3 5/4 5/5 7/17 9/18 9/23 10/9 11/3 11/23 12/23"},
        {2001, "1/1 1/8 2/11 2/12 3/20 4/29 4/30 5/3 5/4 5/5 7/20 9/15 9/23 9/24 10/8 11/3 11/23 12/23 12/24"},
        // Outside the years the rules cover: none rather than wrong ones.
        {1999, ""},
        {2100, ""},
    };
    for (const auto& y : years) EXPECT_EQ(MonthDays(PublicHolidays(y.year)).toStdString(), y.days) << y.year;
}

}  // namespace
