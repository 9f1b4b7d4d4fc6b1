#include "app/shutdown.h"

#include "app/context.h"
#include "app/db_connection.h"
#include "app/fatal_error.h"
#include "app/run_log.h"
#include "app/runtime_error.h"

void RunShutdown(const QString& formName) {
    try {
        WriteLog(QStringLiteral("■") + formName + QStringLiteral(".cmdEnd_Click"));
        WriteLog(QStringLiteral("SQLite3Close"));
        CloseDBConnection();
        WriteLog(QStringLiteral("End"));
    } catch (const std::exception& error) {
        ReportFatalError(DescriptionOf(error));
    }
    EndProcess(0);
}
