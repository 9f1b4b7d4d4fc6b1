#pragma once
// The checks an opening amount passes before it is stored. Each gives the
// message that refuses the amount, or an empty text when it may be stored.
#include "sqlite/result_table.h"

#include <QString>

// The amount as the box reads it, full-width digits and commas normalised:
// digits only (leading zeros allowed), within the signed 32-bit range that
// the lists, totals and reports read it in.
QString AmountTextProblem(const QString& money);

// The side's total once the amount is stored for the account: the other
// rows of the side (as DBSelBS_BeginingAD returns them, the total row left
// out) plus this amount must stay within the same range. `sideCaption` names
// the side in the message ("資産" or "負債"). The amount must have passed
// AmountTextProblem.
QString SideTotalProblem(const ResultTable& sideRows, const QString& accountCd, const QString& money,
                         const QString& sideCaption);
