#pragma once
// Whole text files replaced so that no reader ever finds one half-written:
// each file is written complete under a temporary name in its own folder and
// only then renamed over its final name. A full disk, a missing folder or a
// crash leaves the old file (or no file), never a torn one. A symbolic link
// at the final name is replaced by the new file; what it points to is left
// alone, so no write leaves the folder it was meant for.
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
// all of them are written and on the disk, so files that belong together (an
// export's pair) are not left half old, half new by a missing folder or a
// full disk. They are renamed in the order given, one right after the
// other. (A rename that fails or a crash after an earlier rename cannot be
// undone: the names are checked beforehand so that a failure is unlikely,
// and a crash leaves the later files' temporary files behind.)
std::optional<WriteFailure> ReplaceTextFiles(const std::vector<TextFileContent>& files);

// One file replaced by these bytes, the same way.
std::optional<WriteFailure> ReplaceFileBytes(const QString& path, const QByteArray& bytes);

// The same for the files the user asked for (reports, exports): a failure is
// written to the run log with the system's reason and returned as the
// message that names the file, for the screen to show.
std::optional<QString> WriteFilesForUser(const std::vector<TextFileContent>& files);

// The message for a file that could not be written.
QString CannotWriteMessage(const QString& path);

// A temporary file is named after its final file: the final name, this mark
// and this many letters or digits. The mark keeps a user's own file of a
// similar name (a ".backup" beside an export) from being taken for one.
inline constexpr char kTemporaryMark[] = ".velmo-tmp-";
inline constexpr int kTemporarySuffixLength = 6;

// Removes the temporary files that an interrupted write of the file left
// beside it (files of its name, the mark, six letters or digits), each with a
// run-log line. One that cannot be removed stops it: the reason goes to the
// run log and the message that names the file is returned.
std::optional<QString> RemoveStrayTemporaries(const QString& path);

// The longest file name, in bytes as the file system stores it, that the
// temporary name beside it still fits.
inline constexpr int kMaxFileNameBytes = 255 - (sizeof(kTemporaryMark) - 1) - kTemporarySuffixLength;
