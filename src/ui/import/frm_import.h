#pragma once
// The statement import dialog of the transaction screen: a bank's or card's
// CSV file chosen, its columns named, every line previewed with the trade it
// will be recorded with, and the confirmed lines recorded at once; the rules
// that choose trades by a line's text, and the past imports, which can be
// voided whole.
#include "import/statement_import.h"
#include "ui/common/list_box.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include <vector>

class FrmImport final : public QDialog {
    Q_OBJECT

public:
    explicit FrmImport(QWidget* parent);

    // Shows the dialog modally for the fiscal year; true when it recorded or
    // voided transactions.
    bool Run(int fiscalYear);

    void cmdChooseFile_Click();
    void cboLayout_Click(int index);
    void Columns_Change();
    void cmdSaveLayout_Click();
    void tblPreview_SelChange();
    void lstTrade_Click();
    void lstTradeDetail_Click();
    void txtSummary_Change();
    void txtPercent_Change();
    void chkLeaveOut_Click();
    void cmdRuleChange_Click();
    void cmdRuleDelete_Click();
    void cmdVoidImport_Click();
    void cmdImport_Click();

private:
    // The controls with their captions and places (frm_import_layout.cpp).
    void PlaceControls();
    void PlaceColumnFrame();
    void PlaceLineFrame();
    void PlaceTabs();
    void WireHandlers();
    void LogEntry(const QString& procedure) const;

    void LoadStatement(const QString& path);
    void FillColumnChoices();
    void ShowLayout(const ColumnLayout& layout);
    ColumnLayout ShownLayout() const;
    void Repreview();
    void RefreshLines();
    void FillPreview();
    void FillRules();
    void FillImports();
    void FillTradeList();
    void FillDetailList(const QString& tradeCd);

    std::vector<PreviewLine*> SelectedLines();
    void ChooseForSelected(const QString& tradeCd, const QString& detailCd);
    void OfferRule(const PreviewLine& line);
    void RecordLines();
    void TouchShownLayout();
    void VoidImport();
    void ChangeRule();

    QPushButton* cmdChooseFile;
    QLabel* lblFileName;
    QGroupBox* FrameColumns;
    QComboBox* cboLayout;
    QPushButton* cmdSaveLayout;
    QSpinBox* spnHeaderLines;
    QComboBox* cboDateColumn;
    QComboBox* cboTextColumn;
    QButtonGroup* amountGroup;
    QRadioButton* optSigned;
    QRadioButton* optPair;
    QComboBox* cboAmountColumn;
    QCheckBox* chkPositiveOut;
    QComboBox* cboOutColumn;
    QComboBox* cboInColumn;

    QTabWidget* tabs;
    QTableWidget* tblPreview;
    QTableWidget* tblRules;
    QPushButton* cmdRuleChange;
    QPushButton* cmdRuleDelete;
    QTableWidget* tblImports;
    QPushButton* cmdVoidImport;

    QGroupBox* FrameLine;
    ListBox* lstLineTrade;
    ListBox* lstLineDetail;
    QLineEdit* txtLineSummary;
    QLineEdit* txtLinePercent;
    QCheckBox* chkLineLeftOut;
    QLabel* lblCounts;
    QPushButton* cmdImport;
    QPushButton* cmdClose;

    QString path_;
    std::vector<CsvRecord> records_;
    std::vector<ColumnLayout> layouts_;
    ImportBooks books_;
    std::vector<PreviewLine> lines_;
    // Set while code fills the controls, whose handlers then do nothing.
    bool showing_ = false;
    bool changedBooks_ = false;
};
