#pragma once
// The tables of statement imports: the saved column layouts, the rules that
// choose a trade for a statement's text, each import with the counts of its
// lines, and the transactions each import recorded.
#include "sqlite/result_table.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Creates those of the four tables that are not among the books' present
// tables: books made before imports get them when opened.
void DBCreateImportTables(const QStringList& present);

// layout_name, header_lines, date_col, text_col, amount_col, out_col, in_col,
// positive_is_out of every saved layout, the one used last first.
ResultTable DBSelImportLayouts();
// Saves the layout under its name, replacing one of the same name.
void DBSaveImportLayout(const QString& name, const QList<int>& columns, bool positiveIsOut);

// rule_id, direction ("out" or "in"), contains_text, trade_cd, detail_cd, rate, in the order they were made.
ResultTable DBSelImportRules();
void DBInsImportRule(const QString& direction, const QString& containsText, const QString& tradeCd,
                     const QString& detailCd, const QString& rate);
void DBUpdImportRule(int ruleId, const QString& containsText, const QString& tradeCd, const QString& detailCd,
                     const QString& rate);
void DBDelImportRule(int ruleId);

// trade_cd, detail_cd, detail_name, rate of every detail offered in the detail list.
ResultTable DBSelImportDetails();
// month, day, money, detail_name of the valid transactions of the year.
ResultTable DBSelImportKnownTrades(int year);

// One statement line to record, its values as the transaction screen records them.
struct ImportedTrade {
    int year = 0, month = 0, day = 0;
    QString tradeCd, detailCd, detailName, money, rate;
};

// Records the rows, each under the next seq of its date as 登録 does, and the
// import with its counts, in one write transaction. The number of the import;
// nothing, and nothing stored, when a date would pass its last addressable seq.
std::optional<int> DBRecordImport(const QString& fileName, int linesRead, const std::vector<ImportedTrade>& rows);

// import_id, file_name, dt_import, lines_read, lines_recorded, lines_left_out,
// is_voided of every import, the newest first.
ResultTable DBSelImports();

// Voids the still valid transactions the import recorded, as 論理削除 voids
// one, and marks the import voided, in one transaction. The number voided.
int DBVoidImport(int importId);
