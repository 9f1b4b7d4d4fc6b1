// The search frame: a strip along the bottom of the transaction screen, below
// the areas it first had, with access keys no other control of the screen uses.
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"

namespace {

constexpr int kRowTop[] = {270, 660};
constexpr int kBoxHeight = 330;

// A caption whose access key moves the focus to its box.
void MakeBuddyCaption(QWidget* parent, const QString& name, const QString& caption, QWidget* buddy, int left, int row,
                      int width) {
    auto* label = MakeLabel(parent, name, caption, 0, 0);
    label->setGeometry(TwipsRect(left, kRowTop[row] + 60, width, 210));
    label->setBuddy(buddy);
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, int left, int row, int width) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(TwipsRect(left, kRowTop[row] + 30, width, 270));
    return box;
}

QComboBox* MakeChoice(QWidget* parent, const QString& name, int left, int row, int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(TwipsRect(left, kRowTop[row], width, kBoxHeight));
    return box;
}

}  // namespace

void FrmTrade::PlaceSearchFrame() {
    fraSearch =
        MakeFrame(this, QStringLiteral("fraSearch"), QStringLiteral("検索"), TwipsRect(240, 10260, 16155, 1095));
    const auto box = [this](const char* name, int left, int row, int width) {
        return MakeTextBox(fraSearch, QString::fromLatin1(name), TwipsRect(left, kRowTop[row], width, kBoxHeight));
    };
    const auto tilde = [this](const char* name, int left) {
        MakeLabel(fraSearch, QString::fromLatin1(name), QStringLiteral("～"), 0, 0)
            ->setGeometry(TwipsRect(left, kRowTop[0] + 60, 240, 210));
    };
    // Tab follows the order the controls are made in.
    txtSearchDateFrom = box("txtSearchDateFrom", 870, 0, 1275);
    MakeBuddyCaption(fraSearch, QStringLiteral("lblSearchDate"), QStringLiteral("日付(&E)"), txtSearchDateFrom, 120, 0,
                     735);
    tilde("lblSearchDateTo", 2160);
    txtSearchDateTo = box("txtSearchDateTo", 2400, 0, 1275);
    chkSearchAllYears =
        MakeCheckBox(fraSearch, QStringLiteral("chkSearchAllYears"), QStringLiteral("全年度(&Y)"), 3780, 0, 1335);
    txtSearchMoneyFrom = box("txtSearchMoneyFrom", 6030, 0, 1275);
    MakeBuddyCaption(fraSearch, QStringLiteral("lblSearchMoney"), QStringLiteral("金額(&K)"), txtSearchMoneyFrom, 5280,
                     0, 735);
    tilde("lblSearchMoneyTo", 7320);
    txtSearchMoneyTo = box("txtSearchMoneyTo", 7560, 0, 1275);
    chkSearchStoredMoney = MakeCheckBox(fraSearch, QStringLiteral("chkSearchStoredMoney"),
                                        QStringLiteral("割合を掛ける前の金額(&N)"), 8940, 0, 2595);
    txtSearchText = box("txtSearchText", 12390, 0, 3615);
    MakeBuddyCaption(fraSearch, QStringLiteral("lblSearchText"), QStringLiteral("摘要(&X)"), txtSearchText, 11640, 0,
                     735);
    txtSearchText->setToolTip(QStringLiteral("摘要に含まれる文字"));
    for (QLineEdit* digits : {txtSearchDateFrom, txtSearchDateTo, txtSearchMoneyFrom, txtSearchMoneyTo})
        digits->setAttribute(Qt::WA_InputMethodEnabled, false);

    cboSearchTrade = MakeChoice(fraSearch, QStringLiteral("cboSearchTrade"), 870, 1, 3375);
    MakeBuddyCaption(fraSearch, QStringLiteral("lblSearchTrade"), QStringLiteral("取引(&W)"), cboSearchTrade, 120, 1,
                     735);
    cboSearchAccount = MakeChoice(fraSearch, QStringLiteral("cboSearchAccount"), 5610, 1, 2835);
    MakeBuddyCaption(fraSearch, QStringLiteral("lblSearchAccount"), QStringLiteral("勘定科目(&A)"), cboSearchAccount,
                     4380, 1, 1215);
    chkSearchVoided = MakeCheckBox(fraSearch, QStringLiteral("chkSearchVoided"), QStringLiteral("無効化した取引も(&V)"),
                                   8580, 1, 2595);
    cmdSearch = MakeButton(fraSearch, QStringLiteral("cmdSearch"), QStringLiteral("検索(&F)"),
                           TwipsRect(11280, kRowTop[1] - 30, 1035, 375));
    cmdSearchClear = MakeButton(fraSearch, QStringLiteral("cmdSearchClear"), QStringLiteral("解除(&L)"),
                                TwipsRect(12420, kRowTop[1] - 30, 1035, 375));
    cmdWriteFileSearch = MakeButton(fraSearch, QStringLiteral("cmdWriteFileSearch"), QStringLiteral("結果を出力(&P)"),
                                    TwipsRect(13560, kRowTop[1] - 30, 1635, 375));
}
