#include "import/import_books.h"

#include "store/import_store.h"
#include "store/master_store.h"
#include "store/store_common.h"

QString DuplicateKey(const QDate& date, qint64 money, const QString& summary) {
    return date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('\t') + QString::number(money) + QLatin1Char('\t') +
           summary;
}

ImportBooks LoadImportBooks(int fiscalYear) {
    ImportBooks books;
    books.fiscalYear = fiscalYear;
    const ResultTable trades = DBSelM_Trade();
    for (qsizetype row = 1; row <= RowCount(trades); ++row) {
        const QStringList f = RowFields(trades[row], 3, 1);
        books.trades[f[0]] = {f[1], f[2]};
    }
    const ResultTable details = DBSelImportDetails();
    for (qsizetype row = 1; row <= RowCount(details); ++row) {
        const QStringList f = RowFields(details[row], 4, 2);
        books.details[{f[0], f[1]}] = {f[2], f[3]};
    }
    const ResultTable known = DBSelImportKnownTrades(fiscalYear);
    for (qsizetype row = 1; row <= RowCount(known); ++row) {
        const QStringList f = RowFields(known[row], 4, 3);
        ++books.recorded[DuplicateKey(QDate(fiscalYear, f[0].toInt(), f[1].toInt()), f[2].toLongLong(), f[3])];
    }
    books.rules = LoadRules();
    return books;
}

std::vector<ImportRule> LoadRules() {
    std::vector<ImportRule> rules;
    const ResultTable table = DBSelImportRules();
    for (qsizetype row = 1; row <= RowCount(table); ++row) {
        const QStringList f = RowFields(table[row], 6, 2);
        rules.push_back(
            {IntegerOf(f[0]), f[1] == QStringLiteral("in") ? Direction::In : Direction::Out, f[2], f[3], f[4], f[5]});
    }
    return rules;
}

std::vector<ColumnLayout> SavedLayouts() {
    std::vector<ColumnLayout> layouts;
    const ResultTable table = DBSelImportLayouts();
    for (qsizetype row = 1; row <= RowCount(table); ++row) {
        const QStringList f = RowFields(table[row], 8, 0);
        layouts.push_back({f[0], f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt(), f[6].toInt(),
                           f[7] == QStringLiteral("1")});
    }
    return layouts;
}

void SaveLayout(const ColumnLayout& layout) {
    DBSaveImportLayout(layout.name,
                       {layout.headerLines, layout.dateColumn, layout.textColumn, layout.amountColumn, layout.outColumn,
                        layout.inColumn},
                       layout.positiveIsOut);
}
