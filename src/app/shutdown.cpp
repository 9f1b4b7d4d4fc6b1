#include "app/shutdown.h"

#include "app/context.h"
#include "app/db_connection.h"
#include "app/run_log.h"

void RunShutdown(const QString& formName) {
    WriteLog(QStringLiteral("■") + formName + QStringLiteral(".cmdEnd_Click"));
    WriteLog(QStringLiteral("SQLite3Close"));
    CloseDBConnection();
    WriteLog(QStringLiteral("End"));
    EndProcess(0);
}
