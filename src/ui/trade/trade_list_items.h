#pragma once
// The item texts of the transaction screen's choice lists, built from the
// master lookups, and the codes read back from a selected item.
#include "sqlite/result_table.h"

#include <QString>
#include <QStringList>

// The class of the trades shared between business and private use.
inline const QString kSharedTradeClass = QStringLiteral("D");

// "01 B 現金売上" per trade in the lookup's order, with an empty item at each
// change from class D to P and from B to D, so that the groups stand apart.
QStringList TradeItems(const ResultTable& trades);

// "01 電気代" per detail; " 30％" follows when the rates are shown and the
// detail has one.
QStringList DetailItems(const ResultTable& details, bool showRates);

// A preset list: the master's values as whole numbers, and their items,
// right-aligned in three characters or in the width of the longest value,
// so that no value loses digits on the screen.
struct PresetList {
    QStringList values;
    QStringList items;
};
PresetList PresetItems(const ResultTable& table, const QString& column);

// The code of a trade or detail item: its first two characters.
QString CodeOfItem(const QString& item);
// The class of a trade item: its fourth character.
QString ClassOfItem(const QString& item);
