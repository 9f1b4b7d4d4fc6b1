#pragma once
// What the transaction screen hands to the reports when a report button is
// pressed, and the texts the four reports share: the question of the file
// name input box and the parts of the title line.
#include <QString>

struct ReportValues {
    int year = 0;        // the calendar's year
    int month = 0;       // the calendar's month
    int rangeIndex = 0;  // the selected optRange button: 0 the whole year, 1 and 2 the calendar's month
    QString userName;    // the menu's user name
    QString dbFileName;  // the menu's database file name
};

// The input box that asks for a report's file name.
struct ReportQuestion {
    QString prompt;
    QString title;
    QString defaultName;
};

inline const QString kCrLf = QStringLiteral("\r\n");

bool IsWholeYear(const ReportValues& values);
// The month the queries take: 0 for the whole year.
int QueryMonth(const ReportValues& values);

// "2020年" or "2020年4月", then "の" and the subject.
QString PeriodSubject(const ReportValues& values, const QString& subject);
// 2020_all<suffix> or 2020_04<suffix>.
QString PeriodFileName(const ReportValues& values, const QString& suffix);
// The prompt asks to write the subject into a text file.
ReportQuestion QuestionFor(const QString& subjectWithPeriod, const QString& defaultName);

// "" for the whole year, otherwise the month in two characters and "月".
QString TitleMonth(const ReportValues& values);
// " ユーザー名＝[…] DBファイル名＝[…]"
QString TitleUserAndDbFile(const ReportValues& values);
