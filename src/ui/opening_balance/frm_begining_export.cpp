// The opening balance screen's export frame: the user name and the opening
// balance sheet of the year for the receiving program, and the button that
// opens the folder they went to.
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "export/opening_balance_export.h"
#include "reports/opening_sheet_ways.h"
#include "store/opening_balance_store.h"
#include "ui/common/export_buttons.h"
#include "ui/opening_balance/frm_begining.h"

namespace {

// The receiving program would read an empty sheet as the year's opening
// balances: a year whose rows were never created exports nothing.
const QString kNoSheetMessage = QStringLiteral(
    "ルパかんたん会計のデータを作成するには，貸借対照表期首データが必要です。\r\n"
    "貸借対照表期首データを作成(初期データ作成)してください。");

}  // namespace

void FrmBegining::cmdSaveFiles_Click() {
    TrapRunTimeErrors([this] { SaveExportFiles(); });
}

void FrmBegining::SaveExportFiles() {
    LogEntry(QStringLiteral("cmdSave_Click"));
    if (!DBSelBS_Begining(txtYear->text())) {
        ShowMessage(kNoSheetMessage + QStringLiteral("\r\n") + kOpeningSheetWays);
        WriteLog(kNoSheetMessage);
        return;
    }
    if (QString message; !ChkSumAssetDebit(message)) {
        ShowMessage(message);
        WriteLog(message);
        return;
    }
    FinishExport(WriteOpeningBalanceExport(txtYear->text(), txtGengou->text(), menu().userName()),
                 QStringLiteral("作成しました"));
}

void FrmBegining::cmdOpenFolder_Click() {
    LogEntry(QStringLiteral("cmdOpenFolder_Click"));
    if (const std::optional<QString> folder = ExportFolderToOpen()) {
        WriteLog(QStringLiteral("ShellExecute"));
        OpenWithShell(*folder);
    }
}
