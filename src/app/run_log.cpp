#include "app/run_log.h"

#include "app/context.h"
#include "app/date_text.h"
#include "app/desktop_calls.h"
#include "app/identity.h"
#include "app/runtime_error.h"
#include "app/text_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

void AppendLogLine(const QString& path, const QString& text) {
    const QString indent = text.startsWith(QStringLiteral("■")) ? QString() : QStringLiteral("  ");
    AppendLineToTextFile(path, Now().toString(QStringLiteral("HH:mm:ss ")) + indent + text);
}

void WriteHeader(const QString& path) {
    if (QFileInfo::exists(path)) return;
    WriteFileAryToTextFile(
        {QStringLiteral("App.Title=") + kAppTitle + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" ログ"),
         QStringLiteral("App.EXEName=") + kExeName,
         QStringLiteral("Date=") + DateWithWeekday(Now().date()) + QStringLiteral(" ")},
        0, path);
}

}  // namespace

void WriteLog(const QString& text) { AppendLogLine(ctx().runLogPath, text); }

void WriteLogOnTheWayOut(const QString& text) {
    try {
        WriteLog(text);
    } catch (const RunTimeError&) {
        // The message the caller is about to show says what went wrong.
    }
}

void WriteStartupLog(const QString& text) { AppendLogLine(StartupLogPath(), text); }

void WriteRunLogHeader(const QString& path) { WriteHeader(path); }

void WriteStartupLogHeader() { WriteHeader(StartupLogPath()); }

QString StartupLogPath() { return ExePath(kAppTitle + QStringLiteral("_log.txt")); }

QString RunLogPathAt(const QDateTime& start) {
    return AppPath(QStringLiteral("log") + QDir::separator() + QStringLiteral("log") +
                   start.toString(QStringLiteral("_yyyy_MMdd-HHmm_ss")) + QStringLiteral(".txt"));
}
