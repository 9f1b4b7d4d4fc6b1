// The search over a busy year, its rows made into the record list's items,
// beside the same statement with its values written in, stepped plainly.
#include "app/context.h"
#include "bench_pairs.h"
#include "bench_year.h"
#include "floors.h"
#include "reports/search_report.h"
#include "ui/trade/record_line.h"

#include <benchmark/benchmark.h>

namespace {

QStringList SearchItems(const SearchConditions& conditions) {
    QStringList items;
    for (const SearchRow& row : DBSelT_TradeSearch(conditions)) items << TradeListItem(row.year, row.record);
    return items;
}

const QString kFloorColumns = QStringLiteral(
    "select year, month, day, seq, trade_cd, detail_cd, detail_name, money, rate, money * rate / 100, is_valid "
    "from t_trade ");

}  // namespace

void RegisterSearchBenchmarks(int n) {
    const auto year = [n] { return BenchYear::ofSize(n).yearText().toInt(); };
    MeasuredPair wholeYear{
        "search, year by amount and text",
        [year] {
            benchmark::DoNotOptimize(SearchItems(
                {.fiscalYear = year(), .amountFrom = 1000, .amountTo = 50000, .text = QStringLiteral("代")}));
        },
        Ready([year] {
            benchmark::DoNotOptimize(QueryFloor(
                ctx().db,
                kFloorColumns + QStringLiteral("where year = %1 and money * rate / 100 between 1000 and 50000 "
                                               "and instr(detail_name, '代') > 0 and is_valid = 1 "
                                               "order by year, month, day, seq")
                                    .arg(year())));
        })};
    // Every valid transaction of the year found, their shares adding up to the books'.
    wholeYear.disagreement = [year] {
        const std::vector<SearchRow> rows = DBSelT_TradeSearch({.fiscalYear = year()});
        const YearTotals totals = ValidTotals();
        if (static_cast<qsizetype>(rows.size()) == totals.count && SearchTotal(rows) == totals.shares) return QString();
        return QStringLiteral("the search found %1 transactions worth %2 for %3 worth %4")
            .arg(rows.size())
            .arg(SearchTotal(rows))
            .arg(totals.count)
            .arg(totals.shares);
    };
    RegisterPair(wholeYear, n);
    RegisterPair({"search, account across years with voided",
                  [] {
                      benchmark::DoNotOptimize(
                          SearchItems({.allYears = true, .accountCd = QStringLiteral("820"), .withVoided = true}));
                  },
                  Ready([] {
                      benchmark::DoNotOptimize(QueryFloor(
                          ctx().db, kFloorColumns + QStringLiteral("where trade_cd in (select trade_cd from m_trade "
                                                                   "where debit_cd = '820' or credit_cd = '820') "
                                                                   "order by year, month, day, seq")));
                  })},
                 n);
}
