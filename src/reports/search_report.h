#pragma once
// The transactions a search found (検索結果), with the conditions in the
// title line, each transaction's business share, and their count and total.
#include "reports/report_text.h"
#include "store/search_store.h"

#include <QStringList>

// The conditions in words: the years, then each condition given.
// The trade and the account are named as the screen's lists show them.
QString SearchConditionsText(const SearchConditions& conditions, const QString& tradeName, const QString& accountName);

// The name offered is the fiscal year's.
ReportQuestion SearchQuestion(const ReportValues& values);

// Element 0 the title, the column heading and the rule; then one line per
// row; last the rule with the count and the total of the valid rows' shares.
QStringList BuildSearchReport(const ReportValues& values, const QString& conditionsText,
                              const std::vector<SearchRow>& rows);

// The valid rows' business shares added up.
qint64 SearchTotal(const std::vector<SearchRow>& rows);
