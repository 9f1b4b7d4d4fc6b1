#include "store/book_indexes.h"

#include "app/run_log.h"
#include "sqlite/statements.h"

namespace {

struct AddedIndex {
    QString name, columns;
};

const AddedIndex kAddedIndexes[] = {
    // The search by trade and by account.
    {QStringLiteral("t_trade_trade_cd"), QStringLiteral("trade_cd, year")},
    // The year's sums (the trial balance, the general ledger's accounts, the
    // social insurance total) read from the index alone, without visiting
    // each transaction's row.
    {QStringLiteral("t_trade_year_sums"), QStringLiteral("year, is_valid, trade_cd, month, day, money, rate")},
};

}  // namespace

void DBCreateAddedIndexes(const QStringList& presentIndexes) {
    for (const AddedIndex& index : kAddedIndexes) {
        if (presentIndexes.contains(index.name)) continue;
        WriteLog(QStringLiteral("DBCreateAddedIndexes"));
        SQLite3NonQuery(QStringLiteral("create index ") + index.name + QStringLiteral(" on t_trade (") + index.columns +
                        QStringLiteral(")"));
    }
}
