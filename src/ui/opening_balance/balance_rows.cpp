#include "ui/opening_balance/balance_rows.h"

#include "app/runtime_error.h"
#include "app/sjis_text.h"
#include "store/store_common.h"

namespace {

constexpr int kCodeWidth = 3;
constexpr int kNameBytes = 32;
constexpr int kMoneyWidth = 10;

}  // namespace

QString RowCode(const QString& row) { return row.section(QLatin1Char('\t'), 0, 0); }
QString RowMoney(const QString& row) { return row.section(QLatin1Char('\t'), -1); }

QStringList BalanceListItems(const ResultTable& rows) {
    QStringList items;
    for (qsizetype i = 1; i <= RowCount(rows); ++i) {
        const QString& row = rows[i];
        const QString name = row.section(QLatin1Char('\t'), 1, -2);
        items << RowCode(row) + QLatin1Char(' ') + PadByteWidth(name, kNameBytes, false) + QLatin1Char(' ') +
                     RightAlign(IntegerOf(RowMoney(row)), kMoneyWidth);
    }
    return items;
}

QString CodeOf(const QString& itemText) { return itemText.left(kCodeWidth); }

NameAndMoney NameAndMoneyOf(const ResultTable& table, const QString& accountCd) {
    if (RowCount(table) < 1) throw RunTimeError(QStringLiteral("勘定科目がありません: ") + accountCd);
    const QString& row = table[1];
    return {row.section(QLatin1Char('\t'), 0, -2), RowMoney(row)};
}
