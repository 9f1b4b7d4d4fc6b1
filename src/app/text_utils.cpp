#include "app/text_utils.h"

bool IsDigitsOnly(const QString& text) {
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

std::optional<int> DigitsValue(QStringView text) {
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    int n = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

QString CollapseSpaces(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char(' ') && result.endsWith(QLatin1Char(' '))) continue;
        result += c;
    }
    while (result.endsWith(QLatin1Char(' '))) result.chop(1);
    return result;
}

void AppendStringArray(const QStringList& source, QStringList& destination) {
    for (qsizetype i = 1; i < source.size(); ++i) destination << source[i];
}

int SelectListItemByPrefix(const QStringList& items, const QString& prefix) {
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i].startsWith(prefix)) return static_cast<int>(i);
    return -1;
}

std::optional<QString> EraTextOf(const QString& yearText) {
    bool ok = false;
    const int year = yearText.toInt(&ok);
    if (!IsDigitsOnly(yearText) || !ok) return std::nullopt;
    // Only the era that began in 2019 is known to the program.
    if (year < 2019) return QString();
    return QStringLiteral("令和") + QString::number(year - 2018);
}
