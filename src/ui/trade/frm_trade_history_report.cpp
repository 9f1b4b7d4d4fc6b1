// The correction and deletion history report of the transaction screen:
// the same file-name question, writing and opening as the other reports.
#include "reports/history_report.h"
#include "store/store_common.h"
#include "ui/trade/frm_trade.h"

void FrmTrade::cmdWriteFileHistory_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileHistory_Click"));
        WriteReportFile(HistoryQuestion, BuildHistoryReport);
    });
}
