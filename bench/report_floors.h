#pragma once
// The floors of the file reports and the journal export: the least work that
// gives the same file. Each is made before the timing (its statements
// compiled, the fixed heading lines taken from the product's own file) and
// then run in the timing: its rows stepped through the C API, their values
// formatted straight into Shift_JIS bytes and written in pieces.
#include <QByteArray>
#include <QString>

#include <functional>
#include <string>

struct sqlite3;

using FloorRun = std::function<void()>;

// The file's first `count` lines, CR LF included.
std::string LeadingLines(const QByteArray& file, int count);

FloorRun JournalFloor(sqlite3* db, const std::string& heading, const QString& path);
FloorRun RecordReportFloor(sqlite3* db, const std::string& heading, const QString& path);
FloorRun InsuranceFloor(sqlite3* db, const std::string& heading, const QString& path);
// The totals layout from one grouped query over the year and the accounts.
FloorRun TrialBalanceFloor(sqlite3* db, const std::string& heading, const QString& path);
// One ordered scan of the year, each line put on its account's page as it comes.
FloorRun LedgerFloor(sqlite3* db, const std::string& heading, const QString& path);
// data03ca.txt and data03no.txt.
FloorRun ExportFloor(sqlite3* db, const QString& recordPath, const QString& numberPath);
