// The summary phrase list of the transaction screen: the phrase files beside
// the program, one per trade and detail and one general, in Shift_JIS.
#include "app/context.h"
#include "app/desktop_calls.h"
#include "app/message_box.h"
#include "app/paths.h"
#include "app/text_file.h"
#include "encoding/text_file_check.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/trade_list_items.h"

namespace {

// ExeFolder\List<trade>-<detail>.txt; either code may be empty.
QString PhraseListFile(const QString& tradeCd, const QString& detailCd) {
    return ExePath(QStringLiteral("List") + tradeCd + QLatin1Char('-') + detailCd + QStringLiteral(".txt"));
}

}  // namespace

void FrmTrade::LoadPhraseList(const QString& tradeCd, const QString& detailCd) {
    const QString path = PhraseListFile(tradeCd, detailCd);
    if (!FileExists(path)) {
        ShowPhraseList(false);
        return;
    }
    QString message;
    if (ChkTextFileSJIS(path, message)) {
        ShowPhraseList(true);
        ReplaceItems(lstAbst, ReadTextFileLines(path));
        return;
    }
    if (AskYesNo(message, platform::DefaultAnswer::Yes))
        OpenWithShell(path);
    else
        ShowPhraseList(false);
}

void FrmTrade::ShowPhraseList(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{lblAbst, lstAbst, cmdEditList}) control->setVisible(shown);
}

void FrmTrade::lstAbst_Click() {
    if (const QListWidgetItem* item = lstAbst->currentItem()) txtTradeDetail->setText(item->text());
}

void FrmTrade::cmdEditList_Click() {
    OpenWithShell(PhraseListFile(CodeOfItem(SelectedTradeItem()), CodeOfItem(SelectedDetailItem())));
}
