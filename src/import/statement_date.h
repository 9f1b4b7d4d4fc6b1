#pragma once
// Dates as banks and card companies write them.
#include <QDate>
#include <QString>

// 2026/1/5, 2026-01-05, 2026.1.5, 20260105, 2026年1月5日, and the eras 令和
// and 平成 as R8.1.5, H30/1/5 or 令和8年1月5日 (元年 for the first year), in
// half- or full-width digits; a time after a blank is ignored. An invalid
// date when the text is none of these or names no day of the calendar.
QDate ReadStatementDate(const QString& text);
