#include "export/journal_export.h"

#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "export/export_folder.h"
#include "store/odd_values.h"
#include "store/report_queries.h"

#include <QDir>
#include <QStringTokenizer>
#include <QVarLengthArray>

#include <charconv>
#include <iterator>

namespace {

// month, day, debit_cd, debit_name, credit_cd, credit_name, the business share, detail_name.
constexpr qsizetype kAmountField = 6, kSummaryField = 7;

// The number in two digits: a leading zero when it has one, its last two otherwise.
void AppendTwoDigits(QString& line, QStringView number) {
    if (number.size() < 2) line += QLatin1Char('0');
    line += number.right(2);
}

}  // namespace

void AppendConvFormatLine(QString& line, qsizetype number, QStringView row) {
    const QChar tab = QLatin1Char('\t');
    // A TAB inside a summary would give the record a ninth field that the
    // receiving program does not expect: the summary ends at the TAB.
    QVarLengthArray<QStringView, 12> v;
    for (const QStringView field : QStringTokenizer(row, tab)) v.append(field);
    if (v.size() < 8) throw RunTimeError(QStringLiteral("インデックスが有効範囲にありません。"));
    char digits[24];
    line += QLatin1StringView(digits, std::to_chars(digits, std::end(digits), number).ptr);
    line += tab;
    AppendTwoDigits(line, v[0]);
    AppendTwoDigits(line, v[1]);
    for (qsizetype field = 2; field < 8; ++field) {
        line += tab;
        // A share that cannot be read (an amount typed in a database tool) goes as 0, a line break
        // in the summary as a blank, so that each record stays one line.
        if (field == kAmountField && !ReadableAmount(v[field]))
            line += QLatin1Char('0');
        else if (field == kSummaryField && !IsOneLine(v[field]))
            line += OneLineSummary(v[field].toString());
        else
            line += v[field];
    }
}

std::optional<QString> WriteJournalExport(const QString& fiscalYearText, const QString& eraText) {
    WriteLog(QStringLiteral("仕訳情報を取得"));
    // Logged here, stepped while data03ca.txt is written: a busy year's
    // records are never held.
    const std::unique_ptr<LoggedQuery> rows = DBSelTM_Trade(fiscalYearText);
    WriteLog(QStringLiteral("GetConvFormat"));
    const QString folder = ExportFolderOf(fiscalYearText, eraText);
    if (std::optional<QString> failure = MakeExportFolder(folder, QStringLiteral("に西暦のフォルダがなければ作成")))
        return failure;
    const QString recordFile = folder + QDir::separator() + QStringLiteral("data03ca.txt");
    const QString numberFile = folder + QDir::separator() + QStringLiteral("data03no.txt");
    for (const QString& file : {recordFile, numberFile})
        if (std::optional<QString> failure = RemoveStrayTemporaries(file)) return failure;
    WriteLog(QStringLiteral("data03ca.txt 仕訳情報を出力"));
    WriteLog(QStringLiteral("data03no.txt レコード番号情報を出力"));
    qsizetype records = 0;
    const LineSource recordLines = [&](const LineSink& put) {
        // Each record built in strings kept from record to record.
        QString joined, line;
        rows->each([&](const QueryRow& row) {
            joined.resize(0);
            row.appendLine(joined);
            line.resize(0);
            AppendConvFormatLine(line, ++records, joined);
            put(line);
        });
    };
    const LineSource numberLine = [&records](const LineSink& put) { put(QString::number(records + 1)); };
    // The records first, the number after: a crash between the two renames
    // leaves the new records beside the old number, which no longer equals
    // their count plus 1, and the number's temporary file, which the next
    // export removes as it writes the pair again.
    return WriteFilesForUser({{recordFile, recordLines}, {numberFile, numberLine}});
}
