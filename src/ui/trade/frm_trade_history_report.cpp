// The correction and deletion history report of the transaction screen:
// the file name asked for, the report written under txt and opened.
#include "app/context.h"
#include "app/sound_cue.h"
#include "reports/history_report.h"
#include "reports/report_file.h"
#include "store/store_common.h"
#include "ui/common/hourglass.h"
#include "ui/trade/frm_trade.h"

void FrmTrade::cmdWriteFileHistory_Click() {
    TrapRunTimeErrors([this] { WriteHistoryReport(); });
}

void FrmTrade::WriteHistoryReport() {
    LogEntry(QStringLiteral("cmdWriteFileHistory_Click"));
    const ReportValues values{.year = Calendar->selectedDate().year(),
                              .month = Calendar->selectedDate().month(),
                              .rangeIndex = RangeKind(),
                              .userName = menu().userName(),
                              .dbFileName = menu().dbFileName()};
    const ReportQuestion question = HistoryQuestion(values);
    const QString name = ctx().desktop.dialogs->inputBox(question.prompt, question.title, question.defaultName);
    if (name.isEmpty()) return;
    Hourglass hourglass;
    if (const std::optional<QString> problem = WriteReport(BuildHistoryReport(values), name)) {
        hourglass.restore();
        Show(*problem);
        return;
    }
    ctx().desktop.shell->open(ReportPath(name));
    hourglass.restore();
    PlaySoundCue(StartCuePath());
}
