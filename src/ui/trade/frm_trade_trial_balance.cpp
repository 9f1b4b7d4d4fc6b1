// The two trial balance buttons of the transaction screen's output frame:
// the fiscal year's trial balance (試算表) and its monthly layout
// (月別試算表), written under txt and opened in the desktop shell.
#include "app/error_trap.h"
#include "app/message_box.h"
#include "reports/trial_balance_report.h"
#include "ui/trade/frm_trade.h"

void FrmTrade::cmdWriteFileTrialBalance_Click() {
    WriteTrialBalance(TrialBalanceLayout::Totals, QStringLiteral("cmdWriteFileTrialBalance_Click"));
}

void FrmTrade::cmdWriteFileMonthlyTrialBalance_Click() {
    WriteTrialBalance(TrialBalanceLayout::Monthly, QStringLiteral("cmdWriteFileMonthlyTrialBalance_Click"));
}

void FrmTrade::WriteTrialBalance(TrialBalanceLayout layout, const QString& procedure) {
    TrapRunTimeErrors([&] {
        LogEntry(procedure);
        if (const std::optional<QString> refusal = TrialBalanceRefusal(lblYear->text())) {
            ShowMessage(*refusal);
            return;
        }
        // A trial balance is always of the whole year, whatever period the list shows.
        const auto wholeYear = [](ReportValues values) {
            values.rangeIndex = 0;
            return values;
        };
        WriteReportFile([&](const ReportValues& v) { return TrialBalanceQuestion(wholeYear(v), layout); },
                        [&](const ReportValues& v) { return BuildTrialBalanceReport(wholeYear(v), layout); });
    });
}
