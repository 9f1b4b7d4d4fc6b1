// The transaction screen's output frames: the four text reports, each asked
// for its file name and opened in the shell once written, and the journal
// export for the receiving program with the button that opens its folder.
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "export/journal_export.h"
#include "reports/general_ledger.h"
#include "reports/insurance_report.h"
#include "reports/journal_report.h"
#include "reports/report_file.h"
#include "reports/trade_record_report.h"
#include "ui/common/export_buttons.h"
#include "ui/trade/frm_trade.h"

#include <QDir>

ReportValues FrmTrade::ShownReportValues() const {
    const QDate date = Calendar->selectedDate();
    return {.year = date.year(),
            .month = date.month(),
            .rangeIndex = RangeKind(),
            .userName = menu().userName(),
            .dbFileName = menu().dbFileName()};
}

std::optional<QString> FrmTrade::AskReportFileName(const ReportQuestion& question) const {
    QString preset = question.defaultName;
    for (;;) {
        const QString name = AskText(question.prompt, question.title, preset);
        if (name.isEmpty()) return std::nullopt;
        const std::optional<QString> problem = ReportFileNameProblem(name);
        if (!problem) return name;
        // Asked again with the name as typed, for the user to mend it.
        ShowMessage(*problem);
        preset = name;
    }
}

void FrmTrade::WriteReportFile(const std::function<ReportQuestion(const ReportValues&)>& question,
                               const std::function<QStringList(const ReportValues&)>& build) {
    WriteReportFile(question, [&build](const ReportValues& values) { return SourceOf(build(values)); });
}

void FrmTrade::WriteReportFile(const std::function<ReportQuestion(const ReportValues&)>& question,
                               const std::function<LineSource(const ReportValues&)>& build) {
    const ReportValues values = ShownReportValues();
    const std::optional<QString> name = AskReportFileName(question(values));
    if (!name) return;
    Hourglass hourglass;
    if (const std::optional<QString> failure = WriteReport(build(values), *name)) {
        hourglass.restore();
        ShowMessage(*failure);
        return;
    }
    const QString path = ReportPath(*name);
    WriteLog(QStringLiteral("出力ファイル:") + QDir::toNativeSeparators(path));
    hourglass.restore();
    if (OpenWithShell(path)) PlaySoundCue(StartCuePath());
}

void FrmTrade::cmdWriteFileJournal_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileJournal_Click"));
        WriteReportFile(JournalQuestion, BuildJournalReport);
    });
}

void FrmTrade::cmdWriteFileTrade_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileTrade_Click"));
        WriteReportFile(TradeRecordQuestion, BuildTradeRecordReport);
    });
}

void FrmTrade::cmdWriteFileGeneralLedger_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileGeneralLedger_Click"));
        if (const std::optional<QString> refusal = GeneralLedgerRefusal(lblYear->text())) {
            ShowMessage(*refusal);
            return;
        }
        WriteReportFile(GeneralLedgerQuestion, GeneralLedgerReport);
    });
}

void FrmTrade::cmdWriteFileInsurance_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileSInsurance_Click"));
        WriteReportFile(InsuranceQuestion, BuildInsuranceReport);
    });
}

void FrmTrade::cmdRupaFiles_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdRupaFiles_Click"));
        Hourglass hourglass;
        const std::optional<QString> failure = WriteJournalExport(lblYear->text(), lblGengou->text());
        hourglass.restore();
        FinishExport(failure, QStringLiteral("出力しました。"));
    });
}

void FrmTrade::cmdOpenFolder_Click() {
    LogEntry(QStringLiteral("cmdOpenFolder_Click"));
    if (const std::optional<QString> folder = ExportFolderToOpen()) OpenWithShell(*folder);
}
