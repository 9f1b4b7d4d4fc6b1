#pragma once
// The opening balance sheet screen: the assets and the liabilities and
// capital of the fiscal year with their opening amounts.
#include "ui/common/working_screen.h"

class FrmBegining final : public WorkingScreen {
    Q_OBJECT

public:
    FrmBegining(const MenuValues& menu, QWidget* parent);

protected:
    void Form_Load() override;
    void Form_Activate() override;
};
