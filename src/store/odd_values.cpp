#include "store/odd_values.h"

#include <QStringList>

#include <cmath>

namespace {

// A stored text quoted in a mark is cut, so that a pasted page cannot fill the line.
constexpr qsizetype kQuotedLength = 10;

QString Quoted(const QString& text) {
    const QString shown = OneLineSummary(text);
    return QStringLiteral("「") + (shown.size() > kQuotedLength ? shown.left(kQuotedLength) + QChar(u'…') : shown) +
           QStringLiteral("」");
}

QString OddNumber(const QString& what, const QString& text) {
    if (ReadableAmount(text)) return {};
    return text.trimmed().isEmpty() ? what + QStringLiteral("が空") : what + Quoted(text);
}

bool HasLineBreakOrTab(QStringView text) {
    for (const QChar c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) return true;
    return false;
}

}  // namespace

std::optional<qint64> ReadableAmount(QStringView text) {
    // The usual amount, digits only, read at once: every line of a report reads one.
    if (!text.isEmpty() && text.size() <= 18) {
        qint64 whole = 0;
        qsizetype i = text.front() == QLatin1Char('-') && text.size() > 1 ? 1 : 0;
        const qsizetype first = i;
        for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
            whole = whole * 10 + (text[i].unicode() - u'0');
        if (i == text.size()) return first == 1 ? -whole : whole;
    }
    const QStringView trimmed = text.trimmed();
    bool ok = false;
    const qint64 whole = trimmed.toLongLong(&ok);
    if (ok) return whole;
    const double value = trimmed.toDouble(&ok);
    // 2^63 itself is already out of range; anything below it converts exactly.
    if (!ok || !(std::fabs(value) < 9223372036854775808.0)) return std::nullopt;
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<qint64>(up ? below + 1.0 : below);
}

qint64 AmountOrZero(QStringView text) { return ReadableAmount(text).value_or(0); }

bool IsOneLine(QStringView text) { return !HasLineBreakOrTab(text); }

QString OneLineSummary(const QString& detailName) {
    if (!HasLineBreakOrTab(detailName)) return detailName;
    QString line = detailName;
    for (const QChar c : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')}) line.replace(c, QLatin1Char(' '));
    return line;
}

QString OddTradeValues(const QString& money, const QString& rate, const QString& detailName) {
    // The usual row, at once: every list and report line asks.
    if (ReadableAmount(money) && ReadableAmount(rate) && !HasLineBreakOrTab(detailName)) return {};
    QStringList odd{OddNumber(QStringLiteral("金額"), money), OddNumber(QStringLiteral("割合"), rate)};
    if (HasLineBreakOrTab(detailName)) odd << QStringLiteral("摘要にタブ・改行");
    odd.removeAll(QString());
    return odd.join(QStringLiteral("、"));
}

QString OddShare(const QString& amount) { return OddNumber(QStringLiteral("金額"), amount); }

QString OddMark(const QString& oddValues) { return oddValues.isEmpty() ? QString() : QStringLiteral(" ※") + oddValues; }

QString OddRowName(const QString& year, const QString& month, const QString& day, const QString& seq,
                   const QString& oddValues) {
    return year + QStringLiteral("年") + month + QStringLiteral("月") + day + QStringLiteral("日 連番") + seq +
           QStringLiteral(": ") + oddValues;
}
