#include "app/fatal_error.h"
#include "app/message_box.h"

#include "app/context.h"
#include "app/db_connection.h"
#include "app/identity.h"
#include "app/run_log.h"

namespace {

// The contact message for an error with that description.
QString FatalErrorMessage(const QString& errorDescription) {
    return kAppTitle + QStringLiteral(" Ver") + VersionText() + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Err.Desc=") + errorDescription + QStringLiteral("\r\n\r\n") +
           QStringLiteral("プログラムを終了します。\r\n\r\n") +
           QStringLiteral("ベルモソフトに連絡するときは，以下のファイルを添付して電子メールで連絡してください\r\n") +
           QStringLiteral("　(1)エラーが起きたときのログファイル\r\n") + QStringLiteral("　(2)画面のハードコピー\r\n") +
           QStringLiteral("　(3)(できれば)DBファイル");
}

}  // namespace

void ReportFatalError(const QString& errorDescription) {
    WriteLogOnTheWayOut(QStringLiteral("SQLite3Close"));
    CloseDBConnection();
    const QString message = FatalErrorMessage(errorDescription);
    WriteLogOnTheWayOut(message);
    ShowMessage(message, kErrorTitle);
    EndProcess(1);
}
