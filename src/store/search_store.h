#pragma once
// Finding transactions by any combination of a date range, an amount range,
// a text in the summary, the trade, an account on either side and whether
// voided ones count: one statement, the typed values bound, never pasted in.
#include "sqlite/result_table.h"
#include "store/trade_record_row.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct SearchConditions {
    int fiscalYear = 0;
    bool allYears = false;  // otherwise only the fiscal year
    std::optional<QDate> dateFrom{}, dateTo{};
    std::optional<qint64> amountFrom{}, amountTo{};
    bool bookedAmount = true;  // money × rate / 100; otherwise the money as stored
    QString text{};            // contained in the summary, % and _ as themselves
    QString tradeCd{};         // empty: any trade
    QString accountCd{};       // debited or credited; empty: any account
    bool withVoided = false;
};

struct SearchRow {
    QString year{};
    TradeRecordRow record{};
    QString booked{};  // the business share, money × rate / 100
    bool valid = true;
};

// The transactions meeting every given condition, by year, month, day, seq.
std::vector<SearchRow> DBSelT_TradeSearch(const SearchConditions& conditions);

// account_cd, account_name of every account, by code, for choosing one to search by.
ResultTable DBSelM_AccountForSearch();
