// The checks of the transaction screen's entry before recording and
// correcting: the failed check's message, and the focus on what to fix.
#include "app/run_log.h"
#include "ui/trade/frm_trade.h"

bool FrmTrade::ChkInput(QString& message) {
    WriteLog(QStringLiteral("ChkInput"));
    return Passed(CheckNewEntry(EnteredState()), message);
}

bool FrmTrade::ChkInputUpdate(QString& message) {
    WriteLog(QStringLiteral("ChkInputUpdate"));
    return Passed(CheckCorrection(EnteredState()), message);
}

bool FrmTrade::Passed(const std::optional<EntryProblem>& problem, QString& message) {
    if (!problem) {
        // The box shows the number as it is recorded.
        for (NumberBox* box : {txtMoney, txtPercent}) box->showNumberText();
        return true;
    }
    message = problem->message;
    ControlOf(problem->field)->setFocus();
    return false;
}

EntryState FrmTrade::EnteredState() const {
    return {RecordSelected(),
            lstTrade->currentItem() != nullptr,
            lstTradeDetail->currentItem() != nullptr,
            txtTradeDetail->text(),
            txtMoney->numberText(),
            txtPercent->numberText()};
}

QWidget* FrmTrade::ControlOf(EntryField field) const {
    switch (field) {
        case EntryField::RecordList:
            return lstTradeRecord;
        case EntryField::TradeList:
            return lstTrade;
        case EntryField::DetailList:
            return lstTradeDetail;
        case EntryField::Summary:
            return txtTradeDetail;
        case EntryField::Money:
            return txtMoney;
        case EntryField::Percent:
            break;
    }
    return txtPercent;
}
