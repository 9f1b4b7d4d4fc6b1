// The entry area of the transaction screen: the calendar held inside the
// fiscal year with its month list, the trade and detail lists, the presets
// and the clear buttons.
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/run_log.h"
#include "store/master_store.h"
#include "ui/common/controls.h"
#include "ui/trade/calendar_rule.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/trade_list_items.h"

#include <QStyle>

#include <algorithm>

namespace {

// The width of the place of both preset lists.
constexpr int kPresetListTwips = 495;

// Room around an item's text in a list.
constexpr int kItemMarginsPixels = 8;

// Items that show a preset, each holding the master's value it shows. The
// list grows to the right, into free space, when its place cannot show the
// widest item beside the scroll bar.
void FillPresets(QListWidget* list, const PresetList& presets, int placeWidth) {
    ReplaceItems(list, presets.items);
    int widest = 0;
    for (int row = 0; row < list->count(); ++row) {
        list->item(row)->setData(Qt::UserRole, presets.values[row]);
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(presets.items[row]));
    }
    const int needed = widest + kItemMarginsPixels + 2 * list->frameWidth() +
                       list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->resize(std::max(placeWidth, needed), list->height());
}

}  // namespace

void FrmTrade::SetLstMonth() { ReplaceItems(lstMonth, MonthItems()); }

void FrmTrade::SetLstTrade(QListWidget* list) {
    WriteLog(QStringLiteral("SetLstTrade"));
    ReplaceItems(list, TradeItems(DBSelM_Trade()));
}

void FrmTrade::SetMasterValueToList(const QString& table, const QString& column, QListWidget* list) {
    WriteLog(QStringLiteral("SetMasterValueToList"));
    FillPresets(list, PresetItems(DBSelMst(table, column), column), TwipsRect(0, 0, kPresetListTwips, 0).width());
}

void FrmTrade::cmdSetToday_Click() {
    Calendar->setDateQuietly(Today());
    Calendar_SelChange();
    AlignMonthList();
}

// Selects the calendar's month in the month list without running its handler.
void FrmTrade::AlignMonthList() {
    SkipMonthClick = true;
    const int row = Calendar->selectedDate().month() - 1;
    if (lstMonth->currentRow() == row)
        lstMonth_Click();
    else
        lstMonth->setCurrentRow(row);
    SkipMonthClick = false;
}

void FrmTrade::Calendar_SelChange() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("Calendar_NewMonth "));
        Calendar->setDateQuietly(KeepInsideFiscalYear(Calendar->selectedDate(), FiscalYear()));
        const QDate date = Calendar->selectedDate();
        const RefreshKey key{date.month(), date.day(), static_cast<qint8>(RangeKind()), TradeFilterKind()};
        if (key != LastRefreshKey) {
            RefreshTradeRecords();
            LastRefreshKey = key;
        }
        AlignMonthList();
        cmdSetToday->setEnabled(Calendar->selectedDate() != Today());
        lstTradeRecord->setCurrentRow(-1);
        txtMoney->clear();
        WriteLog(QStringLiteral("Calendar_SelChange Finished"));
    });
}

void FrmTrade::lstMonth_Click() {
    if (SkipMonthClick) {
        SkipMonthClick = false;
        return;
    }
    if (!lstMonth->currentItem()) return;
    const QString item = lstMonth->currentItem()->text();
    TrapRunTimeErrors([&] { LogEntry(QStringLiteral("lstMonth_Click:") + item); });
    Calendar->setDateQuietly(QDate(FiscalYear(), MonthOfItem(item), 1));
    Calendar_SelChange();
}

void FrmTrade::lstTrade_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("lstTrade_Click"));
        const Hourglass hourglass;
        ShowTradeDetails();
        LoadPhraseList(QString(), QString());
        if (!RecordSelected()) RefreshTradeRecords();
    });
}

void FrmTrade::ShowTradeDetails() {
    const QString trade = SelectedTradeItem();
    WriteLog(QStringLiteral("DBSelM_TradeDetail"));
    const ResultTable details = DBSelM_TradeDetail(CodeOfItem(trade));
    WriteLog(QStringLiteral("詳細一覧に表示"));
    const bool shared = ClassOfItem(trade) == kSharedTradeClass;
    ReplaceItems(lstTradeDetail, DetailItems(details, shared));
    ShowPercentControls(shared);
    if (!shared) txtPercent->setText(QStringLiteral("100"));
}

void FrmTrade::ShowPercentControls(bool shown) {
    for (QWidget* control : std::initializer_list<QWidget*>{lblPercentOnly, lblPercentList, cmdClear[2], lblPercent,
                                                            txtPercent, lstPercent})
        control->setVisible(shown);
}

void FrmTrade::lstTradeDetail_Click() {
    // Nothing selected, nothing to take over.
    if (!lstTradeDetail->currentItem()) return;
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("lstTradeDetail_Click"));
        const QString trade = CodeOfItem(SelectedTradeItem());
        const QString detail = CodeOfItem(SelectedDetailItem());
        const ResultTable defaults = DBSelTradeDetail(trade, detail);
        LoadPhraseList(trade, detail);
        if (!RecordSelected()) {
            txtTradeDetail->setText(FindColumn(defaults, 1, QStringLiteral("detail_name")));
            txtPercent->setText(FindColumn(defaults, 1, QStringLiteral("rate")));
            txtMoney->clear();
            RefreshTradeRecords();
        }
        txtTradeDetail->setFocus();
    });
}

void FrmTrade::lstMoney_Click() {
    if (const QListWidgetItem* item = lstMoney->currentItem()) txtMoney->setText(item->data(Qt::UserRole).toString());
}

void FrmTrade::lstPercent_Click() {
    if (const QListWidgetItem* item = lstPercent->currentItem())
        txtPercent->setText(item->data(Qt::UserRole).toString());
}

void FrmTrade::cmdClear_Click(int index) {
    TrapRunTimeErrors([this] { LogEntry(QStringLiteral("cmdClear_Click")); });
    const KeptSelection* selection = clearTargets[index];
    QLineEdit* target = selection->box();
    if (selection->length() > 0)
        target->setText(target->text().remove(selection->start(), selection->length()));
    else
        target->clear();
    target->update();
    target->setFocus();
}
