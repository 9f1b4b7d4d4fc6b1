#include "ui/common/working_screen.h"

#include "app/error_trap.h"
#include "app/run_log.h"
#include "app/shutdown.h"
#include "ui/common/command_button.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

WorkingScreen::WorkingScreen(const QString& formName, const MenuValues& menu, QWidget* parent)
    : QDialog(parent), formName_(formName), menu_(menu) {
    setObjectName(formName);
    cmdToMenu = new CommandButton(QStringLiteral("メニューへ(&M)"), this);
    cmdToMenu->setObjectName(QStringLiteral("cmdToMenu"));
    cmdEnd = new CommandButton(QStringLiteral("終了(&Q)"), this);
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    connect(cmdToMenu, &QPushButton::clicked, this, &WorkingScreen::cmdToMenu_Click);
    connect(cmdEnd, &QPushButton::clicked, this, &WorkingScreen::cmdEnd_Click);
}

void WorkingScreen::cmdToMenu_Click() {
    TrapRunTimeErrors([this] { LogEntry(QStringLiteral("cmdClose_Click")); });
    hide();
}

void WorkingScreen::cmdEnd_Click() { RunShutdown(formName_); }

void WorkingScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    Form_Activate();
}

void WorkingScreen::closeEvent(QCloseEvent* event) {
    loaded_ = false;
    QDialog::closeEvent(event);
}

void WorkingScreen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WorkingScreen::LogEntry(const QString& procedure) const {
    WriteLog(QStringLiteral("■") + formName_ + QLatin1Char('.') + procedure);
}
