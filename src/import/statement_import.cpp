#include "import/statement_import.h"

#include "import/statement_date.h"
#include "import/statement_file.h"

#include <QDir>

StatementRecords ReadStatementRecords(const QString& path) {
    const StatementText file = ReadStatementFile(path);
    if (!file.problem.isEmpty()) return {{}, file.problem};
    CsvRecords split = SplitCsv(file.text);
    if (!split.problem.isEmpty())
        return {{},
                QStringLiteral("次のファイルは取り込めません。\r\n    ") + QDir::toNativeSeparators(path) +
                    QStringLiteral("\r\n\r\n") + split.problem};
    if (split.records.empty())
        return {{},
                QStringLiteral("次のファイルには取り込む行がありません。\r\n    ") + QDir::toNativeSeparators(path)};
    return {std::move(split.records), QString()};
}

QStringList HeaderOf(const std::vector<CsvRecord>& records, int headerLines) {
    if (records.empty()) return {};
    const size_t index = headerLines > 0 ? std::min(records.size(), static_cast<size_t>(headerLines)) - 1 : 0;
    return records[index].fields;
}

ColumnLayout GuessLayout(const std::vector<CsvRecord>& records) {
    constexpr int kMostHeaderLines = 5;
    int headerLines = 0;
    const auto holdsDate = [](const CsvRecord& record) {
        return std::any_of(record.fields.begin(), record.fields.end(),
                           [](const QString& field) { return ReadStatementDate(field).isValid(); });
    };
    while (headerLines < kMostHeaderLines && static_cast<size_t>(headerLines) < records.size() &&
           !holdsDate(records[static_cast<size_t>(headerLines)]))
        ++headerLines;
    if (static_cast<size_t>(headerLines) == records.size()) headerLines = 0;
    ColumnLayout layout = GuessColumns(HeaderOf(records, headerLines));
    layout.headerLines = headerLines;
    return layout;
}

std::vector<PreviewLine> Preview(const std::vector<CsvRecord>& records, const ColumnLayout& layout,
                                 const ImportBooks& books) {
    std::vector<PreviewLine> lines = ReadPreviewLines(records, layout);
    ApplyRules(lines, books);
    UpdateStatuses(lines, books);
    return lines;
}

std::optional<int> RecordStatement(const QString& fileName, const std::vector<PreviewLine>& lines) {
    const std::vector<ImportedTrade> trades = TradesToRecord(lines);
    if (trades.empty()) return std::nullopt;
    return DBRecordImport(fileName, static_cast<int>(lines.size()), trades);
}
