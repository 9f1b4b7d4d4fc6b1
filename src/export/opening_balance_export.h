#pragma once
// The opening balance export for the receiving program: data03aa.txt (the
// user name) and data03ba.txt (the opening balance sheet, assets beside
// liabilities and capital), in the year's export folder.
#include "sqlite/result_table.h"

#include <QString>
#include <QStringList>

#include <optional>

// data03ba.txt's lines, elements 1..n: asset row i, TAB, liability row i,
// each row as the query gave it. Fewer liability than asset rows is a
// run-time error.
QStringList GetFileText(const ResultTable& assetRows, const ResultTable& debitRows);

// Writes both files of the year into its export folder, which becomes
// ExportFolder. The two sides are compared before anything is written, and
// the files are written as a pair, so the receiving program never finds a
// new data03aa.txt beside an old or missing data03ba.txt (save after a crash
// between the two renames; the temporary file it leaves is removed at the
// next export). Returns the message to show when nothing was written (the
// sides differ in length, a folder or file could not be written, a temporary
// file could not be removed); nothing when both were written.
std::optional<QString> WriteOpeningBalanceExport(const QString& yearText, const QString& eraText,
                                                 const QString& userName);
