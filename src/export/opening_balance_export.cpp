#include "export/opening_balance_export.h"

#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "export/export_folder.h"
#include "store/opening_balance_store.h"
#include "store/store_common.h"

#include <QDir>

QStringList GetFileText(const ResultTable& assetRows, const ResultTable& debitRows) {
    WriteLog(QStringLiteral("GetFileText"));
    if (RowCount(debitRows) < RowCount(assetRows))
        throw RunTimeError(QStringLiteral("インデックスが有効範囲にありません。"));
    QStringList lines{QString()};
    for (qsizetype i = 1; i <= RowCount(assetRows); ++i) lines << assetRows[i] + QLatin1Char('\t') + debitRows[i];
    return lines;
}

std::optional<QString> WriteOpeningBalanceExport(const QString& yearText, const QString& eraText,
                                                 const QString& userName) {
    const QString folder = ExportFolderOf(yearText, eraText);
    if (std::optional<QString> failure = MakeExportFolder(folder, QStringLiteral("フォルダ作成 ") + folder))
        return failure;
    const int year = IntegerOf(yearText);
    WriteLog(QStringLiteral("DBSelBS_BeginingAD"));
    const ResultTable assetRows = DBSelBS_BeginingAD(year, QStringLiteral("a"));
    WriteLog(QStringLiteral("DBSelBS_BeginingAD"));
    const ResultTable debitRows = DBSelBS_BeginingAD(year, QStringLiteral("d"));
    if (RowCount(assetRows) != RowCount(debitRows)) {
        WriteLog(QStringLiteral("資産科目数と負債科目数とが不一致"));
        return QStringLiteral("資産科目数と負債科目数とが不一致です。\r\n\r\n") +
               QStringLiteral("DBファイルのt_bs_beginingテーブルを直接編集して，") +
               QStringLiteral("資産科目数と負債科目数とを一致させてください。");
    }
    WriteLog(QStringLiteral("出力するテキスト配列を作成"));
    const QStringList lines = GetFileText(assetRows, debitRows);
    const QString userFile = folder + QDir::separator() + QStringLiteral("data03aa.txt");
    const QString sheetFile = folder + QDir::separator() + QStringLiteral("data03ba.txt");
    for (const QString& file : {userFile, sheetFile})
        if (std::optional<QString> failure = RemoveStrayTemporaries(file)) return failure;
    WriteLog(QStringLiteral("data03aa.txt作成 ") + userFile);
    WriteLog(QStringLiteral("WriteFileAryToTextFile"));
    return WriteFilesForUser({{userFile, SourceOf({QString(), userName}, 1)}, {sheetFile, SourceOf(lines, 1)}});
}
