#pragma once
// The record of every carry into a year's opening balance sheet: when it
// was made and a digest of the balances it carried, so that the year's
// screen can tell when the year carried from has changed since.
#include "store/carry_forward_store.h"

#include <QString>

#include <optional>
#include <vector>

inline const QString kCarryTable = QStringLiteral("t_bs_carry");

// The digest of the carried rows, codes and amounts in their order.
QString CarriedDigest(const std::vector<CarriedRow>& rows);

// Records a carry into the year now, with the digest of what it carried.
void DBInsT_BsCarry(const QString& year, const QString& fromYear, const QString& digest);

// Records, for a year carried before, that its sheet was created anew and
// so holds no carried balances; nothing for a year never carried.
void DBInsT_BsCarryEnded(const QString& year);

struct CarryRecord {
    int fromYear = 0;
    QString digest;
    QString carriedAt;  // "yyyy/mm/dd hh:nn:ss"
};
// The latest carry into the year; nothing when none was made or the sheet
// was created anew after it.
std::optional<CarryRecord> DBSelT_BsCarryLast(int year);

// Adds the table to books made before it existed.
void DBCreateT_BsCarry();
