// The carry forward button of the opening balance screen: the closing
// balances of the year before the one shown become the shown year's opening
// amounts, its sheet created first when it has none.
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "store/carry_forward_store.h"
#include "store/opening_balance_store.h"
#include "ui/opening_balance/carried_balances.h"
#include "ui/opening_balance/frm_begining.h"

void FrmBegining::cmdCarryForward_Click() {
    TrapRunTimeErrors([this] { CarryForward(); });
}

void FrmBegining::CarryForward() {
    LogEntry(QStringLiteral("cmdCarryForward_Click"));
    const QString year = txtYear->text();
    const int closed = YearNumber() - 1;
    const QString closedYear = QString::number(closed);
    WriteLog(QStringLiteral("前年度の期首データがあるか検査"));
    if (!DBSelBS_Begining(closedYear)) {
        ShowMessage(closedYear + QStringLiteral("年度の貸借対照表期首データがないため，繰越できません。\r\n") +
                    QStringLiteral("先に") + closedYear + QStringLiteral("年度の期首データを作成してください。"));
        return;
    }
    WriteLog(QStringLiteral("その会計年度の期首データに金額があるか検査"));
    const bool exists = DBSelBS_Begining(year);
    if (exists && HoldsAmounts(ReadSheetSides(YearNumber())) &&
        !AskYesNo(year + QStringLiteral("年度の期首データを，") + closedYear +
                      QStringLiteral("年度末の残高で置き換えます。よろしいですか？"),
                  platform::DefaultAnswer::No))
        return;
    Hourglass hourglass;
    WriteLog(QStringLiteral("前年度末の残高を計算"));
    const CarriedSheet carried = CarriedFromBooks(closed);
    if (const std::optional<QString> problem = CarriedSheetProblem(carried, closedYear)) {
        hourglass.restore();
        PlaySoundCue(NotifyCuePath());
        ShowMessage(*problem);
        return;
    }
    DBCarryForwardBS_Begining(year, closedYear, exists, RowsToStore(carried));
    // The chosen account and its amount belonged to the rows just replaced.
    lblCodeName->clear();
    txtMoney->clear();
    ShowBothSides(QStringLiteral("その会計年度の"));
    const QString done =
        closedYear + QStringLiteral("年度末の残高を") + year + QStringLiteral("年度の期首データに繰越しました。");
    WriteLog(done);
    PlaySoundCue(StartCuePath());
    hourglass.restore();
    ShowMessage(done);
}
