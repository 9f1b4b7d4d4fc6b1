// The menu's controls with their captions, places and tab order.
#include "ui/common/controls.h"
#include "ui/menu/frm_menu.h"

void FrmMenu::PlaceControls() {
    setObjectName(QStringLiteral("frmMenu"));
    setFixedSize(TwipsRect(0, 0, 7215, 3000).size());

    cmdHlp = MakeButton(this, QStringLiteral("cmdHlp"), QStringLiteral("説明書htm(&H)"), TwipsRect(0, 0, 1335, 315));
    MakeLabel(this, QStringLiteral("Label4_0"), QStringLiteral("ユーザー名"), 1800, 300);
    txtName = MakeTextBox(this, QStringLiteral("txtName"), TwipsRect(3000, 240, 1455, 315));
    cmdSave = MakeButton(this, QStringLiteral("cmdSave"), QStringLiteral("保存(&S)"), TwipsRect(4500, 240, 975, 315));
    MakeLabel(this, QStringLiteral("Label4_1"), QStringLiteral("DBファイル名"), 1620, 780);
    lblDBFileNm = MakeLabel(this, QStringLiteral("lblDBFileNm"), QString(), 3000, 720);
    lblDBFileNm->setGeometry(TwipsRect(3000, 720, 3315, 255));
    MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("会計年度"), 1980, 1200);
    txtYear = MakeNumberBox(this, QStringLiteral("txtYear"), TwipsRect(3000, 1140, 795, 315));
    // Filled from the year and later part of the export folder's name: never typed.
    txtGengou = MakeTextBox(this, QStringLiteral("txtGengou"), TwipsRect(3840, 1140, 855, 315));
    txtGengou->setReadOnly(true);
    cmdInc[0] = MakeButton(this, QStringLiteral("cmdInc_0"), QStringLiteral("-1(&D)"), TwipsRect(2700, 1560, 675, 315));
    cmdInc[1] = MakeButton(this, QStringLiteral("cmdInc_1"), QStringLiteral("+1(&I)"), TwipsRect(3420, 1560, 675, 315));
    for (QPushButton* button : cmdInc) {
        button->setFont(FixedWidthFont());
        // Enter in the year goes on to the screens, not to a button that changes the year.
        PassedOverByEnter(button);
    }
    cmdDispWindow[0] =
        MakeButton(this, QStringLiteral("cmdDispWindow_0"), QStringLiteral("１．貸借対照表 期首情報登録へ(&B)"),
                   TwipsRect(1020, 2100, 3135, 735));
    cmdDispWindow[1] = MakeButton(this, QStringLiteral("cmdDispWindow_1"), QStringLiteral("２．取引登録へ(&T)"),
                                  TwipsRect(4200, 2100, 1875, 735));
    cmdEnd = MakeButton(this, QStringLiteral("cmdEnd"), QStringLiteral("終了(&Q)"), TwipsRect(6120, 2100, 975, 735));

    SetTabOrder({txtName, cmdSave, txtYear, cmdInc[0], cmdInc[1], cmdDispWindow[0], cmdDispWindow[1], cmdEnd, txtGengou,
                 cmdHlp});
}
