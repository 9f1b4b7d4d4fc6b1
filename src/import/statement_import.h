#pragma once
// One statement from its file to the books: read and split, previewed
// against the books, and its confirmed lines recorded.
#include "import/preview_lines.h"

#include <QString>

#include <optional>
#include <vector>

struct StatementRecords {
    std::vector<CsvRecord> records;
    // Empty, or the message naming the file and why nothing of it can be read.
    QString problem;
};

// The file's records; a file that cannot be read or split is refused whole.
StatementRecords ReadStatementRecords(const QString& path);

// The column names a layout is guessed from: the last header record, or the
// first record when there is no header.
QStringList HeaderOf(const std::vector<CsvRecord>& records, int headerLines);

// The first guess of a statement's layout: the header is every record
// before the first that holds a date (at most a few), and its last record
// names the columns.
ColumnLayout GuessLayout(const std::vector<CsvRecord>& records);

// The preview of the records through the layout, the rules applied and
// every line's status set.
std::vector<PreviewLine> Preview(const std::vector<CsvRecord>& records, const ColumnLayout& layout,
                                 const ImportBooks& books);

// Records the lines whose status is to be recorded, with the import's counts
// (every previewed line is a line read). The number of the import; nothing,
// and nothing stored, when no line is to be recorded or a date would pass
// its last addressable seq.
std::optional<int> RecordStatement(const QString& fileName, const std::vector<PreviewLine>& lines);
