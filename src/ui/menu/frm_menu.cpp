#include "ui/menu/frm_menu.h"

#include "app/backup_names.h"
#include "app/books_lock.h"
#include "app/context.h"
#include "app/db_connection.h"
#include "app/db_file_name.h"
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/fatal_error.h"
#include "app/file_list.h"
#include "app/fiscal_year.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/runtime_error.h"
#include "app/settings.h"
#include "app/shutdown.h"
#include "app/sound_cue.h"
#include "app/text_utils.h"
#include "app/user_name.h"
#include "store/db_file.h"
#include "store/import_store.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr int kBackupsKept = 10;

const QString kBackupLockedMessage = QStringLiteral(
    "DBファイルを開いたままになっているとエラーになります。\r\n\r\n"
    "DB Browser for SQLite でファイルを開いていたら，DB Browserを閉じてください。\r\n\r\n"
    "それでもダメな場合は，\r\n"
    "いったんWindowsからログオフ。\r\n"
    "再度ログオンしてからこのアプリを再起動してください。");

const QString kYearMessage =
    QStringLiteral("会計年度は%1から%2までの4桁の数字で入力してください。").arg(kFirstFiscalYear).arg(kLastFiscalYear);

QString FolderPath(const QString& folder, const QString& name) { return AppPath(folder + QDir::separator() + name); }

// A start that cannot go on: logged, shown, and the process ends.
[[noreturn]] void EndWith(const QString& message, const QString& title) {
    WriteLog(QStringLiteral("Err\r\n") + message);
    ShowMessage(message, title);
    EndProcess(1);
}

}  // namespace

FrmMenu::FrmMenu(QWidget* parent) : QWidget(parent) {
    PlaceControls();
    WireHandlers();
    frmBegining_ = new FrmBegining(*this, this);
    frmTrade_ = new FrmTrade(*this, this);
}

void FrmMenu::WireHandlers() {
    connect(cmdHlp, &QPushButton::clicked, this, &FrmMenu::cmdHlp_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrmMenu::cmdSave_Click);
    connect(txtYear, &QLineEdit::textChanged, this, &FrmMenu::txtYear_Change);
    for (int i = 0; i < 2; ++i) {
        connect(cmdInc[i], &QPushButton::clicked, this, [this, i] { cmdInc_Click(i); });
        connect(cmdDispWindow[i], &QPushButton::clicked, this, [this, i] { cmdDispWindow_Click(i); });
    }
    connect(cmdEnd, &QPushButton::clicked, this, &FrmMenu::cmdEnd_Click);
}

void FrmMenu::start() {
    Form_Load();
    show();
    Form_Activate();
}

QString FrmMenu::fiscalYearText() const { return txtYear->text(); }
QString FrmMenu::eraText() const { return txtGengou->text(); }
QString FrmMenu::userName() const { return txtName->text(); }
QString FrmMenu::dbFileName() const { return lblDBFileNm->text(); }

void FrmMenu::Form_Load() {
    // The step under way, so that the trap can tell a failed backup.
    QString step;
    try {
        LoadSteps(step);
    } catch (const std::exception& error) {
        WriteLogOnTheWayOut(QStringLiteral("Err.Description=") + DescriptionOf(error));
        if (step == QStringLiteral("DBFileBackup")) {
            WriteLogOnTheWayOut(kBackupLockedMessage);
            ShowMessage(kBackupLockedMessage, kErrorTitle);
        }
        ReportFatalError(DescriptionOf(error));
    }
}

void FrmMenu::LoadSteps(QString& step) {
    WriteLog(QStringLiteral("■frmMenu.Form_Load"));
    const QString dbName = ReadSetting(QStringLiteral("db"), QStringLiteral("filename"), QString());
    lblDBFileNm->setText(dbName);
    if (const QString problem = DbFileNameProblem(dbName); !problem.isEmpty()) EndWith(problem, kErrorTitle);
    const QString dbPath = FolderPath(QStringLiteral("db"), dbName);
    if (!FileExists(dbPath))
        EndWith(QStringLiteral("以下のDBファイルが見つかりません。\r\n  ") + QDir::toNativeSeparators(dbPath),
                kErrorTitle);
    if (const QString refusal = TakeBooksLock(dbPath); !refusal.isEmpty()) EndWith(refusal, kAppTitle);

    const QString backupFolder = AppPath(QStringLiteral("db_backup"));
    step = QStringLiteral("KillCrashedDBFileBackup");
    RemoveCrashedBackups(backupFolder, dbName);

    step = QStringLiteral("DBFileBackup");
    const QDateTime now = Now();
    const QString backupName = BackupFileName(dbName, now);
    const QString backupPath = FolderPath(QStringLiteral("db_backup"), backupName);
    WriteLog(QStringLiteral("DBファイルバックアップ作成:") + QDir::toNativeSeparators(backupPath));
    const BackupOutcome backup = BackupDatabase(dbPath, backupPath);
    // A file that cannot serve as the books must not push good backups out.
    if (backup.kind == BackupOutcome::Kind::Unusable)
        EndWithOpenError(QStringLiteral("DBFile Open Error\r\n") + backup.reason);
    if (backup.kind == BackupOutcome::Kind::Failed) throw RunTimeError(backup.reason);

    step = QStringLiteral("KillDBFileBackup");
    PruneBackups(backupFolder, dbName, kBackupsKept, backupName);

    step = QStringLiteral("DBFileOpen");
    if (QString errText; !DBFileOpen(dbPath, errText)) EndWithOpenError(errText);
    WriteLog(QStringLiteral("DBファイル接続OK"));
    // Books made before statement imports get their tables.
    DBCreateImportTables();

    setWindowTitle(kProductName + QStringLiteral(" Ver") + VersionText() + QStringLiteral(" メニュー画面"));

    step = QStringLiteral("DispYear");
    txtYear->setText(now.toString(QStringLiteral("yyyy")));
}

void FrmMenu::EndWithOpenError(const QString& errText) {
    ShowMessage(errText);
    WriteLog(QStringLiteral("DBファイル接続NG"));
    EndProcess(1);
}

void FrmMenu::Form_Activate() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move((screen.width() - frameGeometry().width()) / 2, screen.height() / 8);
    TrapRunTimeErrors([this] { ShowSavedName(); });
    cmdDispWindow[1]->setFocus();
}

void FrmMenu::ShowSavedName() {
    WriteLog(QStringLiteral("'設定ファイルに氏名の記載があるなら表示"));
    const QString name = ReadSetting(QStringLiteral("user"), QStringLiteral("name"), QString());
    if (!name.isEmpty()) {
        WriteLog(QStringLiteral("設定ファイルの氏名を表示"));
        txtName->setText(name);
    } else {
        WriteLog(QStringLiteral("設定ファイルに氏名なし"));
        txtName->clear();
    }
}

void FrmMenu::txtYear_Change(const QString& text) {
    if (const auto era = EraTextOf(text)) txtGengou->setText(*era);
}

void FrmMenu::cmdInc_Click(int index) {
    TrapRunTimeErrors([] { WriteLog(QStringLiteral("■frmMenu.cmdInc_Click")); });
    if (const auto year = SteppedYearText(txtYear->text(), index == 1 ? 1 : -1)) txtYear->setText(*year);
}

void FrmMenu::cmdSave_Click() {
    TrapRunTimeErrors([this] { SaveUserName(); });
}

void FrmMenu::SaveUserName() {
    WriteLog(QStringLiteral("■frmMenu.cmdSave_Click"));
    if (const QString problem = UserNameProblem(txtName->text()); !problem.isEmpty()) {
        WriteLog(QStringLiteral("保存できない氏名"));
        ShowMessage(problem);
        txtName->setFocus();
        return;
    }
    WriteLog(QStringLiteral("iniファイルに書き込み"));
    try {
        WriteSetting(QStringLiteral("user"), QStringLiteral("name"), txtName->text());
    } catch (const RunTimeError& error) {
        const QString message = QStringLiteral("氏名を保存できませんでした。\r\n\r\n") + DescriptionOf(error);
        WriteLog(message);
        ShowMessage(message);
        return;
    }
    PlaySoundCue(StartCuePath());
    ShowMessage(QStringLiteral("保存しました。"));
}

void FrmMenu::cmdDispWindow_Click(int index) {
    TrapRunTimeErrors([this, index] { OpenWorkingScreen(index); });
}

void FrmMenu::OpenWorkingScreen(int index) {
    WriteLog(QStringLiteral("■frmMenu.cmdDipWindow_Click"));
    if (txtName->text().isEmpty()) {
        ShowMessage(QStringLiteral("氏名を入力してください。"));
        txtName->setFocus();
        WriteLog(QStringLiteral("氏名がない"));
        return;
    }
    // The working screens put the year into statements and folder names.
    if (!IsFiscalYearText(txtYear->text())) {
        ShowMessage(kYearMessage);
        txtYear->setFocus();
        txtYear->selectAll();
        WriteLog(QStringLiteral("会計年度が不正"));
        return;
    }
    if (index == 0) {
        WriteLog(QStringLiteral("１．貸借対照表期首画面へ"));
        frmBegining_->exec();
    } else {
        WriteLog(QStringLiteral("２．取引データ登録画面へ"));
        frmTrade_->exec();
    }
    Form_Activate();
}

void FrmMenu::cmdHlp_Click() { OpenWithShell(FolderPath(QStringLiteral("htm"), QStringLiteral("00_index.htm"))); }

void FrmMenu::cmdEnd_Click() { RunShutdown(QStringLiteral("frmMenu")); }

void FrmMenu::closeEvent(QCloseEvent* event) {
    TrapRunTimeErrors([] {
        WriteLog(QStringLiteral("■frmMenu.Form_Unload"));
        WriteLog(QStringLiteral("SQLite3Close"));
    });
    CloseDBConnection();
    event->accept();
}
