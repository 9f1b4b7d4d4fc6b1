#pragma once
// The opening balance sheet screen: the assets and the liabilities and
// capital of the fiscal year with their opening amounts, the two totals that
// follow them, and the balance check when the window is closed.
#include "ui/common/list_box.h"
#include "ui/common/number_box.h"
#include "ui/common/working_screen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QString>

class FrmBegining final : public WorkingScreen {
    Q_OBJECT

public:
    FrmBegining(const MenuValues& menu, QWidget* parent);

    // Raised by every change of the list's current row, from the user or the code.
    void lstAsset_Click();
    void lstDebit_Click();
    void cmdUpdate_Click();
    void cmdInitiralize_Click();
    // The files for the receiving program, and the folder they went to.
    void cmdSaveFiles_Click();
    void cmdOpenFolder_Click();
    // Fills the shown year's opening amounts from the closing balances of the year before.
    void cmdCarryForward_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    // The close box: the balance check, then the window closes in any case.
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    // True when the amount may be stored; otherwise the message says why.
    bool ChkInputBeforeUpdate(QString& message);
    // True when both totals agree (or the year has no rows yet); otherwise
    // the mismatch message, which the caller shows.
    bool ChkSumAssetDebit(QString& message);
    void DispBS_Begining(int year, const QString& side, QListWidget* list);

    // The controls with their captions, places and tab order (frm_begining_layout.cpp).
    void PlaceControls();
    // The controls' events to their procedures.
    void WireHandlers();
    void ShowBothSides(const QString& logPrefix);
    void AccountClick(QListWidget* list, QListWidget* other);
    void StoreAmount();
    void RecreateYear();
    void SaveExportFiles();
    void CarryForward();
    // Says so when the shown year's sheet was carried from a year that has changed since.
    void NoticeStaleCarry();
    int YearNumber() const;
    QString AmountOf(int year, const QString& accountCd) const;

    QLineEdit* txtYear;
    QLineEdit* txtGengou;
    ListBox* lstAsset;
    ListBox* lstDebit;
    QGroupBox* Frame1;
    QLabel* lblCodeName;
    NumberBox* txtMoney;
    QPushButton* cmdUpdate;
    QPushButton* cmdInitiralize;
    QPushButton* cmdCarryForward;
    QGroupBox* Frame2;
    QPushButton* cmdSaveFiles;
    QPushButton* cmdOpenFolder;
};
