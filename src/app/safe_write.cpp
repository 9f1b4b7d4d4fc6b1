#include "app/safe_write.h"

#include "app/run_log.h"
#include "platform/cp932.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;

// Writes the lines in pieces of about 64 KiB: a busy year's ledger is tens of
// megabytes, and its encoded bytes need not be held beside its lines.
bool WriteLines(QSaveFile& file, const LineSource& lines) {
    QByteArray chunk;
    chunk.reserve(kChunkBytes + 1024);
    bool written = true;
    // After a failed write the lines are still built, so that a report runs
    // and logs the same statements whether its file could be written or not.
    const LineSink put = [&](const QString& line) {
        chunk += platform::toCp932(line);
        chunk += "\r\n";
        if (chunk.size() < kChunkBytes) return;
        written = written && file.write(chunk) == chunk.size();
        chunk.resize(0);
    };
    lines(put);
    return written && file.write(chunk) == chunk.size() && file.flush();
}

WriteFailure FailureOf(const QSaveFile& file) { return {file.fileName(), file.errorString()}; }

// A file to replace and how its content is written into the temporary file.
struct StagedContent {
    QString path;
    std::function<bool(QSaveFile&)> write;
};

std::optional<WriteFailure> ReplaceFiles(const std::vector<StagedContent>& files) {
    // An uncommitted QSaveFile removes its temporary file when destroyed.
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const StagedContent& content : files) {
        auto file = std::make_unique<QSaveFile>(content.path);
        if (!file->open(QIODevice::WriteOnly) || !content.write(*file)) return FailureOf(*file);
        staged.push_back(std::move(file));
    }
    for (const auto& file : staged)
        if (!file->commit()) return FailureOf(*file);
    return std::nullopt;
}

}  // namespace

LineSource SourceOf(QStringList lines, qsizetype first) {
    return [lines = std::move(lines), first](const LineSink& put) {
        for (qsizetype i = std::max<qsizetype>(first, 0); i < lines.size(); ++i) put(lines[i]);
    };
}

std::optional<WriteFailure> ReplaceTextFiles(const std::vector<TextFileContent>& files) {
    std::vector<StagedContent> contents;
    for (const TextFileContent& content : files)
        contents.push_back({content.path, [&content](QSaveFile& file) { return WriteLines(file, content.lines); }});
    return ReplaceFiles(contents);
}

std::optional<WriteFailure> ReplaceFileBytes(const QString& path, const QByteArray& bytes) {
    return ReplaceFiles({{path, [&bytes](QSaveFile& file) {
                              return file.write(bytes) == bytes.size() && file.flush();
                          }}});
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
