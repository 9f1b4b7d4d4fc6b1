// The import dialog's lines: the chosen line shown below the preview, and
// the user's changes of its trade, summary, percentage and leaving it out.
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/identity.h"
#include "app/run_log.h"
#include "app/text_utils.h"
#include "store/import_store.h"
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"

namespace {

QString CodeOf(const QListWidgetItem* item) { return item ? item->text().left(2) : QString(); }

}  // namespace

std::vector<PreviewLine*> FrmImport::SelectedLines() {
    std::vector<PreviewLine*> selected;
    for (const QModelIndex& index : tblPreview->selectionModel()->selectedRows()) {
        PreviewLine& line = lines_[static_cast<size_t>(index.row())];
        if (line.status != LineStatus::Unreadable) selected.push_back(&line);
    }
    return selected;
}

void FrmImport::tblPreview_SelChange() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        const std::vector<PreviewLine*> selected = SelectedLines();
        const bool was = std::exchange(showing_, true);
        FrameLine->setEnabled(!selected.empty());
        const PreviewLine shown = selected.empty() ? PreviewLine{} : *selected.front();
        lstLineTrade->setCurrentRow(SelectListItemByPrefix(ItemTexts(lstLineTrade), shown.tradeCd + QLatin1Char(' ')));
        FillDetailList(shown.tradeCd);
        lstLineDetail->setCurrentRow(
            SelectListItemByPrefix(ItemTexts(lstLineDetail), shown.detailCd + QLatin1Char(' ')));
        txtLineSummary->setText(shown.summary);
        txtLinePercent->setText(shown.rate);
        txtLinePercent->setEnabled(TakesPercentage(books_, shown.tradeCd));
        chkLineLeftOut->setChecked(shown.leftOut);
        showing_ = was;
    });
}

void FrmImport::lstTrade_Click() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        const bool was = std::exchange(showing_, true);
        FillDetailList(CodeOf(lstLineTrade->currentItem()));
        showing_ = was;
    });
}

void FrmImport::lstTradeDetail_Click() {
    if (showing_ || !lstLineTrade->currentItem() || !lstLineDetail->currentItem()) return;
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("lstTradeDetail_Click"));
        const std::vector<PreviewLine*> selected = SelectedLines();
        if (selected.empty()) return;
        const QString tradeCd = CodeOf(lstLineTrade->currentItem());
        const QString detailCd = CodeOf(lstLineDetail->currentItem());
        for (PreviewLine* line : selected) ChooseTrade(*line, books_, tradeCd, detailCd);
        const PreviewLine chosen = *selected.front();
        UpdateStatuses(lines_, books_);
        FillPreview();
        tblPreview_SelChange();
        OfferRule(chosen);
    });
}

// A trade picked for a line is offered as a rule for the lines whose text
// holds the same words and that go the same way.
void FrmImport::OfferRule(const PreviewLine& line) {
    const QString contains =
        AskText(QStringLiteral("次の文字を含む") + DirectionName(line.direction) +
                    QStringLiteral("の行には、次からもこの取引を使いますか？\r\n") +
                    QStringLiteral("使うときは含む文字を確かめてOKを、使わないときはキャンセルを押してください。"),
                kAppTitle, line.text.simplified())
            .trimmed();
    if (contains.isEmpty()) return;
    DBInsImportRule(DirectionCode(line.direction), contains, line.tradeCd, line.detailCd,
                    TakesPercentage(books_, line.tradeCd) ? line.rate : QString());
    books_.rules = LoadRules();
    RefreshLines();
    FillRules();
}

void FrmImport::txtSummary_Change() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        for (PreviewLine* line : SelectedLines()) line->summary = txtLineSummary->text();
        UpdateStatuses(lines_, books_);
        FillPreview();
    });
}

void FrmImport::txtPercent_Change() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        for (PreviewLine* line : SelectedLines())
            if (TakesPercentage(books_, line->tradeCd)) line->rate = txtLinePercent->text();
        UpdateStatuses(lines_, books_);
        FillPreview();
    });
}

void FrmImport::chkLeaveOut_Click() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        for (PreviewLine* line : SelectedLines()) line->leftOut = chkLineLeftOut->isChecked();
        UpdateStatuses(lines_, books_);
        FillPreview();
    });
}
