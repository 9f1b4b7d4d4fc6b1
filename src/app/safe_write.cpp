#include "app/safe_write.h"

#include "app/run_log.h"
#include "app/sjis_text.h"
#include "platform/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace {

constexpr qsizetype kChunkBytes = 64 * 1024;

// Writes the lines in pieces of about 64 KiB: a busy year's ledger is tens of
// megabytes, and its encoded bytes need not be held beside its lines.
bool WriteLines(QFile& file, const LineSource& lines) {
    QByteArray chunk;
    chunk.reserve(kChunkBytes + 1024);
    bool written = true;
    // After a failed write the lines are still built, so that a report runs
    // and logs the same statements whether its file could be written or not.
    const LineSink put = [&](const QString& line) {
        AppendShiftJis(chunk, line);
        chunk += "\r\n";
        if (chunk.size() < kChunkBytes) return;
        written = written && file.write(chunk) == chunk.size();
        chunk.resize(0);
    };
    lines(put);
    return written && file.write(chunk) == chunk.size();
}

// A file to replace and how its content is written into the temporary file.
struct StagedContent {
    QString path;
    std::function<bool(QFile&)> write;
};

// Why the file at the final name must not be replaced; nothing when it may.
// A symbolic link is replaced itself, whatever it points to.
std::optional<QString> FinalNameProblem(const QFileInfo& final) {
    if (final.isSymLink()) return std::nullopt;
    if (final.isDir()) return QStringLiteral("Filename refers to a directory");
    if (final.exists() && !final.isWritable()) return QStringLiteral("Existing file is not writable");
    return std::nullopt;
}

// Creates a new file of a name not yet taken: the final name and a suffix.
bool OpenTemporary(QFile& file, const QString& path) {
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (int attempt = 0; attempt < 64; ++attempt) {
        QString name = path + QLatin1String(kTemporaryMark);
        for (int i = 0; i < kTemporarySuffixLength; ++i)
            name += letters[QRandomGenerator::global()->bounded(static_cast<int>(letters.size()))];
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return true;
        if (!QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) return false;
    }
    return false;
}

// The temporary files written so far; those not renamed are removed at the end.
class TemporaryFiles {
public:
    TemporaryFiles() = default;
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;
    ~TemporaryFiles() {
        for (const QString& name : pending_) QFile::remove(name);
    }
    void add(const QString& name) { pending_ << name; }
    void renamed(const QString& name) { pending_.removeOne(name); }

private:
    QStringList pending_;
};

std::optional<WriteFailure> ReplaceFiles(const std::vector<StagedContent>& files) {
    TemporaryFiles temporaries;
    QStringList names;
    for (const StagedContent& content : files) {
        const QFileInfo final(content.path);
        if (const std::optional<QString> problem = FinalNameProblem(final)) return WriteFailure{content.path, *problem};
        QFile file;
        if (!OpenTemporary(file, content.path)) return WriteFailure{content.path, file.errorString()};
        temporaries.add(file.fileName());
        names << file.fileName();
        // The new file keeps what the user allowed on the old one.
        if (final.exists() && !final.isSymLink()) file.setPermissions(final.permissions());
        if (!content.write(file) || !platform::SyncToDisk(file)) return WriteFailure{content.path, file.errorString()};
        file.close();
    }
    // Every file is complete on the disk before the first rename, so that
    // the renames follow one another at once.
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString reason = platform::ReplaceByRename(names[static_cast<qsizetype>(i)], files[i].path);
        if (!reason.isEmpty()) return WriteFailure{files[i].path, reason};
        temporaries.renamed(names[static_cast<qsizetype>(i)]);
    }
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
        contents.push_back({content.path, [&content](QFile& file) { return WriteLines(file, content.lines); }});
    return ReplaceFiles(contents);
}

std::optional<WriteFailure> ReplaceFileBytes(const QString& path, const QByteArray& bytes) {
    return ReplaceFiles({{path, [&bytes](QFile& file) { return file.write(bytes) == bytes.size(); }}});
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

std::optional<QString> RemoveStrayTemporaries(const QString& path) {
    const QFileInfo final(path);
    const QRegularExpression temporary(QStringLiteral("^") + QRegularExpression::escape(final.fileName()) +
                                       QRegularExpression::escape(QLatin1String(kTemporaryMark)) +
                                       QStringLiteral("[A-Za-z0-9]{") + QString::number(kTemporarySuffixLength) +
                                       QStringLiteral("}$"));
    const QFileInfoList found =
        QDir(final.path()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& stray : found) {
        if (!temporary.match(stray.fileName()).hasMatch()) continue;
        const QString shown = QDir::toNativeSeparators(stray.filePath());
        QFile file(stray.filePath());
        if (!file.remove()) {
            WriteLog(QStringLiteral("一時ファイルを削除できません ") + shown + QStringLiteral(" (") +
                     file.errorString() + QStringLiteral(")"));
            return QStringLiteral("前回の書き込みが残した次の一時ファイルを削除できませんでした。\r\n\r\n") + shown +
                   QStringLiteral("\r\n\r\nフォルダに書き込めるかを確かめてください。");
        }
        WriteLog(QStringLiteral("中断された書き込みの一時ファイルを削除 ") + shown);
    }
    return std::nullopt;
}
