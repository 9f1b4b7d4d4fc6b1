#include "golden_log.h"

#include "app/context.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString DataPath(const QString& relative) { return SourcePath(QStringLiteral("tests/data/") + relative); }

// Mirrors the golden's place under tests/data/, so that scripts/accept-goldens.sh
// finds its way back to the golden from the file alone.
QString ActualPath(const QString& relative) {
    return QStringLiteral(VELMO_BINARY_DIR "/goldens/") + relative + QStringLiteral(".actual");
}

}  // namespace

std::string GoldenDiff(const QString& relative, const QByteArray& actual) {
    QFile golden(DataPath(relative));
    const bool found = golden.open(QIODevice::ReadOnly);
    const QByteArray expected = found ? golden.readAll() : QByteArray();
    QFile review(ActualPath(relative));
    if (found && expected == actual) {
        // An output left by an earlier failing run is no longer one to accept.
        if (review.exists() && !review.remove()) return "cannot remove " + review.fileName().toStdString();
        return {};
    }
    const bool kept = QDir().mkpath(QFileInfo(review).absolutePath()) && review.open(QIODevice::WriteOnly) &&
                      review.write(actual) == actual.size();
    const std::string whole =
        (kept ? "\n  whole output: " : "\n  whole output could not be written to: ") + review.fileName().toStdString();
    if (!found) return "missing golden file " + golden.fileName().toStdString() + whole;
    const QStringList want = platform::fromCp932(expected).split(QStringLiteral("\r\n"));
    const QStringList got = platform::fromCp932(actual).split(QStringLiteral("\r\n"));
    qsizetype line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line]) ++line;
    return "differs from " + golden.fileName().toStdString() + " at line " + std::to_string(line + 1) +
           "\n  expected: " + want.value(line).toStdString() + "\n  actual:   " + got.value(line).toStdString() + whole;
}

std::string CasesDiff(const QString& relative, const QStringList& inputs,
                      const std::function<QString(const QString&)>& result) {
    QString text;
    for (const QString& input : inputs)
        text += QLatin1Char('[') + input + QStringLiteral("] ") + result(input) + QStringLiteral("\r\n");
    return GoldenDiff(relative, Sjis(text));
}

QString DataText(const QString& relative) {
    QFile file(DataPath(relative));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void LogResult(const QStringList& texts) {
    for (const QString& text : texts) WriteLog(QLatin1Char('[') + text + QLatin1Char(']'));
}

void LogDialogs(std::vector<ShownBox>& shown) {
    for (const ShownBox& box : shown)
        WriteLog(QStringLiteral("box ") + box.kind + QLatin1Char(' ') + box.title +
                 (box.preset.isEmpty() ? QString() : QStringLiteral(" [") + box.preset + QLatin1Char(']')) +
                 QStringLiteral(": ") + box.text);
    shown.clear();
}

void LogRunTimeError(const std::function<void()>& call) {
    try {
        call();
    } catch (const RunTimeError&) {
        WriteLog(QStringLiteral("RunTimeError"));
    }
}
