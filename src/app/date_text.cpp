#include "app/date_text.h"

namespace {

// Zero-padded to the width; the reports format a date for every line, and
// QDate's own formatting reads its pattern each time.
void AppendPadded(QString& out, int value, int width) {
    const QString digits = QString::number(value);
    for (qsizetype i = digits.size(); i < width; ++i) out += QLatin1Char('0');
    out += digits;
}

}  // namespace

QString SlashDate(const QDate& date) {
    QString text;
    text.reserve(10);
    AppendPadded(text, date.year(), 4);
    text += QLatin1Char('/');
    AppendPadded(text, date.month(), 2);
    text += QLatin1Char('/');
    AppendPadded(text, date.day(), 2);
    return text;
}

QString DateWithWeekday(const QDate& date) {
    static const QString kWeekdays = QStringLiteral("日月火水木金土");
    // dayOfWeek() is 1 for Monday ... 7 for Sunday.
    return SlashDate(date) + QLatin1Char('(') + kWeekdays[date.dayOfWeek() % 7] + QLatin1Char(')');
}
