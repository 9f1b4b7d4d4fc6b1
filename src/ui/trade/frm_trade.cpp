// The transaction screen: its controls wired to their handlers, loading and
// activation, and what the handlers of every area share.
#include "ui/trade/frm_trade.h"

#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "ui/common/controls.h"
#include "ui/trade/trade_list_items.h"

#include <QGuiApplication>
#include <QHideEvent>
#include <QScreen>

FrmTrade::FrmTrade(const MenuValues& menu, QWidget* parent) : WorkingScreen(QStringLiteral("frmTrade"), menu, parent) {
    PlaceControls();
    // The calendar would open on the system's date; the clock tells today.
    Calendar->setDateQuietly(Today());
    WireHandlers();
}

void FrmTrade::WireHandlers() {
    connect(Calendar, &MonthCalendar::dateChosen, this, &FrmTrade::Calendar_SelChange);
    connect(cmdSetToday, &QPushButton::clicked, this, &FrmTrade::cmdSetToday_Click);
    connect(lstMonth, &ListBox::Click, this, &FrmTrade::lstMonth_Click);
    connect(lstTrade, &ListBox::Click, this, &FrmTrade::lstTrade_Click);
    connect(lstTradeDetail, &ListBox::Click, this, &FrmTrade::lstTradeDetail_Click);
    connect(lstMoney, &ListBox::Click, this, &FrmTrade::lstMoney_Click);
    connect(lstPercent, &ListBox::Click, this, &FrmTrade::lstPercent_Click);
    clearTargets = {new KeptSelection(txtMoney), new KeptSelection(txtTradeDetail), new KeptSelection(txtPercent)};
    for (int index = 0; index < static_cast<int>(cmdClear.size()); ++index) {
        // A click leaves the focus in the box; Tab still reaches the button.
        cmdClear[index]->setFocusPolicy(Qt::TabFocus);
        connect(cmdClear[index], &QPushButton::clicked, this, [this, index] { cmdClear_Click(index); });
    }
    connect(rangeGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) optRange_Click(id);
    });
    connect(tradeGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) optTrade_Click(id);
    });
    connect(cmdInsert, &QPushButton::clicked, this, &FrmTrade::cmdInsert_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &FrmTrade::cmdUpdate_Click);
    connect(lstTradeRecord, &ListBox::Click, this, &FrmTrade::lstTradeRecord_Click);
    connect(cmdDelRecord, &QPushButton::clicked, this, &FrmTrade::cmdDelRecord_Click);
    connect(cmdUnselect, &QPushButton::clicked, this, &FrmTrade::cmdUnselect_Click);
    connect(lstAbst, &ListBox::Click, this, &FrmTrade::lstAbst_Click);
    connect(cmdEditList, &QPushButton::clicked, this, &FrmTrade::cmdEditList_Click);
    connect(cmdInputCSV, &QPushButton::clicked, this, &FrmTrade::cmdInputCSV_Click);
    const std::pair<QPushButton*, void (FrmTrade::*)()> outputs[] = {
        {cmdWriteFileJournal, &FrmTrade::cmdWriteFileJournal_Click},
        {cmdWriteFileTrade, &FrmTrade::cmdWriteFileTrade_Click},
        {cmdWriteFileGeneralLedger, &FrmTrade::cmdWriteFileGeneralLedger_Click},
        {cmdWriteFileInsurance, &FrmTrade::cmdWriteFileInsurance_Click},
        {cmdWriteFileTrialBalance, &FrmTrade::cmdWriteFileTrialBalance_Click},
        {cmdWriteFileMonthlyTrialBalance, &FrmTrade::cmdWriteFileMonthlyTrialBalance_Click},
        {cmdWriteFileHistory, &FrmTrade::cmdWriteFileHistory_Click},
        {cmdRupaFiles, &FrmTrade::cmdRupaFiles_Click},
        {cmdOpenFolder, &FrmTrade::cmdOpenFolder_Click},
    };
    for (const auto& [button, handler] : outputs) connect(button, &QPushButton::clicked, this, handler);
    connect(cmdSearch, &QPushButton::clicked, this, &FrmTrade::cmdSearch_Click);
    connect(cmdSearchClear, &QPushButton::clicked, this, &FrmTrade::cmdSearchClear_Click);
    connect(cmdWriteFileSearch, &QPushButton::clicked, this, &FrmTrade::cmdWriteFileSearch_Click);
}

void FrmTrade::Form_Load() {
    TrapRunTimeErrors([this] { LoadScreen(); });
}

void FrmTrade::LoadScreen() {
    LogEntry(QStringLiteral("Form_Load"));
    ResetToDesign();
    SetLstMonth();
    SetLstTrade(lstTrade);
    lstTrade->setCurrentRow(-1);
    FillSearchLists();
    optRange[1]->setChecked(true);
    setWindowTitle(kProductName + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" 取引画面"));
    optTrade[0]->setChecked(true);
    ShowPercentControls(false);
}

// A screen closed by its close box is loaded afresh at the next showing.
void FrmTrade::ResetToDesign() {
    SkipMonthClick = false;
    LastRefreshKey = {};
    ShownSearch.reset();
    ReplaceItems(lstTradeDetail, {});
    ReplaceItems(lstTradeRecord, {});
    txtTradeDetail->clear();
    ShowPhraseList(false);
    for (QButtonGroup* group : {rangeGroup, tradeGroup}) {
        group->setExclusive(false);
        for (QAbstractButton* option : group->buttons()) option->setChecked(false);
        group->setExclusive(true);
    }
}

void FrmTrade::Form_Activate() {
    TrapRunTimeErrors([this] { ActivateScreen(); });
}

void FrmTrade::ActivateScreen() {
    LogEntry(QStringLiteral("Form_Activate"));
    // At the top edge of the screen, centred across it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - frameGeometry().width()) / 2, 0);
    lblYear->setText(menu().fiscalYearText());
    lblGengou->setText(menu().eraText());
    // How to write a date, in the year shown: a fixed example year read as a value.
    txtSearchDateFrom->setPlaceholderText(lblYear->text() + QStringLiteral("/04/01"));
    // The fiscal year may have changed since the last showing.
    Calendar->holdToYear(FiscalYear());
    if (Today().toString(QStringLiteral("yyyy")) == lblYear->text()) {
        cmdSetToday->show();
        cmdSetToday_Click();
    } else {
        Calendar->setDateQuietly(QDate(FiscalYear(), 1, 1));
        AlignMonthList();
        cmdSetToday->hide();
    }
    optRange[2]->setChecked(true);
    SetMasterValueToList(QStringLiteral("m_percent"), QStringLiteral("value_num"), lstPercent);
    SetMasterValueToList(QStringLiteral("m_money"), QStringLiteral("value_num"), lstMoney);
    txtPercent->clear();
    txtMoney->clear();
    // The percentage box is hidden for trades that are not shared: its fixed
    // 100 must survive the emptying, or recording would ask for a percentage
    // the user cannot see.
    if (lstTrade->currentRow() >= 0 && ClassOfItem(SelectedTradeItem()) != kSharedTradeClass)
        txtPercent->setText(QStringLiteral("100"));
    RefreshTradeRecords();
    lstMonth->setFocus();
}

void FrmTrade::hideEvent(QHideEvent* event) {
    NamedOddRows.clear();
    WorkingScreen::hideEvent(event);
}

QDate FrmTrade::Today() { return Now().date(); }

int FrmTrade::FiscalYear() const { return lblYear->text().toInt(); }

QString FrmTrade::SelectedTradeItem() const {
    return lstTrade->currentItem() ? lstTrade->currentItem()->text() : QString();
}

QString FrmTrade::SelectedDetailItem() const {
    return lstTradeDetail->currentItem() ? lstTradeDetail->currentItem()->text() : QString();
}

bool FrmTrade::RecordSelected() const { return lstTradeRecord->currentRow() >= 0; }
