#include "ui/trade/calendar_rule.h"

#include "app/sjis_text.h"

namespace {

constexpr int kMonthsInYear = 12;

}  // namespace

QDate KeepInsideFiscalYear(const QDate& date, int fiscalYear) {
    QDate kept = date;
    if (fiscalYear < kept.year()) kept = QDate(fiscalYear, kMonthsInYear, 1);
    if (kept.year() < fiscalYear) kept = QDate(fiscalYear, 1, 1);
    return kept;
}

QStringList MonthItems() {
    QStringList items;
    for (int month = 1; month <= kMonthsInYear; ++month) items << RightAlign(month, 2) + QStringLiteral("月");
    return items;
}

int MonthOfItem(const QString& item) { return item.trimmed().remove(QStringLiteral("月")).toInt(); }
