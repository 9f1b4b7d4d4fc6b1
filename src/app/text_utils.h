#pragma once
// Small text and list helpers shared by the screens, reports and exports.
#include <QString>
#include <QStringList>

#include <optional>

// True when the text is not empty and holds only the ASCII digits 0 to 9.
bool IsDigitsOnly(const QString& text);
// The value of a text of one to nine ASCII digits; nothing for anything else.
std::optional<int> DigitsValue(QStringView text);

// Trailing blanks removed, every run of ASCII blanks reduced to one.
QString CollapseSpaces(const QString& text);

// Appends source elements 1..n after the destination's last element
// (element 0 of the source is the empty placeholder and is not copied).
void AppendStringArray(const QStringList& source, QStringList& destination);

// Index of the first item beginning with the prefix (case-sensitive), -1 when none.
int SelectListItemByPrefix(const QStringList& items, const QString& prefix);

// The era text of a fiscal year text: "令和" and the era year from 2019 on,
// "" before, and no value (keep the previous text) when the year is not digits.
std::optional<QString> EraTextOf(const QString& yearText);
