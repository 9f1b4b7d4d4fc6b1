#pragma once
// The rules that choose a trade for a statement line by its text. A rule
// knows its direction, so that a withdrawal and a deposit never share one.
#include <QString>

#include <vector>

enum class Direction { Out, In };

// "out" or "in", as the rules table keeps it.
QString DirectionCode(Direction direction);
// "出金" or "入金", as the dialog shows it.
QString DirectionName(Direction direction);

struct ImportRule {
    int id = 0;
    Direction direction = Direction::Out;
    QString contains, tradeCd, detailCd, rate;
};

// Of the rules of the direction whose text the line's text holds, the one
// with the longest text, the first made among equals; null when none.
const ImportRule* RuleFor(const std::vector<ImportRule>& rules, Direction direction, const QString& text);
