#pragma once
// The calendar of the transaction screen and its month list, both kept
// inside the fiscal year the menu chose.
#include <QDate>
#include <QString>
#include <QStringList>

// The date pulled back into the fiscal year: a step past its end lands on
// 1 December, a step before its start on 1 January; a date inside stays.
QDate KeepInsideFiscalYear(const QDate& date, int fiscalYear);

// " 1月" to "12月", January first.
QStringList MonthItems();
// The month number of a month item: "12月" gives 12.
int MonthOfItem(const QString& item);
