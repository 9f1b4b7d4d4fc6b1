// Bank and card statements recorded as transactions from the transaction
// screen: the import dialog, and the record list refreshed after it.
#include "app/error_trap.h"
#include "ui/trade/frm_trade.h"

void FrmTrade::cmdInputCSV_Click() {
    TrapRunTimeErrors([this] { LogEntry(QStringLiteral("cmdInputCSV_Click")); });
    if (frmImport->Run(FiscalYear())) TrapRunTimeErrors([this] { RefreshTradeRecords(); });
}
