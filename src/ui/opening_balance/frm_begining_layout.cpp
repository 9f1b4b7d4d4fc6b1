// The opening balance sheet's controls with their captions, places and tab order.
#include "ui/common/controls.h"
#include "ui/opening_balance/frm_begining.h"

namespace {

const QString kColumnHeading = QStringLiteral("ｺｰﾄﾞ勘定科目") + QString(9, QChar(0x3000)) +
                               QString(6, QLatin1Char(' ')) + QChar(0x3000) + QString(2, QLatin1Char(' ')) +
                               QStringLiteral("開始残高");

}  // namespace

void FrmBegining::PlaceControls() {
    setFixedSize(TwipsRect(0, 0, 11700, 9450).size());
    MakeLabel(this, QStringLiteral("Label2_1"), QStringLiteral("会計年度"), 180, 165);
    // Shown only: the year goes into statements and the export folder's name.
    txtYear = MakeTextBox(this, QStringLiteral("txtYear"), TwipsRect(1200, 120, 900, 330));
    txtGengou = MakeTextBox(this, QStringLiteral("txtGengou"), TwipsRect(2160, 120, 1080, 330));
    for (QLineEdit* box : {txtYear, txtGengou}) box->setReadOnly(true);
    cmdInitiralize = MakeButton(this, QStringLiteral("cmdInitiralize"), QStringLiteral("初期データ作成(&I)"),
                                TwipsRect(3600, 0, 2250, 435));
    cmdCarryForward = MakeButton(this, QStringLiteral("cmdCarryForward"), QStringLiteral("前年度から繰越(&K)"),
                                 TwipsRect(6000, 0, 2250, 435));
    cmdToMenu->setGeometry(TwipsRect(9000, 0, 1395, 435));
    cmdEnd->setGeometry(TwipsRect(10440, 0, 915, 435));

    MakeLabel(this, QStringLiteral("Label2_2"), QStringLiteral("資産"), 180, 660);
    MakeLabel(this, QStringLiteral("Label2_3"), QStringLiteral("負債"), 5940, 660);
    MakeLabel(this, QStringLiteral("Label1_0"), kColumnHeading, 225, 930);
    MakeLabel(this, QStringLiteral("Label1_1"), kColumnHeading, 5985, 930);
    lstAsset = MakeListBox(this, QStringLiteral("lstAsset"), TwipsRect(180, 1200, 5580, 6480));
    lstDebit = MakeListBox(this, QStringLiteral("lstDebit"), TwipsRect(5940, 1200, 5580, 6480));

    Frame1 = MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("期首データ登録・更新"),
                       TwipsRect(180, 7800, 5580, 1350));
    lblCodeName = MakeLabel(Frame1, QStringLiteral("lblCodeName"), QString(), 150, 360);
    lblCodeName->setGeometry(TwipsRect(150, 360, 5250, 300));
    MakeLabel(Frame1, QStringLiteral("Label2_0"), QStringLiteral("開始残高"), 150, 870);
    txtMoney = MakeNumberBox(Frame1, QStringLiteral("txtMoney"), TwipsRect(1200, 810, 1800, 330));
    cmdUpdate =
        MakeButton(Frame1, QStringLiteral("cmdUpdate"), QStringLiteral("更新(&U)"), TwipsRect(3150, 780, 1200, 390));

    Frame2 = MakeFrame(this, QStringLiteral("Frame2"), QStringLiteral("ルパかんたん会計のデータを作成"),
                       TwipsRect(5940, 7800, 5580, 1350));
    MakeLabel(Frame2, QStringLiteral("Label3_0"), QStringLiteral("data_for_rupa_kaikeiフォルダに"), 150, 330);
    MakeLabel(Frame2, QStringLiteral("Label3_1"), QStringLiteral("data03aa.txt と data03ba.txt とを"), 150, 630);
    MakeLabel(Frame2, QStringLiteral("Label3_2"), QStringLiteral("上のフォルダを"), 150, 930);
    cmdSaveFiles =
        MakeButton(Frame2, QStringLiteral("cmdSaveFiles"), QStringLiteral("作成(&M)"), TwipsRect(3900, 330, 1500, 390));
    cmdOpenFolder = MakeButton(Frame2, QStringLiteral("cmdOpenFolder"), QStringLiteral("開く(&O)"),
                               TwipsRect(3900, 840, 1500, 390));

    SetTabOrder({lstAsset, lstDebit, txtMoney, cmdUpdate, cmdInitiralize, cmdCarryForward, cmdSaveFiles, cmdOpenFolder,
                 cmdToMenu, cmdEnd, txtYear, txtGengou});
}
