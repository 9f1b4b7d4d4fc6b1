#include "export/journal_export.h"

#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "export/export_folder.h"
#include "store/report_queries.h"

#include <QDir>

namespace {

QString TwoDigits(const QString& number) { return (QStringLiteral("0") + number).right(2); }

}  // namespace

QStringList GetConvFormat(const ResultTable& rows) {
    WriteLog(QStringLiteral("GetConvFormat"));
    const QChar tab = QLatin1Char('\t');
    QStringList lines{QString()};
    for (qsizetype i = 1; i <= RowCount(rows); ++i) {
        // A TAB inside a summary would give the record a ninth field that the
        // receiving program does not expect: the summary ends at the TAB.
        const QStringList v = rows[i].split(tab);
        if (v.size() < 8) throw RunTimeError(QStringLiteral("インデックスが有効範囲にありません。"));
        lines << QString::number(i) + tab + TwoDigits(v[0]) + TwoDigits(v[1]) + tab + v[2] + tab + v[3] + tab + v[4] +
                     tab + v[5] + tab + v[6] + tab + v[7];
    }
    return lines;
}

std::optional<QString> WriteJournalExport(const QString& fiscalYearText, const QString& eraText) {
    WriteLog(QStringLiteral("仕訳情報を取得"));
    const QStringList lines = GetConvFormat(DBSelTM_Trade(fiscalYearText));
    const QString folder = ExportFolderOf(fiscalYearText, eraText);
    if (std::optional<QString> failure = MakeExportFolder(folder, QStringLiteral("に西暦のフォルダがなければ作成")))
        return failure;
    const QString recordFile = folder + QDir::separator() + QStringLiteral("data03ca.txt");
    const QString numberFile = folder + QDir::separator() + QStringLiteral("data03no.txt");
    WriteLog(QStringLiteral("data03ca.txt 仕訳情報を出力"));
    WriteLog(QStringLiteral("data03no.txt レコード番号情報を出力"));
    const qsizetype lastIndex = lines.size() - 1;
    return WriteFilesForUser({{recordFile, lines, 1}, {numberFile, {QString(), QString::number(lastIndex + 1)}, 1}});
}
