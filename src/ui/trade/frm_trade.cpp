#include "ui/trade/frm_trade.h"

#include "app/identity.h"
#include "ui/common/controls.h"

FrmTrade::FrmTrade(const MenuValues& menu, QWidget* parent) : WorkingScreen(QStringLiteral("frmTrade"), menu, parent) {
    setFixedSize(TwipsRect(0, 0, 16515, 10275).size());
    cmdToMenu->setGeometry(TwipsRect(14160, 0, 1395, 435));
    cmdEnd->setGeometry(TwipsRect(15600, 0, 915, 435));
}

void FrmTrade::Form_Load() {
    LogEntry(QStringLiteral("Form_Load"));
    setWindowTitle(kProductName + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" 取引画面"));
}

void FrmTrade::Form_Activate() { LogEntry(QStringLiteral("Form_Activate")); }
