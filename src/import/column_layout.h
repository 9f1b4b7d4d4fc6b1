#pragma once
// Which columns of a statement hold the date, the text and the amount, and
// the first guess of them from the names banks and card companies give
// their columns.
#include <QString>
#include <QStringList>

struct ColumnLayout {
    QString name;         // under which the user saved it; empty when not saved
    int headerLines = 0;  // records before the data
    // Columns counted from 1; 0 for none.
    int dateColumn = 0;
    int textColumn = 0;
    int amountColumn = 0;  // one signed amount ...
    int outColumn = 0;     // ... or a pair of withdrawals and deposits
    int inColumn = 0;
    // Of the one amount column: a card's positive amounts are payments,
    // a bank's are deposits.
    bool positiveIsOut = false;
    bool operator==(const ColumnLayout&) const = default;
};

// True when the pair of columns is used rather than the one amount.
bool UsesPair(const ColumnLayout& layout);

// The columns a record must have for the layout.
int ColumnsNeeded(const ColumnLayout& layout);

// A guess from the column names of a header record; the columns it cannot
// place stay 0. headerLines is left to the caller.
ColumnLayout GuessColumns(const QStringList& header);
