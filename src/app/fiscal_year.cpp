#include "app/fiscal_year.h"

#include "app/text_utils.h"

#include <algorithm>

bool IsFiscalYearText(const QString& yearText) {
    if (yearText.size() != 4 || !IsDigitsOnly(yearText)) return false;
    const int year = yearText.toInt();
    return year >= kFirstFiscalYear && year <= kLastFiscalYear;
}

std::optional<QString> SteppedYearText(const QString& yearText, int step) {
    if (!IsDigitsOnly(yearText)) return std::nullopt;
    // Long digit strings are treated as far beyond the range rather than overflowing.
    const qint64 year = yearText.size() > 9 ? qint64{kLastFiscalYear} + 1 : yearText.toLongLong();
    return QString::number(std::clamp<qint64>(year + step, kFirstFiscalYear, kLastFiscalYear));
}
