// The search frame of the transaction screen: its conditions checked, the
// results shown in the record list in its own item layout with their count
// and total, their report, and 解除 back to the period and filter options.
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "reports/search_report.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/record_line.h"
#include "ui/trade/search_input.h"
#include "ui/trade/trade_list_items.h"

#include <algorithm>

namespace {

// The items after an empty one for "any", the one chosen before kept.
void FillChoice(QComboBox* box, const QStringList& choices) {
    const QString kept = box->currentText();
    QStringList items{QString()};
    items << choices;
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(std::max(0, static_cast<int>(items.indexOf(kept))));
}

QString CodeOfChoice(const QComboBox* box) { return box->currentText().section(QLatin1Char(' '), 0, 0); }

}  // namespace

// The trades as the trade list shows them, "01 B 現金売上", without its
// gaps between the groups; the accounts as "100 現金".
void FrmTrade::FillSearchLists() {
    QStringList trades = ItemTexts(lstTrade);
    trades.removeAll(QString());
    FillChoice(cboSearchTrade, trades);
    const ResultTable accounts = DBSelM_AccountForSearch();
    QStringList items;
    for (qsizetype row = 1; row <= RowCount(accounts); ++row)
        items << QString(accounts[row]).replace(QLatin1Char('\t'), QLatin1Char(' '));
    FillChoice(cboSearchAccount, items);
}

void FrmTrade::cmdSearch_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdSearch_Click"));
        const SearchInput input{.fiscalYear = FiscalYear(),
                                .allYears = chkSearchAllYears->isChecked(),
                                .dateFrom = txtSearchDateFrom->text(),
                                .dateTo = txtSearchDateTo->text(),
                                .amountFrom = txtSearchMoneyFrom->text(),
                                .amountTo = txtSearchMoneyTo->text(),
                                .text = txtSearchText->text(),
                                .storedAmount = chkSearchStoredMoney->isChecked(),
                                .tradeCd = CodeOfChoice(cboSearchTrade),
                                .accountCd = CodeOfChoice(cboSearchAccount),
                                .withVoided = chkSearchVoided->isChecked()};
        const auto checked = CheckedSearch(input);
        if (const auto* problem = std::get_if<SearchProblem>(&checked)) {
            WriteLog(problem->message);
            ShowMessage(problem->message);
            QLineEdit* const boxes[] = {txtSearchDateFrom, txtSearchDateTo, txtSearchMoneyFrom, txtSearchMoneyTo,
                                        txtSearchText};
            QLineEdit* box = boxes[static_cast<int>(problem->field)];
            box->setFocus();
            box->selectAll();
            return;
        }
        ShownSearch = std::get<SearchConditions>(checked);
        ShownSearchText =
            SearchConditionsText(*ShownSearch, cboSearchTrade->currentText(), cboSearchAccount->currentText());
        WriteLog(QStringLiteral("検索条件:") + ShownSearchText);
        ShowSearchResults();
    });
}

void FrmTrade::ShowSearchResults() {
    WriteLog(QStringLiteral("DispSearchResults"));
    const Hourglass hourglass;
    const std::vector<SearchRow> rows = DBSelT_TradeSearch(*ShownSearch);
    QStringList items;
    for (const SearchRow& row : rows) items << TradeListItem(row.year, row.record);
    ReplaceItems(lstTradeRecord, items);
    // A voided transaction is listed for finding it, not for correcting it.
    for (int index = 0; index < static_cast<int>(rows.size()); ++index)
        if (!rows[static_cast<size_t>(index)].valid) lstTradeRecord->item(index)->setFlags(Qt::NoItemFlags);
    lblDesc->hide();
    lblSumTitle->show();
    lblSum->setText(QString::number(rows.size()) + QStringLiteral("件 \\") + QString::number(SearchTotal(rows)));
    lblSum->show();
}

void FrmTrade::cmdSearchClear_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdSearchClear_Click"));
        ShownSearch.reset();
        ShownSearchText.clear();
        optTrade_Click(TradeFilterKind());
    });
}

void FrmTrade::cmdWriteFileSearch_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdWriteFileSearch_Click"));
        if (!ShownSearch) {
            ShowMessage(QStringLiteral("先に検索してください。"));
            return;
        }
        WriteReportFile(SearchQuestion, [this](const ReportValues& values) {
            return BuildSearchReport(values, ShownSearchText, DBSelT_TradeSearch(*ShownSearch));
        });
    });
}
