#include "app/safe_write.h"

#include "app/run_log.h"
#include "platform/cp932.h"

#include <QDir>
#include <QSaveFile>

#include <memory>

namespace {

QByteArray TextFileBytes(const TextFileContent& file) {
    QByteArray bytes;
    for (qsizetype i = std::max<qsizetype>(file.first, 0); i < file.lines.size(); ++i)
        bytes += platform::toCp932(file.lines[i]) + "\r\n";
    return bytes;
}

WriteFailure FailureOf(const QSaveFile& file) { return {file.fileName(), file.errorString()}; }

}  // namespace

std::optional<WriteFailure> ReplaceTextFiles(const std::vector<TextFileContent>& files) {
    // An uncommitted QSaveFile removes its temporary file when destroyed.
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const TextFileContent& content : files) {
        auto file = std::make_unique<QSaveFile>(content.path);
        const QByteArray bytes = TextFileBytes(content);
        if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size() || !file->flush())
            return FailureOf(*file);
        staged.push_back(std::move(file));
    }
    for (const auto& file : staged)
        if (!file->commit()) return FailureOf(*file);
    return std::nullopt;
}

std::optional<QString> WriteFilesForUser(const std::vector<TextFileContent>& files) {
    const std::optional<WriteFailure> failure = ReplaceTextFiles(files);
    if (!failure) return std::nullopt;
    WriteLog(QStringLiteral("ファイルを書き込めません ") + QDir::toNativeSeparators(failure->path) +
             QStringLiteral(" (") + failure->reason + QStringLiteral(")"));
    return CannotWriteMessage(failure->path);
}

QString CannotWriteMessage(const QString& path) {
    return QStringLiteral("次のファイルを書き込めませんでした。\r\n\r\n") + QDir::toNativeSeparators(path) +
           QStringLiteral(
               "\r\n\r\nフォルダがあるか，ほかのプログラムで開いていないか，ディスクに空きがあるかを"
               "確かめてください。");
}
