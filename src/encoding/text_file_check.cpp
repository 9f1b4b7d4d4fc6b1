#include "encoding/text_file_check.h"

#include "app/paths.h"
#include "app/text_file.h"
#include "encoding/text_code.h"

QString GetTextFileCodeName(const QString& path) { return TextCodeName(DetectTextCode(ReadFileBytes(path))); }

bool ChkTextFileSJIS(const QString& path, QString& message) {
    const QString name = GetTextFileCodeName(path);
    if (name == QStringLiteral("ASCII") || name == QStringLiteral("SJIS")) return true;

    const QString crlf = QStringLiteral("\r\n");
    const QString indent = QStringLiteral("    ");
    message = QStringLiteral("次のテキストファイルの文字コードはShift_JISではありません。") + crlf + indent +
              QStringLiteral("ファイル名＝") + FileNameOf(path) + crlf + indent + QStringLiteral("文字コード＝") +
              name + crlf + crlf +
              QStringLiteral("このファイルをエディタで開いて，ANSIまたはSJISで保存してください。") + crlf + crlf +
              QStringLiteral("このファイルをエディタで開きますか？") + crlf;
    return false;
}
