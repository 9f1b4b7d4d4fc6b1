#pragma once
// The queries behind the text reports and the journal export: the valid
// transactions of a year (or one month), joined with the trade master for
// their accounts. The line procedures return elements 0..n, element 0 left
// empty for the caller's heading and element i the line of result row i.
#include "sqlite/result_table.h"

#include <QString>
#include <QStringList>

// Journal rows of the year for the export: month, day, debit_cd, debit_name,
// credit_cd, credit_name, business share, detail_name.
ResultTable DBSelTM_Trade(const QString& year);

// Transaction record report lines; month 0 reads the whole year.
QStringList DBSelTradeRecordsForFile(int year, int month);

// Journal report lines; month 0 reads the whole year.
QStringList DBSelJournalRecordsForFile(int year, int month);

// Journal rows of the year for the general ledger, read by column name.
ResultTable DBSelJournalTable(int year);

// account_cd of every account that a valid transaction of the year debits or
// credits and that exists in m_account, each once, in ascending code order.
ResultTable DBSelAccountHead(int year);

// Entry lines of the social ('S') and the other ('O') insurance premiums.
QStringList DBSelSocialInsurance(int year);
QStringList DBSelOtherInsurance(int year);

// Element 1: the hyphen rule and the social-insurance total (0 when there is none).
QStringList DBSelSumSocialInsurance(int year);
