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

struct FileBytes {
    QString path;
    QByteArray bytes;
};

std::optional<WriteFailure> ReplaceFiles(const std::vector<FileBytes>& files) {
    // An uncommitted QSaveFile removes its temporary file when destroyed.
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const FileBytes& content : files) {
        auto file = std::make_unique<QSaveFile>(content.path);
        if (!file->open(QIODevice::WriteOnly) || file->write(content.bytes) != content.bytes.size() || !file->flush())
            return FailureOf(*file);
        staged.push_back(std::move(file));
    }
    for (const auto& file : staged)
        if (!file->commit()) return FailureOf(*file);
    return std::nullopt;
}

}  // namespace

std::optional<WriteFailure> ReplaceTextFiles(const std::vector<TextFileContent>& files) {
    std::vector<FileBytes> contents;
    for (const TextFileContent& content : files) contents.push_back({content.path, TextFileBytes(content)});
    return ReplaceFiles(contents);
}

std::optional<WriteFailure> ReplaceFileBytes(const QString& path, const QByteArray& bytes) {
    return ReplaceFiles({{path, bytes}});
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
