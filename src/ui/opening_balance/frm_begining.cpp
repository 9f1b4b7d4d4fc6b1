#include "ui/opening_balance/frm_begining.h"

#include "app/identity.h"
#include "ui/common/controls.h"

#include <QGuiApplication>
#include <QScreen>

FrmBegining::FrmBegining(const MenuValues& menu, QWidget* parent)
    : WorkingScreen(QStringLiteral("frmBegining"), menu, parent) {
    setFixedSize(TwipsRect(0, 0, 11700, 7500).size());
    cmdToMenu->setGeometry(TwipsRect(9000, 0, 1395, 435));
    cmdEnd->setGeometry(TwipsRect(10440, 0, 915, 435));
}

void FrmBegining::Form_Load() {
    setWindowTitle(kProductName + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" 貸借対照表期首画面"));
}

void FrmBegining::Form_Activate() {
    // At the top edge of the screen, centred across it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - frameGeometry().width()) / 2, 0);
}
