#pragma once
// The menu screen, first and last window of the program: it backs up and
// opens the database at load, holds the fiscal year, its era, the user name
// and the database file name, and opens the two working screens over itself.
#include "ui/common/menu_values.h"
#include "ui/common/number_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

class FrmBegining;
class FrmTrade;

class FrmMenu final : public QWidget, public MenuValues {
    Q_OBJECT

public:
    explicit FrmMenu(QWidget* parent = nullptr);

    // Load, show and the first activation.
    void start();

    QString fiscalYearText() const override;
    QString eraText() const override;
    QString userName() const override;
    QString dbFileName() const override;

    FrmBegining* frmBegining() const { return frmBegining_; }
    FrmTrade* frmTrade() const { return frmTrade_; }

    void Form_Load();
    void Form_Activate();
    void txtYear_Change(const QString& text);
    void cmdInc_Click(int index);
    void cmdSave_Click();
    void cmdDispWindow_Click(int index);
    void cmdHlp_Click();
    [[noreturn]] void cmdEnd_Click();

protected:
    // The window's close box: Form_Unload.
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls with their captions, places and tab order (frm_menu_layout.cpp).
    void PlaceControls();
    // The controls' events to their procedures.
    void WireHandlers();
    void LoadSteps(QString& step);
    [[noreturn]] void EndWithOpenError(const QString& errText);
    void ShowSavedName();
    void SaveUserName();
    void OpenWorkingScreen(int index);

    QPushButton* cmdHlp;
    QLineEdit* txtName;
    QPushButton* cmdSave;
    QLabel* lblDBFileNm;
    NumberBox* txtYear;
    QLineEdit* txtGengou;
    QPushButton* cmdInc[2];
    QPushButton* cmdDispWindow[2];
    QPushButton* cmdEnd;

    FrmBegining* frmBegining_;
    FrmTrade* frmTrade_;
};
