#include "app/context.h"
#include "bench_pairs.h"
#include "floors.h"

#include <cstdio>

namespace {

bool disagreed = false;

}  // namespace

YearTotals ValidTotals() {
    const QStringList row = QueryFloor(
        ctx().db,
        QStringLiteral("select count(*), sum(money * rate / 100) from t_trade where year = 2026 and is_valid = 1"));
    const QStringList values = row.value(0).split(QLatin1Char(' '));
    return {values.value(0).toLongLong(), values.value(1).toLongLong()};
}

void ReportDisagreement(const QString& what) {
    disagreed = true;
    std::fprintf(stderr, "DISAGREES: %s\n", what.toLocal8Bit().constData());
}

bool AnyDisagreement() { return disagreed; }
