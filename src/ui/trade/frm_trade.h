#pragma once
// The transaction screen: entering, listing, correcting and voiding the
// transactions of the fiscal year.
#include "ui/common/working_screen.h"

class FrmTrade final : public WorkingScreen {
    Q_OBJECT

public:
    FrmTrade(const MenuValues& menu, QWidget* parent);

protected:
    void Form_Load() override;
    void Form_Activate() override;
};
