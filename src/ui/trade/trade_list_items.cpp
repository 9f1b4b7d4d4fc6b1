#include "ui/trade/trade_list_items.h"

#include "app/sjis_text.h"
#include "store/store_common.h"

#include <algorithm>

namespace {

constexpr int kCodeLength = 2;
constexpr int kClassPosition = 3;
constexpr int kPresetWidth = 3;

bool StartsGroup(const QString& tradeClass, const QString& previous) {
    return (tradeClass == QStringLiteral("P") && previous == kSharedTradeClass) ||
           (tradeClass == kSharedTradeClass && previous == QStringLiteral("B"));
}

}  // namespace

QStringList TradeItems(const ResultTable& trades) {
    QStringList items;
    QString previous;
    for (qsizetype row = 1; row <= RowCount(trades); ++row) {
        const QString tradeClass = FindColumn(trades, row, QStringLiteral("trade_class_cd"));
        if (StartsGroup(tradeClass, previous)) items << QString();
        items << FindColumn(trades, row, QStringLiteral("trade_cd")) + QLatin1Char(' ') + tradeClass +
                     QLatin1Char(' ') + FindColumn(trades, row, QStringLiteral("trade_name"));
        previous = tradeClass;
    }
    return items;
}

QStringList DetailItems(const ResultTable& details, bool showRates) {
    QStringList items;
    for (qsizetype row = 1; row <= RowCount(details); ++row) {
        QString item = FindColumn(details, row, QStringLiteral("detail_cd")) + QLatin1Char(' ') +
                       FindColumn(details, row, QStringLiteral("detail_name"));
        const QString rate = FindColumn(details, row, QStringLiteral("rate"));
        if (showRates && !rate.isEmpty()) item += QLatin1Char(' ') + rate + QStringLiteral("％");
        items << item;
    }
    return items;
}

PresetList PresetItems(const ResultTable& table, const QString& column) {
    PresetList list;
    qsizetype width = kPresetWidth;
    for (qsizetype row = 1; row <= RowCount(table); ++row) {
        list.values << QString::number(IntegerOf(FindColumn(table, row, column)));
        width = std::max(width, list.values.back().size());
    }
    for (const QString& value : list.values) list.items << RightAlign(value.toInt(), static_cast<int>(width));
    return list;
}

QString CodeOfItem(const QString& item) { return item.left(kCodeLength); }

QString ClassOfItem(const QString& item) { return item.mid(kClassPosition, 1); }
