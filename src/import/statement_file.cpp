#include "import/statement_file.h"

#include "encoding/text_code.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

StatementText Refused(const QString& path, const QString& reason) {
    return {QString(), QStringLiteral("次のファイルは取り込めません。\r\n    ") + QDir::toNativeSeparators(path) +
                           QStringLiteral("\r\n\r\n") + reason};
}

}  // namespace

StatementText ReadStatementFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused(path, QStringLiteral("ファイルを開けません（") + file.errorString() + QStringLiteral("）。"));
    if (file.size() > kMaxStatementBytes)
        return Refused(path, QStringLiteral("ファイルが大きすぎます（") + QString::number(file.size() / kMegabyte) +
                                 QStringLiteral("MB）。取り込めるのは") +
                                 QString::number(kMaxStatementBytes / kMegabyte) + QStringLiteral("MBまでです。"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Refused(path, QStringLiteral("ファイルを読めません（") + file.errorString() + QStringLiteral("）。"));
    if (bytes.isEmpty()) return Refused(path, QStringLiteral("ファイルが空です。"));
    // UTF-16 is text full of zero bytes; anything else holding one is not text.
    const TextCode code = DetectTextCode(bytes);
    if (code != kTextUtf16Le && code != kTextUtf16Be && bytes.contains('\0'))
        return Refused(path, QStringLiteral("文字でないデータを含んでいます。CSVファイルを選んでください。"));
    switch (code) {
        case kTextAscii:
        case kTextSjis:
            return {platform::fromCp932(bytes), QString()};
        case kTextUtf8:
            return {QString::fromUtf8(bytes), QString()};
        case kTextUtf8Bom:
            return {QString::fromUtf8(bytes.mid(3)), QString()};
        default:
            return Refused(path,
                           QStringLiteral("文字コードが") + TextCodeName(code) +
                               QStringLiteral("のファイルは読めません。\r\nShift_JISかUTF-8で保存し直してください。"));
    }
}
