#include "ui/opening_balance/frm_begining.h"

#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "store/default_chart.h"
#include "store/opening_balance_store.h"
#include "store/store_common.h"
#include "ui/common/controls.h"
#include "ui/opening_balance/amount_checks.h"
#include "ui/opening_balance/balance_rows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace {

const QString kAsset = QStringLiteral("a");
const QString kDebit = QStringLiteral("d");

const QString kUnnamedMessage = QStringLiteral(
    "この勘定科目コードには勘定科目名称が設定されていません。\r\n\r\n"
    "まず，勘定科目名称を設定することが必要です。\r\n"
    "DBファイルを開いて，t_bs_beginingテーブルを更新してください。\r\n");

const QString kMismatchMessage = QStringLiteral(
    "資産合計・負債合計が不一致です。\r\n"
    "\r\n"
    "通常，期首データの作成では，\r\n"
    "　・資産合計の金額＝元入金とするか，\r\n"
    "　・資産合計の金額＝元入金＋それ以外の負債の合計として，\r\n"
    "資産合計・負債合計を一致させます。");

}  // namespace

FrmBegining::FrmBegining(const MenuValues& menu, QWidget* parent)
    : WorkingScreen(QStringLiteral("frmBegining"), menu, parent) {
    PlaceControls();
    WireHandlers();
}

void FrmBegining::WireHandlers() {
    connect(lstAsset, &ListBox::Click, this, &FrmBegining::lstAsset_Click);
    connect(lstDebit, &ListBox::Click, this, &FrmBegining::lstDebit_Click);
    connect(cmdUpdate, &QPushButton::clicked, this, &FrmBegining::cmdUpdate_Click);
    connect(cmdInitiralize, &QPushButton::clicked, this, &FrmBegining::cmdInitiralize_Click);
    connect(cmdSaveFiles, &QPushButton::clicked, this, &FrmBegining::cmdSaveFiles_Click);
    connect(cmdOpenFolder, &QPushButton::clicked, this, &FrmBegining::cmdOpenFolder_Click);
    connect(cmdCarryForward, &QPushButton::clicked, this, &FrmBegining::cmdCarryForward_Click);
}

void FrmBegining::Form_Load() {
    setWindowTitle(kProductName + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" 貸借対照表期首画面"));
}

void FrmBegining::Form_Activate() {
    // At the top edge of the screen, centred across it.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - frameGeometry().width()) / 2, 0);
    txtYear->setText(menu().fiscalYearText());
    txtGengou->setText(menu().eraText());
    bool sheetShown = false;
    TrapRunTimeErrors([this, &sheetShown] {
        LogEntry(QStringLiteral("Form_Activate"));
        sheetShown = DBSelBS_Begining(txtYear->text());
        if (sheetShown) {
            ShowBothSides(QString());
        } else {
            for (QListWidget* list : {lstAsset, lstDebit}) ReplaceItems(list, {});
        }
    });
    lblCodeName->clear();
    txtMoney->clear();
    lstAsset->setFocus();
    if (sheetShown) TrapRunTimeErrors([this] { NoticeStaleCarry(); });
}

void FrmBegining::closeEvent(QCloseEvent* event) {
    Form_Unload();
    WorkingScreen::closeEvent(event);
}

void FrmBegining::Form_Unload() {
    TrapRunTimeErrors([this] {
        if (QString message; !ChkSumAssetDebit(message)) ShowMessage(message);
    });
}

int FrmBegining::YearNumber() const { return IntegerOf(txtYear->text()); }

void FrmBegining::ShowBothSides(const QString& logPrefix) {
    const int year = YearNumber();
    WriteLog(logPrefix + QStringLiteral("資産のコード，名称，金額を表示"));
    DispBS_Begining(year, kAsset, lstAsset);
    WriteLog(logPrefix + QStringLiteral("負債のコード，名称，金額を表示"));
    DispBS_Begining(year, kDebit, lstDebit);
}

void FrmBegining::DispBS_Begining(int year, const QString& side, QListWidget* list) {
    WriteLog(QStringLiteral("DispBS_Begining"));
    ReplaceItems(list, BalanceListItems(DBSelBS_BeginingAD(year, side)));
}

void FrmBegining::lstAsset_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("lstAsset_Click"));
        AccountClick(lstAsset, lstDebit);
    });
}

void FrmBegining::lstDebit_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("lstDebit_Click"));
        AccountClick(lstDebit, lstAsset);
    });
}

void FrmBegining::AccountClick(QListWidget* list, QListWidget* other) {
    if (list->currentRow() < 0) return;
    const QString code = CodeOf(list->currentItem()->text());
    const QStringView totalCode = list == lstAsset ? kAssetTotalCode : kDebitTotalCode;
    if (code == totalCode) {
        ShowMessage(QStringLiteral("合計は自動計算されます。入力できません。"));
        list->setCurrentRow(-1);
        return;
    }
    const int year = YearNumber();
    if (DBSelBS_BeginingName(year, code).isEmpty()) {
        lblCodeName->clear();
        txtMoney->clear();
        ShowMessage(kUnnamedMessage);
        return;
    }
    const NameAndMoney row = NameAndMoneyOf(DBSelBS_BeginingNameMoney(year, code), code);
    lblCodeName->setText(code + QLatin1Char(' ') + row.name);
    txtMoney->setText(row.money);
    other->setCurrentRow(-1);
    txtMoney->setFocus();
}

bool FrmBegining::ChkInputBeforeUpdate(QString& message) {
    WriteLog(QStringLiteral("ChkInputBeforeUpdate"));
    if (lblCodeName->text().isEmpty()) {
        message = QStringLiteral("勘定科目名称のある項目を選択してください。\r\n");
        return false;
    }
    const QString money = txtMoney->numberText();
    message = AmountTextProblem(money);
    if (message.isEmpty()) {
        const QString code = CodeOf(lblCodeName->text());
        const bool asset = !lstAsset->findItems(code, Qt::MatchStartsWith).isEmpty();
        message = SideTotalProblem(DBSelBS_BeginingAD(YearNumber(), asset ? kAsset : kDebit), code, money,
                                   asset ? QStringLiteral("資産") : QStringLiteral("負債"));
    }
    if (message.isEmpty()) {
        txtMoney->showNumberText();
        return true;
    }
    txtMoney->setFocus();
    return false;
}

void FrmBegining::cmdUpdate_Click() {
    TrapRunTimeErrors([this] { StoreAmount(); });
}

void FrmBegining::StoreAmount() {
    LogEntry(QStringLiteral("cmdUpdate_Click"));
    WriteLog(QStringLiteral("入力チェック　金額が数字であることを確認"));
    if (QString message; !ChkInputBeforeUpdate(message)) {
        ShowMessage(message);
        return;
    }
    Hourglass hourglass;
    DBUpdBS_BeginingWithHistory(txtYear->text(), CodeOf(lblCodeName->text()), txtMoney->text());
    ShowBothSides(QString());
    hourglass.restore();
    PlaySoundCue(StartCuePath());
}

void FrmBegining::cmdInitiralize_Click() {
    TrapRunTimeErrors([this] { RecreateYear(); });
}

void FrmBegining::RecreateYear() {
    LogEntry(QStringLiteral("cmdInitiralize_Click"));
    WriteLog(QStringLiteral("その会計年度のレコードがあるか検査"));
    const QString year = txtYear->text();
    const bool exists = DBSelBS_Begining(year);
    if (exists &&
        !AskYesNo(QStringLiteral("既存のデータを初期化します。よろしいですか？"), platform::DefaultAnswer::No))
        return;
    Hourglass hourglass;
    DBRecreateBS_Begining(year, exists);
    // The chosen account and its amount belonged to the rows just replaced.
    lblCodeName->clear();
    txtMoney->clear();
    ShowBothSides(QStringLiteral("その会計年度の"));
    PlaySoundCue(StartCuePath());
    hourglass.restore();
    ShowMessage(QStringLiteral("初期データを作成しました。"));
}

bool FrmBegining::ChkSumAssetDebit(QString& message) {
    WriteLog(QStringLiteral("ChkSumAssetDebit"));
    message.clear();
    // A year whose rows were never created has nothing to compare, and no
    // reason to warn about it.
    if (!DBSelBS_Begining(txtYear->text())) return true;
    const int year = YearNumber();
    if (AmountOf(year, kCapitalCode.toString()) == QStringLiteral("0")) {
        PlaySoundCue(NotifyCuePath());
        ShowMessage(QStringLiteral("普通は元入金はゼロではありません。"));
    }
    const QString assetTotal = AmountOf(year, kAssetTotalCode.toString());
    if (assetTotal == AmountOf(year, kDebitTotalCode.toString())) return true;
    PlaySoundCue(NotifyCuePath());
    message = kMismatchMessage;
    return false;
}

QString FrmBegining::AmountOf(int year, const QString& accountCd) const {
    return NameAndMoneyOf(DBSelBS_BeginingNameMoney(year, accountCd), accountCd).money;
}
