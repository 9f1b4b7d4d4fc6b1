// The two trial balance buttons of the transaction screen's output frame:
// the fiscal year's trial balance (試算表) and its monthly layout
// (月別試算表), written under txt and opened in the desktop shell.
#include "app/context.h"
#include "app/sound_cue.h"
#include "reports/report_file.h"
#include "reports/trial_balance_report.h"
#include "store/store_common.h"
#include "ui/common/hourglass.h"
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
            Show(*refusal);
            return;
        }
        const QDate date = Calendar->selectedDate();
        const ReportValues values{.year = date.year(),
                                  .month = date.month(),
                                  .rangeIndex = 0,
                                  .userName = menu().userName(),
                                  .dbFileName = menu().dbFileName()};
        const ReportQuestion question = TrialBalanceQuestion(values, layout);
        const QString name = ctx().desktop.dialogs->inputBox(question.prompt, question.title, question.defaultName);
        if (name.isEmpty()) return;
        if (const std::optional<QString> problem = ReportFileNameProblem(name)) {
            Show(*problem);
            return;
        }
        Hourglass hourglass;
        if (const std::optional<QString> failure = WriteReport(BuildTrialBalanceReport(values, layout), name)) {
            hourglass.restore();
            Show(*failure);
            return;
        }
        ctx().desktop.shell->open(ReportPath(name));
        hourglass.restore();
        PlaySoundCue(StartCuePath());
    });
}
