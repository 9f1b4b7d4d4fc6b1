#include "import/import_rules.h"

QString DirectionCode(Direction direction) {
    return direction == Direction::Out ? QStringLiteral("out") : QStringLiteral("in");
}

QString DirectionName(Direction direction) {
    return direction == Direction::Out ? QStringLiteral("出金") : QStringLiteral("入金");
}

const ImportRule* RuleFor(const std::vector<ImportRule>& rules, Direction direction, const QString& text) {
    const ImportRule* best = nullptr;
    for (const ImportRule& rule : rules)
        if (rule.direction == direction && !rule.contains.isEmpty() && text.contains(rule.contains) &&
            (!best || rule.contains.size() > best->contains.size()))
            best = &rule;
    return best;
}
