// The correction and deletion history report of the transaction screen:
// the same file-name question, writing and opening as the other reports.
#include "app/error_trap.h"
#include "reports/history_report.h"
#include "ui/trade/frm_trade.h"

void FrmTrade::cmdWriteFileHistory_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileHistory_Click"));
        WriteReportFile(HistoryQuestion, BuildHistoryReport);
    });
}
