// Recording, loading for correction, correcting and voiding transactions
// on the transaction screen.
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "app/text_utils.h"
#include "store/trade_store.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/record_line.h"
#include "ui/trade/trade_list_items.h"

TradeEntry FrmTrade::EnteredValues() const {
    return {CodeOfItem(SelectedTradeItem()), CodeOfItem(SelectedDetailItem()), txtTradeDetail->text(), txtMoney->text(),
            txtPercent->text()};
}

void FrmTrade::cmdInsert_Click() {
    TrapRunTimeErrors([this] { RecordEntry(); });
}

void FrmTrade::RecordEntry() {
    LogEntry(QStringLiteral("cmdInsert_Click"));
    QString message;
    if (!ChkInput(message)) {
        ShowMessage(message);
        return;
    }
    const QDate date = Calendar->selectedDate();
    if (!NewRecordConfirmed(date)) return;
    {
        const Hourglass hourglass;
        const TradeEntry entry = EnteredValues();
        // The record list shows three digits of the seq: a larger one could
        // never be picked again for correcting or voiding.
        if (!DBRecordT_Trade(date.year(), date.month(), date.day(), entry.tradeCd, entry.detailCd, entry.detailName,
                             entry.money, entry.rate)) {
            message = QStringLiteral("この日付の取引はすでに") + QString::number(kLastAddressableSeq) +
                      QStringLiteral("件あります。\r\n1日に登録できる取引は") + QString::number(kLastAddressableSeq) +
                      QStringLiteral("件までです。");
        } else {
            txtTradeDetail->clear();
            txtMoney->clear();
            RefreshTradeRecords();
        }
    }
    if (!message.isEmpty()) {
        ShowMessage(message);
        return;
    }
    PlaySoundCue(StartCuePath());
}

// While a record is loaded, 登録 may have been meant as its correction.
bool FrmTrade::NewRecordConfirmed(const QDate& date) {
    if (!RecordSelected()) return true;
    const int seq = DBSelT_TradeMaxSeq(date.year(), date.month(), date.day()) + 1;
    return AskYesNo(NewRecordQuestion(date, seq, EnteredValues()), platform::DefaultAnswer::No);
}

void FrmTrade::lstTradeRecord_Click() {
    if (!RecordSelected()) return;
    TrapRunTimeErrors([this] { LoadRecord(); });
}

void FrmTrade::LoadRecord() {
    const RecordKey key = RecordKeyOf(lstTradeRecord->currentItem()->text());
    const ResultTable record = DBSelTradeRecord(key.dateText, key.seq);
    const auto value = [&](const char* column) { return FindColumn(record, 1, QString::fromLatin1(column)); };
    SelectLoadedCodes(value("trade_cd"), value("detail_cd"));
    txtTradeDetail->setText(value("detail_name"));
    txtMoney->setText(value("money"));
    txtPercent->setText(value("rate"));
}

// Selects the record's trade and detail. One that the lists no longer offer
// leaves both unselected, so that a correction cannot change the record's
// codes to whatever was selected before without the user noticing.
void FrmTrade::SelectLoadedCodes(const QString& tradeCd, const QString& detailCd) {
    lstTrade->setCurrentRow(SelectListItemByPrefix(ItemTexts(lstTrade), tradeCd));
    QString missing;
    if (!lstTrade->currentItem()) {
        missing = QStringLiteral("取引CD「") + tradeCd + QStringLiteral("」は取引一覧");
    } else {
        lstTradeDetail->setCurrentRow(SelectListItemByPrefix(ItemTexts(lstTradeDetail), detailCd));
        if (lstTradeDetail->currentItem()) return;
        missing =
            QStringLiteral("取引詳細CD「") + tradeCd + QLatin1Char('-') + detailCd + QStringLiteral("」は取引詳細一覧");
        lstTrade->setCurrentRow(-1);
    }
    lstTradeDetail->setCurrentRow(-1);
    ShowMessage(QStringLiteral("この取引記録の") + missing + QStringLiteral("にありません。\r\n") +
                QStringLiteral("更新するときは、取引と取引詳細を選び直してください。"));
}

void FrmTrade::cmdUpdate_Click() {
    TrapRunTimeErrors([this] { CorrectRecord(); });
}

void FrmTrade::CorrectRecord() {
    LogEntry(QStringLiteral("cmdUpdate_Click"));
    QString message;
    if (!ChkInputUpdate(message)) {
        ShowMessage(message);
        return;
    }
    const QString line = lstTradeRecord->currentItem()->text();
    const RecordKey key = RecordKeyOf(line);
    const TradeEntry entry = EnteredValues();
    if (!AskYesNo(CorrectionQuestion(line, entry), platform::DefaultAnswer::No)) return;
    {
        const Hourglass hourglass;
        DBUpdT_TradeWithHistory(key.dateText, key.seq, entry.tradeCd, entry.detailCd, entry.detailName, entry.money,
                                entry.rate);
        RefreshTradeRecords();
        txtTradeDetail->clear();
        txtMoney->clear();
        cmdUnselect_Click();
    }
    PlaySoundCue(StartCuePath());
}

void FrmTrade::cmdDelRecord_Click() {
    TrapRunTimeErrors([this] { VoidRecord(); });
}

void FrmTrade::VoidRecord() {
    LogEntry(QStringLiteral("cmdDelRecord_Click"));
    if (!RecordSelected()) {
        ShowMessage(QStringLiteral("論理削除(無効化)する取引を一つ選択してください。"));
        return;
    }
    const QString line = lstTradeRecord->currentItem()->text();
    if (!AskYesNo(VoidQuestion(line), platform::DefaultAnswer::No)) {
        WriteLog(QStringLiteral("Exit Sub"));
        return;
    }
    const RecordKey key = RecordKeyOf(line);
    DBUpdT_TradeIsValid(key.year, key.month, key.day, key.seq);
    txtTradeDetail->clear();
    txtMoney->clear();
    RefreshTradeRecords();
}

void FrmTrade::cmdUnselect_Click() {
    TrapRunTimeErrors([this] { LogEntry(QStringLiteral("cmdUnselect_Click")); });
    lstTradeRecord->setCurrentRow(-1);
    lstTrade->setCurrentRow(-1);
    txtTradeDetail->clear();
    txtMoney->clear();
    txtPercent->clear();
    lstTradeDetail->setCurrentRow(-1);
}
