#include "app/text_file.h"

#include "app/runtime_error.h"
#include "app/safe_write.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>

namespace {

void AppendBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size() || !file.flush())
        throw RunTimeError(QStringLiteral("ファイルに書き込めません: ") + QDir::toNativeSeparators(path));
}

}  // namespace

void WriteFileAryToTextFile(const QStringList& lines, qsizetype first, const QString& path) {
    if (const std::optional<WriteFailure> failure = ReplaceTextFiles({{path, SourceOf(lines, first)}}))
        throw RunTimeError(CannotWriteMessage(failure->path));
}

void AppendLineToTextFile(const QString& path, const QString& text) {
    AppendBytes(path, platform::toCp932(text) + "\r\n");
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RunTimeError(QStringLiteral("ファイルが見つかりません: ") + QDir::toNativeSeparators(path));
    return file.readAll();
}

QStringList ReadTextFileLines(const QString& path) { return TextLines(ReadFileBytes(path)); }

QStringList TextLines(const QByteArray& bytes) {
    const QString text = platform::fromCp932(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}
