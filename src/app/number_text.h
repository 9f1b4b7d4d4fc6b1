#pragma once
// A number as Japanese users type it: with the input method on, digits arrive
// full-width, amounts carry thousands separators and a yen mark.
#include <QString>

// The text with surrounding blanks (half and full width) and one leading yen
// mark ("¥", "￥" or "\") removed, full-width digits made ASCII and the
// commas ("," and "，") dropped. Everything else stays, so that the digit
// checks still refuse letters, signs and fractions.
QString NormalizedNumberText(const QString& text);
