// The import dialog driven from the transaction screen as a user would: the
// file chosen through the desktop's file dialog, the columns named by their
// access keys and arrow keys, trades picked in the lists with a rule
// remembered, a line left out and the import confirmed; then the rule
// deleted and the import voided. What the user saw, the statements and what
// was stored are written into the run log and compared with its file.
#include "golden_log.h"
#include "platform/cp932.h"
#include "screen_fixture.h"
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"
#include "ui/trade/frm_trade.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QTest>

namespace {

// A bank whose column names no guess knows, in Shift_JIS.
const QString kBank = QStringLiteral(
    "日,メモ,支払,受取,残\r\n"
    "2026/12/01,ﾃﾞﾝｷﾘﾖｳｷﾝ ｼﾞﾑｼﾖ,\"3,300\",,96700\r\n"
    "2026/12/02,ﾌﾘｺﾐ ｱｵｲｼﾖｳｶｲ,,55000,151700\r\n"
    "2026/12/03,ﾃﾞﾝｷﾘﾖｳｷﾝ ｿｳｺ,\"1,100\",,150600\r\n"
    "2026/12/04,ATM,10000,,140600\r\n");

// The boxes shown so far, then the table's name and each of its rows, cells joined by |.
void LogTable(MenuFixture& f, QWidget* dialog, const QString& name) {
    LogDialogs(f.install.desktop.dialogs.shown);
    const auto* table = Find<QTableWidget>(dialog, name);
    QStringList rows{name};
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        rows << cells.join('|');
    }
    LogResult(rows);
}

void ClickRow(QWidget* dialog, const QString& name, int row) {
    auto* table = Find<QTableWidget>(dialog, name);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row, 2)).center());
}

// The access key, then the arrow key pressed `downs` times in the control it reached.
void ChooseByKeys(QWidget* window, Qt::Key key, int downs) {
    PressAccessKey(window, key);
    for (int i = 0; i < downs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
}

// The trade and detail for the preview's row; the rule's question answered with `rule`.
void PickForRow(MenuFixture& f, QWidget* dialog, int row, const char* trade, const QString& rule) {
    ClickRow(dialog, "tblPreview", row);
    f.install.desktop.dialogs.inputAnswers = {rule};
    ClickListItem(Find<QListWidget>(dialog, "lstLineTrade"), trade);
    ClickListItem(Find<QListWidget>(dialog, "lstLineDetail"), "01 ");
}

void UseDialog(MenuFixture& f, FrmImport* dialog) {
    FakeDialogs& dialogs = f.install.desktop.dialogs;
    // A picture is refused whole with its reason; the file dialog opened in the installation.
    dialogs.fileAnswers = {f.install.path("明細/photo.csv")};
    PressAccessKey(dialog, Qt::Key_F);
    LogTable(f, dialog, "tblPreview");
    // No column name is known: nothing is previewed until the user names them.
    dialogs.fileAnswers = {f.install.path("明細/bank.csv")};
    PressAccessKey(dialog, Qt::Key_F);
    LogTable(f, dialog, "tblPreview");
    ChooseByKeys(dialog, Qt::Key_D, 1);
    ChooseByKeys(dialog, Qt::Key_T, 2);
    PressAccessKey(dialog, Qt::Key_Z);
    ChooseByKeys(dialog, Qt::Key_O, 3);
    ChooseByKeys(dialog, Qt::Key_N, 4);
    LogResult({Find<QComboBox>(dialog, "cboOutColumn")->currentText()});
    // Saved under the bank's name; a card's layout saved later comes first for now.
    dialogs.inputAnswers = {"ミドリ銀行"};
    PressAccessKey(dialog, Qt::Key_S);
    f.install.exec("insert into t_import_layout values ('他のカード',1,1,2,3,0,0,1,'2026/12/05 09:40:00')");
    LogTable(f, dialog, "tblPreview");
    // A trade for the first line, remembered for withdrawals holding the name; the deposit's not
    // remembered (the question cancelled); the cash withdrawal left out.
    PickForRow(f, dialog, 0, "24 ", "ﾃﾞﾝｷﾘﾖｳｷﾝ");
    PickForRow(f, dialog, 1, "03 ", "");
    ClickRow(dialog, "tblPreview", 3);
    PressAccessKey(dialog, Qt::Key_X);
    LogTable(f, dialog, "tblPreview");
    LogTable(f, dialog, "tblRules");
    // Confirmed: recorded; the layout just used is offered first next time, the next file from its folder.
    f.install.setTime("2026-12-05T09:50:00");
    dialogs.yesNoAnswers = {true};
    PressAccessKey(dialog, Qt::Key_I);
    LogTable(f, dialog, "tblPreview");
    LogTable(f, dialog, "tblImports");
    auto* layouts = Find<QComboBox>(dialog, "cboLayout");
    for (int i = 0; i < layouts->count(); ++i) LogResult({layouts->itemText(i)});
    dialogs.fileAnswers = {""};
    PressAccessKey(dialog, Qt::Key_F);
    LogDialogs(dialogs.shown);
}

// Opened again: the rule deleted, the import voided.
void UndoInDialog(MenuFixture& f, FrmImport* dialog) {
    f.install.setTime("2026-12-05T10:00:00");
    PressAccessKey(dialog, Qt::Key_U);
    ClickRow(dialog, "tblRules", 0);
    f.install.desktop.dialogs.yesNoAnswers = {true};
    PressAccessKey(dialog, Qt::Key_R);
    LogTable(f, dialog, "tblRules");
    PressAccessKey(dialog, Qt::Key_K);
    ClickRow(dialog, "tblImports", 0);
    f.install.desktop.dialogs.yesNoAnswers = {true};
    PressAccessKey(dialog, Qt::Key_V);
    LogTable(f, dialog, "tblImports");
}

}  // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void statementRecordedFromTheTransactionScreen() {
        MenuFixture f;
        f.install.makeFolder("明細");
        f.install.writeBytes("明細/bank.csv", Sjis(kBank));
        f.install.writeBytes("明細/photo.csv", QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10));
        FrmTrade* trade = f.menu->frmTrade();
        OpenScreen(f, trade, Qt::Key_T, "2026", [&] {
            // The button's access key is its own on the screen.
            int withC = 0;
            for (const QAbstractButton* button : trade->findChildren<QAbstractButton*>())
                if (button->window() == trade && button->text().contains("&C", Qt::CaseInsensitive)) ++withC;
            QCOMPARE(withC, 1);
            // The month's records after each use of the dialog.
            QTest::mouseClick(Find<QAbstractButton>(trade, "optRange_1"), Qt::LeftButton);
            auto* dialog = Find<FrmImport>(trade, "frmImport");
            for (const auto& use : {UseDialog, UndoInDialog}) {
                trade->activateWindow();  // back from the dialog, the user clicks into the screen again
                QVERIFY(QTest::qWaitForWindowActive(trade));
                WhileModal(
                    dialog, [&] { PressAccessKey(trade, Qt::Key_C); }, [&] { use(f, dialog); });
                LogResult(QStringList("lstTradeRecord") + ItemTexts(Find<QListWidget>(trade, "lstTradeRecord")));
            }
        });
        for (const char* table : {"t_trade", "t_import_rule", "t_import"})
            LogResult(f.install.rows(QString("select * from ") + table));
        // The folder of the file is offered next time.
        LogResult(platform::fromCp932(f.install.readBytes("bin/VelmoAccount.ini")).split("\r\n"));
        QCOMPARE(LogDiff("ui/import/statement.log", f.install, "frmTrade.cmdInputCSV_Click"), std::string());
    }
};

QTEST_MAIN(ImportDialogTest)
#include "import_dialog_test.moc"
