#pragma once
// The queries behind the text reports and the journal export: the valid
// transactions of a year (or one month), joined with the trade master for
// their accounts. Rows come back with the texts the database returned, in the
// order the reports list them.
#include "sqlite/result_table.h"
#include "sqlite/statements.h"
#include "store/trade_record_row.h"

#include <QString>

#include <functional>
#include <memory>

// One transaction in the journal: the business share with both accounts.
struct JournalRow {
    QString month, day, seq, tradeCd, debitCd, debitName, creditCd, creditName, amount, detailName;
};

// One insurance premium entry: the business share.
struct InsuranceRow {
    QString month, day, seq, detailName, amount;
};

// Journal rows of the year for the export: month, day, debit_cd, debit_name,
// credit_cd, credit_name, business share, detail_name. The statement is
// logged here and its rows stepped by the caller (LoggedQuery::each) while
// it writes them.
std::unique_ptr<LoggedQuery> DBSelTM_Trade(const QString& year);

// The valid transactions for the record report by month, day, seq; month 0
// reads the whole year.
void DBSelTradeRecordsForFile(int year, int month, const RowsTo<TradeRecordRow>& each);

// The valid transactions for the journal by month, day, seq; month 0 reads
// the whole year.
void DBSelJournalRecordsForFile(int year, int month, const RowsTo<JournalRow>& each);

// Journal rows of the year for the general ledger, each handed to `each` as
// it is stepped: month, day, seq, trade_cd, debit_cd, debit_name, credit_cd,
// credit_name, money_val, detail_name.
void DBSelJournalTable(int year, const RowSink& each);

// account_cd of every account that a valid transaction of the year debits or
// credits and that exists in m_account, each once, in ascending code order.
ResultTable DBSelAccountHead(int year);

// Entries of the social ('S') and the other ('O') insurance premiums.
void DBSelSocialInsurance(int year, const RowsTo<InsuranceRow>& each);
void DBSelOtherInsurance(int year, const RowsTo<InsuranceRow>& each);

// The sum of the social-insurance entries, 0 when there is none.
qint64 DBSelSumSocialInsurance(int year);
