#pragma once
// What the two working screens share: shown modally by the menu, loaded at
// the first showing and activated at every showing, back to the menu by
// hiding, and the quit button that ends the whole program.
#include "ui/common/menu_values.h"

#include <QDialog>
#include <QPushButton>
#include <QString>

class WorkingScreen : public QDialog {
    Q_OBJECT

public:
    WorkingScreen(const QString& formName, const MenuValues& menu, QWidget* parent);

    // "メニューへ(&M)": hides the screen; the menu's modal call returns.
    void cmdToMenu_Click();
    // "終了(&Q)": the shutdown sequence.
    [[noreturn]] void cmdEnd_Click();

protected:
    // At the first showing after the screen was created or closed.
    virtual void Form_Load() = 0;
    // At every showing.
    virtual void Form_Activate() = 0;

    void showEvent(QShowEvent* event) override;
    // The close box unloads the screen: the next showing loads it afresh.
    void closeEvent(QCloseEvent* event) override;
    // Escape does not close a screen of this program.
    void keyPressEvent(QKeyEvent* event) override;

    const MenuValues& menu() const { return menu_; }
    // Writes "■" & form name & "." & the procedure's log name.
    void LogEntry(const QString& procedure) const;

    QPushButton* cmdToMenu;
    QPushButton* cmdEnd;

private:
    QString formName_;
    const MenuValues& menu_;
    bool loaded_ = false;
};
