#include "app/date_text.h"

QString DateWithWeekday(const QDate& date) {
    static const QString kWeekdays = QStringLiteral("日月火水木金土");
    // dayOfWeek() is 1 for Monday ... 7 for Sunday.
    return date.toString(QStringLiteral("yyyy/MM/dd")) + QStringLiteral("(") + kWeekdays[date.dayOfWeek() % 7] +
           QStringLiteral(")");
}
