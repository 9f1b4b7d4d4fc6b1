#pragma once
// The queries behind the text reports and the journal export: the valid
// transactions of a year (or one month), joined with the trade master for
// their accounts. Rows come back with the texts the database returned, in the
// order the reports list them.
#include "sqlite/result_table.h"
#include "store/trade_record_row.h"

#include <QString>

#include <vector>

// One transaction in the journal: the business share with both accounts.
struct JournalRow {
    QString month, day, seq, tradeCd, debitCd, debitName, creditCd, creditName, amount, detailName;
};

// One insurance premium entry: the business share.
struct InsuranceRow {
    QString month, day, seq, detailName, amount;
};

// Journal rows of the year for the export: month, day, debit_cd, debit_name,
// credit_cd, credit_name, business share, detail_name.
ResultTable DBSelTM_Trade(const QString& year);

// The valid transactions for the record report by month, day, seq; month 0
// reads the whole year.
std::vector<TradeRecordRow> DBSelTradeRecordsForFile(int year, int month);

// The valid transactions for the journal by month, day, seq; month 0 reads
// the whole year.
std::vector<JournalRow> DBSelJournalRecordsForFile(int year, int month);

// Journal rows of the year for the general ledger, read by column name.
ResultTable DBSelJournalTable(int year);

// account_cd of every account that a valid transaction of the year debits or
// credits and that exists in m_account, each once, in ascending code order.
ResultTable DBSelAccountHead(int year);

// Entries of the social ('S') and the other ('O') insurance premiums.
std::vector<InsuranceRow> DBSelSocialInsurance(int year);
std::vector<InsuranceRow> DBSelOtherInsurance(int year);

// The sum of the social-insurance entries, 0 when there is none.
qint64 DBSelSumSocialInsurance(int year);
