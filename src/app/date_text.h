#pragma once
#include <QDate>
#include <QString>

// "2020/04/01"
QString SlashDate(const QDate& date);
// The same, appended to a line being built: a report writes one on every line.
void AppendSlashDate(QString& text, const QDate& date);
void AppendSlashDate(QString& text, int year, int month, int day);

// "yyyy/mm/dd(曜)": the date with its one-character Japanese weekday, taken
// from the day of the week rather than the locale.
QString DateWithWeekday(const QDate& date);
// The same, appended to a line being built.
void AppendDateWithWeekday(QString& line, const QDate& date);
