#pragma once
// The opening-balance rows as the screen shows and reads them: one list item
// per row, and the name and amount of one account.
#include "sqlite/result_table.h"

#include <QString>
#include <QStringList>

// Code, blank, the name in 32 Shift_JIS bytes, blank, the amount
// right-aligned in 10 characters: the rows' amounts line up in one column.
// Rows are code, name and amount joined by TAB; an amount that is not a
// 32-bit integer is a run-time error.
QStringList BalanceListItems(const ResultTable& rows);

// The account code an item or the chosen-account label begins with.
QString CodeOf(const QString& itemText);

// The code and the amount of a row of DBSelBS_BeginingAD: its first and its
// last field, whatever the name between them holds (a name typed with a TAB
// in a database tool included).
QString RowCode(const QString& row);
QString RowMoney(const QString& row);

struct NameAndMoney {
    QString name;
    QString money;
};
// Name and amount of the one row of the table; a run-time error when the
// year has no such account.
NameAndMoney NameAndMoneyOf(const ResultTable& table, const QString& accountCd);
