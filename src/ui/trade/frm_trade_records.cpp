// The record list of the transaction screen: the period and filter options,
// the refresh and the total of the listed business shares.
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "store/trade_store.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/record_line.h"
#include "ui/trade/trade_list_items.h"

namespace {

// Rows named in one message; the rest are counted.
constexpr qsizetype kOddRowsNamed = 10;

int CheckedIndex(const std::array<QRadioButton*, 3>& options) {
    if (options[0]->isChecked()) return 0;
    return options[1]->isChecked() ? 1 : 2;
}

}  // namespace

int FrmTrade::RangeKind() const { return CheckedIndex(optRange); }

int FrmTrade::TradeFilterKind() const { return CheckedIndex(optTrade); }

void FrmTrade::RefreshTradeRecords() {
    // A search stays in force through corrections and the calendar, until 解除.
    if (ShownSearch) return ShowSearchResults();
    DispTradeRecords(Calendar->selectedDate(), RangeKind(), TradeFilterKind(), lstTradeRecord);
}

void FrmTrade::DispTradeRecords(const QDate& date, int rangeKind, int tradeFilterKind, QListWidget* list) {
    WriteLog(QStringLiteral("DispTradeRecords"));
    const Hourglass hourglass;
    const QString year = date.toString(QStringLiteral("yyyy"));
    const QString month = rangeKind >= 1 ? date.toString(QStringLiteral("MM")) : QString();
    const QString day = rangeKind == 2 ? date.toString(QStringLiteral("dd")) : QString();
    QStringList oddRows;
    if (tradeFilterKind == 0) {
        QStringList items;
        DBSelT_TradeRecordsYM(year, month, day, ItemsInto(items, year), &oddRows);
        ReplaceItems(list, items);
        lblDesc->hide();
        NameOddRows(oddRows);
        return;
    }
    const QString trade = SelectedTradeItem();
    const QString detail = tradeFilterKind == 2 ? CodeOfItem(SelectedDetailItem()) : QString();
    QStringList items;
    DBSelT_TradeRecordsYMTD(year, month, day, CodeOfItem(trade), detail, ItemsInto(items, year), &oddRows);
    ReplaceItems(list, items);
    lblSumTitle->show();
    lblSum->setText(DBSelT_TradeSumYMTD(year, month, day, CodeOfItem(trade), detail));
    lblSum->show();
    lblDesc->setVisible(ClassOfItem(trade) == kSharedTradeClass);
    NameOddRows(oddRows);
}

void FrmTrade::NameOddRows(const QStringList& oddRows) {
    QStringList named;
    for (const QString& row : oddRows)
        if (!NamedOddRows.contains(row)) named << row;
    if (named.isEmpty()) return;
    NamedOddRows << named;
    QStringList lines{QStringLiteral("次の取引記録に、このプログラムでは読めない値があります。"),
                      QStringLiteral("一覧と帳票では金額・割合を0として扱います。"),
                      QStringLiteral("取引記録を選んで訂正するか、論理削除(無効化)してください。"), QString()};
    lines << named.mid(0, kOddRowsNamed);
    if (named.size() > kOddRowsNamed)
        lines << QStringLiteral("ほか") + QString::number(named.size() - kOddRowsNamed) + QStringLiteral("件");
    const QString message = lines.join(QStringLiteral("\r\n"));
    WriteLog(message);
    ShowMessage(message);
}

void FrmTrade::optRange_Click(int index) {
    TrapRunTimeErrors([this, index] {
        LogEntry(QStringLiteral("optRange_Click ") + (index == 0 ? QStringLiteral("当年") : QStringLiteral("当月")));
        lblTerm->setText(index == 0 ? QStringLiteral("当年度の") : QStringLiteral("当月の"));
        RefreshTradeRecords();
    });
}

void FrmTrade::optTrade_Click(int index) {
    if (index == 0) {
        lblSumTitle->hide();
        lblSum->hide();
    } else {
        if (index == 1 && !lstTrade->currentItem()) {
            ShowMessage(QStringLiteral("取引一覧から取引を選択してください。"));
            return;
        }
        if (index == 2 && !lstTradeDetail->currentItem()) {
            ShowMessage(QStringLiteral("取引詳細一覧から取引を選択してください。"));
            return;
        }
        lblSumTitle->show();
        lblSum->show();
    }
    RefreshTradeRecords();
}
