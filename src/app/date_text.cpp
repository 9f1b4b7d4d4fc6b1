#include "app/date_text.h"

#include <charconv>
#include <iterator>

namespace {

// Zero-padded to the width; the reports format a date for every line, and
// QDate's own formatting reads its pattern each time.
void AppendPadded(QString& out, int value, int width) {
    char digits[12];
    const char* end = std::to_chars(digits, std::end(digits), value).ptr;
    for (qsizetype i = end - digits; i < width; ++i) out += QLatin1Char('0');
    out += QLatin1StringView(digits, end - digits);
}

}  // namespace

void AppendSlashDate(QString& text, int year, int month, int day) {
    if (year < 1000 || year > 9999) {
        AppendPadded(text, year, 4);
        text += QLatin1Char('/');
        AppendPadded(text, month, 2);
        text += QLatin1Char('/');
        AppendPadded(text, day, 2);
        return;
    }
    const char digits[] = {char('0' + year / 1000),
                           char('0' + year / 100 % 10),
                           char('0' + year / 10 % 10),
                           char('0' + year % 10),
                           '/',
                           char('0' + month / 10),
                           char('0' + month % 10),
                           '/',
                           char('0' + day / 10),
                           char('0' + day % 10)};
    text += QLatin1StringView(digits, sizeof digits);
}

void AppendSlashDate(QString& text, const QDate& date) {
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    AppendSlashDate(text, year, month, day);
}

QString SlashDate(const QDate& date) {
    QString text;
    text.reserve(10);
    AppendSlashDate(text, date);
    return text;
}

QString DateWithWeekday(const QDate& date) {
    QString text;
    text.reserve(13);
    AppendDateWithWeekday(text, date);
    return text;
}

void AppendDateWithWeekday(QString& line, const QDate& date) {
    static const QString kWeekdays = QStringLiteral("日月火水木金土");
    AppendSlashDate(line, date);
    line += QLatin1Char('(');
    // dayOfWeek() is 1 for Monday ... 7 for Sunday.
    line += kWeekdays[date.dayOfWeek() % 7];
    line += QLatin1Char(')');
}
