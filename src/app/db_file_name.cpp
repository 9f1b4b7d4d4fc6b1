#include "app/db_file_name.h"

QString DbFileNameProblem(const QString& value) {
    if (!value.contains(QLatin1Char('/')) && !value.contains(QLatin1Char('\\')) &&
        !value.contains(QStringLiteral("..")))
        return {};
    return QStringLiteral(
               "設定ファイル VelmoAccount.ini の filename= には、DBファイルの名前だけを書いてください。\r\n"
               "フォルダの区切り（/ や \\）や .. は使えません。\r\n\r\n　filename=") +
           value;
}
