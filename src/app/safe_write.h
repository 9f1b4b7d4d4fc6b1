#pragma once
// Whole text files replaced so that no reader ever finds one half-written:
// each file is written complete under a temporary name in its own folder and
// only then renamed over its final name. A full disk, a missing folder or a
// crash leaves the old file (or no file), never a torn one.
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// The lines of a text handed to `put` one by one, in order, as they are
// built: a big report is written while it is built, never held whole.
using LineSink = std::function<void(const QString& line)>;
using LineSource = std::function<void(const LineSink& put)>;

// The lines of a text built whole, from element `first` on.
LineSource SourceOf(QStringList lines, qsizetype first = 0);

// A file's whole text: its lines, each followed by CR LF, in Shift_JIS.
struct TextFileContent {
    QString path;
    LineSource lines;
};

struct WriteFailure {
    QString path;
    QString reason;  // the system's own words, for the run log
};

// Writes every file of the set; none is renamed over its final name until
// all of them are written, so files that belong together (an export's pair)
// are not left half old, half new by a missing folder or a full disk. (A
// rename that fails after an earlier one succeeded is reported but cannot
// be undone; the names are checked beforehand so that this does not happen.)
std::optional<WriteFailure> ReplaceTextFiles(const std::vector<TextFileContent>& files);

// One file replaced by these bytes, the same way.
std::optional<WriteFailure> ReplaceFileBytes(const QString& path, const QByteArray& bytes);

// The same for the files the user asked for (reports, exports): a failure is
// written to the run log with the system's reason and returned as the
// message that names the file, for the screen to show.
std::optional<QString> WriteFilesForUser(const std::vector<TextFileContent>& files);

// The message for a file that could not be written.
QString CannotWriteMessage(const QString& path);

// The longest file name, in bytes as the file system stores it, that the
// temporary name beside it still fits.
inline constexpr int kMaxFileNameBytes = 255 - 7;
