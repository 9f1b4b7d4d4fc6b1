// The notice that the shown year's sheet, carried from the year before,
// no longer holds that year's closing balances: the year carried from was
// corrected, voided, added to or had its own sheet changed since. It only
// tells; the user decides whether to carry again.
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "store/carry_record_store.h"
#include "ui/opening_balance/carried_balances.h"
#include "ui/opening_balance/frm_begining.h"

void FrmBegining::NoticeStaleCarry() {
    WriteLog(QStringLiteral("前年度からの繰越後に前年度が変更されたか検査"));
    const std::optional<CarryRecord> carry = DBSelT_BsCarryLast(YearNumber());
    if (!carry) return;
    const QString closedYear = QString::number(carry->fromYear);
    const CarriedSheet now = CarriedFromBooks(carry->fromYear);
    // Balances the sheet cannot hold differ from any that were carried.
    if (!CarriedSheetProblem(now, closedYear) && CarriedDigest(RowsToStore(now)) == carry->digest) return;
    const QString notice = txtYear->text() + QStringLiteral("年度の期首データは，") + carry->carriedAt +
                           QStringLiteral("に") + closedYear +
                           QStringLiteral("年度から繰越したものですが，\r\nその後") + closedYear +
                           QStringLiteral("年度の取引または期首データが変更されています。\r\n") +
                           QStringLiteral("「前年度から繰越」を押すと，") + closedYear +
                           QStringLiteral("年度末の今の残高で繰越し直します。");
    WriteLog(notice);
    PlaySoundCue(NotifyCuePath());
    ShowMessage(notice);
}
