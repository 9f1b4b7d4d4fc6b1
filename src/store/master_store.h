#pragma once
// Read-only lookups in the master tables: the trade list with its details,
// the preset value lists and the accounts the general ledger prints.
#include "sqlite/result_table.h"

#include <QString>

// trade_cd, trade_name, trade_class_cd of every trade, in list order.
ResultTable DBSelM_Trade();

// detail_cd, detail_name, rate of the details of the trade offered in the list.
ResultTable DBSelM_TradeDetail(const QString& tradeCd);

// detail_name, rate of one detail, hidden ones included; no row when it does not exist.
ResultTable DBSelTradeDetail(const QString& tradeCd, const QString& detailCd);

// The one column of every row of a preset table, in the order of its values.
ResultTable DBSelMst(const QString& table, const QString& column);

// Name and classes of an account. A code missing from m_account is shown
// to the user and leaves the three values as the caller passed them.
void DBSelMAccount(const QString& accountCd, QString& accountName, QString& accountClass, QString& outputClass);
