#pragma once
// Amounts as statements write them: grouped with commas, with a yen mark,
// in full-width digits, signed in front, behind or by parentheses.
#include <QString>

#include <optional>

// Full-width digits, minus and comma as their ASCII counterparts, the yen
// marks (¥, ￥, \) and the commas removed, blanks at either end dropped.
QString PlainAmountText(const QString& text);

struct AmountReading {
    std::optional<qint64> value;  // signed; none when the text is empty
    QString problem;              // why the text is no amount; empty when it is one
};

// The signed amount of a statement's amount field. A leading "-" or "▲", a
// trailing "-" and enclosing parentheses make it negative. Digits beyond the
// 32-bit range the books hold are a problem, not a number.
AmountReading ReadAmount(const QString& text);
