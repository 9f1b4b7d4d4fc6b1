#pragma once
// The lines of a statement as the import dialog previews them: what each
// line read, the trade it will be recorded with, and whether it will be.
#include "import/column_layout.h"
#include "import/csv_records.h"
#include "import/import_books.h"
#include "store/import_store.h"

#include <QDate>
#include <QString>

#include <vector>

enum class LineStatus { ToRecord, AlreadyRecorded, OutsideYear, NoTrade, Refused, Unreadable, LeftOut };

struct PreviewLine {
    int line = 0;  // of the file
    QString dateText, text;
    QDate date;
    qint64 amount = 0;  // never negative; the direction tells which way
    Direction direction = Direction::Out;
    QString tradeCd, detailCd, summary, rate;
    bool chosenByUser = false;  // rules no longer change the trade
    bool leftOut = false;
    LineStatus status = LineStatus::NoTrade;
    QString reason;  // of an unreadable or refused line, with its line number
};

// The data records after the header lines, read through the layout. A line
// that cannot be read is kept with its reason, so that the user sees it.
std::vector<PreviewLine> ReadPreviewLines(const std::vector<CsvRecord>& records, const ColumnLayout& layout);

// Gives every line the user has not chosen a trade for the one its rule
// chooses, or none.
void ApplyRules(std::vector<PreviewLine>& lines, const ImportBooks& books);
// The user's choice for the line: the detail's percentage comes with it.
void ChooseTrade(PreviewLine& line, const ImportBooks& books, const QString& tradeCd, const QString& detailCd);
// True when the trade takes a business percentage (class "D").
bool TakesPercentage(const ImportBooks& books, const QString& tradeCd);

// Sets every line's status: unreadable, left out, outside the fiscal year,
// already recorded (as many lines as the books hold valid transactions of
// the same date, amount and summary), no trade, refused by the entry checks
// that 登録 runs, or to be recorded.
void UpdateStatuses(std::vector<PreviewLine>& lines, const ImportBooks& books);

// "登録する", "登録済み", "年度外", "取引未選択", "登録できません：…", "読めません：…", "除外".
QString StatusText(const PreviewLine& line);

// The lines to be recorded, as the store records them.
std::vector<ImportedTrade> TradesToRecord(const std::vector<PreviewLine>& lines);
