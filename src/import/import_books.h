#pragma once
// What an import reads from and keeps in the books: the trades and their
// details, the valid transactions of the year (to find lines already
// recorded), the rules and the saved column layouts.
#include "import/column_layout.h"
#include "import/import_rules.h"

#include <QDate>
#include <QString>

#include <map>
#include <utility>
#include <vector>

struct TradeChoice {
    QString name, tradeClass;
};
struct DetailChoice {
    QString name, rate;
};

struct ImportBooks {
    int fiscalYear = 0;
    std::map<QString, TradeChoice> trades;
    std::map<std::pair<QString, QString>, DetailChoice> details;
    // The valid transactions of the year by DuplicateKey, with their number.
    std::map<QString, int> recorded;
    std::vector<ImportRule> rules;
};

// A transaction's date, amount and summary as one text.
QString DuplicateKey(const QDate& date, qint64 money, const QString& summary);

ImportBooks LoadImportBooks(int fiscalYear);
std::vector<ImportRule> LoadRules();

// The saved layouts, the one used last first.
std::vector<ColumnLayout> SavedLayouts();
// Saves the layout under its name, which then comes first.
void SaveLayout(const ColumnLayout& layout);
