#pragma once
// The transaction screen: entering, listing, correcting and voiding the
// transactions of the fiscal year.
#include "app/safe_write.h"
#include "import/trade_entry.h"
#include "reports/report_text.h"
#include "store/search_store.h"
#include "ui/common/kept_selection.h"
#include "ui/common/list_box.h"
#include "ui/common/number_box.h"
#include "ui/common/working_screen.h"
#include "ui/import/frm_import.h"
#include "ui/trade/month_calendar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <functional>
#include <optional>

enum class TrialBalanceLayout;

class FrmTrade final : public WorkingScreen {
    Q_OBJECT

public:
    FrmTrade(const MenuValues& menu, QWidget* parent);

    // The entry area.
    void Calendar_SelChange();
    void cmdSetToday_Click();
    void lstMonth_Click();
    void lstTrade_Click();
    void lstTradeDetail_Click();
    void lstMoney_Click();
    void lstPercent_Click();
    void cmdClear_Click(int index);

    // The record list.
    void optRange_Click(int index);
    void optTrade_Click(int index);
    void RefreshTradeRecords();

    // Recording, correcting and voiding.
    void cmdInsert_Click();
    void lstTradeRecord_Click();
    void cmdUpdate_Click();
    void cmdDelRecord_Click();
    void cmdUnselect_Click();

    // The summary phrase list.
    void lstAbst_Click();
    void cmdEditList_Click();

    // Bank and card statements recorded as transactions.
    void cmdInputCSV_Click();

    // The search: its results in the record list until 解除, and their report.
    void cmdSearch_Click();
    void cmdSearchClear_Click();
    void cmdWriteFileSearch_Click();

    // The correction and deletion history report.
    void cmdWriteFileHistory_Click();
    // The reports and the export for the receiving program.
    void cmdWriteFileJournal_Click();
    void cmdWriteFileTrade_Click();
    void cmdWriteFileGeneralLedger_Click();
    void cmdWriteFileInsurance_Click();
    void cmdRupaFiles_Click();
    void cmdOpenFolder_Click();
    // The year-end reports.
    void cmdWriteFileTrialBalance_Click();
    void cmdWriteFileMonthlyTrialBalance_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    // The next showing names the rows with odd values again.
    void hideEvent(QHideEvent* event) override;

private:
    // The date, period and filter of the last refresh the calendar started.
    struct RefreshKey {
        int month = 0;
        int day = 0;
        qint8 rangeKind = 0;
        int tradeFilterKind = 0;
        bool operator==(const RefreshKey&) const = default;
    };

    // The controls with their captions and places, area by area (frm_trade_layout.cpp).
    void PlaceControls();
    void PlaceEntryFrame();
    void PlaceRecordFrame();
    void PlaceOutputFrames();
    void PlaceSearchFrame();
    // The controls' events to their procedures.
    void WireHandlers();

    // Form_Load and Form_Activate without their traps.
    void LoadScreen();
    void ActivateScreen();
    void ResetToDesign();

    void SetLstTrade(QListWidget* list);
    void SetMasterValueToList(const QString& table, const QString& column, QListWidget* list);
    void SetLstMonth();
    void AlignMonthList();
    void ShowPercentControls(bool shown);
    void ShowTradeDetails();

    int RangeKind() const;
    int TradeFilterKind() const;
    void DispTradeRecords(const QDate& date, int rangeKind, int tradeFilterKind, QListWidget* list);
    // The list, count and total of the search in force.
    void ShowSearchResults();
    void FillSearchLists();
    // Names, in one message, the listed rows with odd values not yet named in this showing of the screen.
    void NameOddRows(const QStringList& oddRows);

    bool ChkInput(QString& message);
    bool ChkInputUpdate(QString& message);
    bool Passed(const std::optional<EntryProblem>& problem, QString& message);
    EntryState EnteredState() const;
    QWidget* ControlOf(EntryField field) const;
    TradeEntry EnteredValues() const;
    void RecordEntry();
    bool NewRecordConfirmed(const QDate& date);
    void LoadRecord();
    void CorrectRecord();
    void VoidRecord();
    void SelectLoadedCodes(const QString& tradeCd, const QString& detailCd);

    void LoadPhraseList(const QString& tradeCd, const QString& detailCd);
    void ShowPhraseList(bool shown);

    // The period of the calendar and the options, and the menu's user and file names.
    ReportValues ShownReportValues() const;
    // The name the user typed for the report, asked again while it cannot be
    // used; nothing when the user cancelled or cleared it.
    std::optional<QString> AskReportFileName(const ReportQuestion& question) const;
    // Asks for the file name of the report of the shown period, writes the
    // report and opens it.
    void WriteReportFile(const std::function<ReportQuestion(const ReportValues&)>& question,
                         const std::function<LineSource(const ReportValues&)>& build);
    void WriteReportFile(const std::function<ReportQuestion(const ReportValues&)>& question,
                         const std::function<QStringList(const ReportValues&)>& build);
    void WriteTrialBalance(TrialBalanceLayout layout, const QString& procedure);

    static QDate Today();
    int FiscalYear() const;
    QString SelectedTradeItem() const;
    QString SelectedDetailItem() const;
    bool RecordSelected() const;

    QLabel* lblYear;
    QLabel* lblGengou;
    QPushButton* cmdInputCSV;
    FrmImport* frmImport;

    QGroupBox* Frame6;
    ListBox* lstMonth;
    MonthCalendar* Calendar;
    QPushButton* cmdSetToday;
    ListBox* lstTrade;
    ListBox* lstTradeDetail;
    QLineEdit* txtTradeDetail;
    ListBox* lstMoney;
    NumberBox* txtMoney;
    QLabel* lblPercentList;
    ListBox* lstPercent;
    QLabel* lblPercent;
    NumberBox* txtPercent;
    QLabel* lblPercentOnly;
    std::array<QPushButton*, 3> cmdClear{};
    // The boxes the clear buttons empty, by the buttons' index.
    std::array<KeptSelection*, 3> clearTargets{};
    QLabel* lblAbst;
    QPushButton* cmdEditList;
    ListBox* lstAbst;
    QPushButton* cmdInsert;
    QPushButton* cmdUpdate;

    QGroupBox* Frame3;
    std::array<QRadioButton*, 3> optRange{};
    std::array<QRadioButton*, 3> optTrade{};
    QButtonGroup* rangeGroup;
    QButtonGroup* tradeGroup;
    ListBox* lstTradeRecord;
    QPushButton* cmdDelRecord;
    QPushButton* cmdUnselect;
    QLabel* lblDesc;
    QLabel* lblSumTitle;
    QLabel* lblSum;

    QLabel* lblTerm;
    QPushButton* cmdWriteFileJournal;
    QPushButton* cmdWriteFileTrade;
    QPushButton* cmdWriteFileGeneralLedger;
    QPushButton* cmdWriteFileInsurance;
    QPushButton* cmdWriteFileTrialBalance;
    QPushButton* cmdWriteFileMonthlyTrialBalance;
    QPushButton* cmdWriteFileHistory;
    QPushButton* cmdRupaFiles;
    QPushButton* cmdOpenFolder;

    QGroupBox* fraSearch;
    QLineEdit* txtSearchDateFrom;
    QLineEdit* txtSearchDateTo;
    QCheckBox* chkSearchAllYears;
    QLineEdit* txtSearchMoneyFrom;
    QLineEdit* txtSearchMoneyTo;
    QCheckBox* chkSearchStoredMoney;
    QLineEdit* txtSearchText;
    QComboBox* cboSearchTrade;
    QComboBox* cboSearchAccount;
    QCheckBox* chkSearchVoided;
    QPushButton* cmdSearch;
    QPushButton* cmdSearchClear;
    QPushButton* cmdWriteFileSearch;

    bool SkipMonthClick = false;
    // The search whose results the record list shows; none while it shows the period.
    std::optional<SearchConditions> ShownSearch;
    // Its conditions in words, the trade and account as their lists showed them.
    QString ShownSearchText;
    RefreshKey LastRefreshKey;
    QStringList NamedOddRows;
};
