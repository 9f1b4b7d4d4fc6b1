#include "ui/opening_balance/amount_checks.h"

#include "app/text_utils.h"
#include "store/default_chart.h"
#include "store/store_common.h"
#include "ui/opening_balance/balance_rows.h"

namespace {

const QString kLimit = QString::number(kMaxAmount);

}  // namespace

QString AmountTextProblem(const QString& money) {
    // The first line alone leaves the user guessing what a valid amount is.
    if (!IsDigitsOnly(money))
        return QStringLiteral("有効な金額を指定してください。\r\n半角または全角の数字。カンマは使えます。");
    if (!IsStorableAmount(money)) return QStringLiteral("金額は%1円以下で指定してください。").arg(kLimit);
    return {};
}

QString SideTotalProblem(const ResultTable& sideRows, const QString& accountCd, const QString& money,
                         const QString& sideCaption) {
    qint64 total = money.toLongLong();
    for (qsizetype i = 1; i <= RowCount(sideRows); ++i) {
        const QString code = RowCode(sideRows[i]);
        if (code == accountCd || code == kAssetTotalCode || code == kDebitTotalCode) continue;
        // An amount left empty (NULL) adds nothing, as in the stored total.
        total += RowMoney(sideRows[i]).toLongLong();
    }
    if (total <= kMaxAmount) return {};
    return sideCaption + QStringLiteral("の合計が%1円を超えるため，この金額は登録できません。").arg(kLimit);
}
