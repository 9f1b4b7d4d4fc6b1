#pragma once
// The indexes added to t_trade after the first books were made. New books get
// them from the schema; books made before them get them when opened.
#include <QString>
#include <QStringList>

// Creates each added index `presentIndexes` lacks, logging its creation;
// books that have them all are opened without a line about them.
void DBCreateAddedIndexes(const QStringList& presentIndexes);
