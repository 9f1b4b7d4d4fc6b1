// The import dialog driven from the transaction screen as a user would: the
// file chosen through the desktop's file dialog, the columns named by their
// access keys and arrow keys, trades picked in the lists with a rule
// remembered, a line left out and the import confirmed; then what was stored.
#include "screen_fixture.h"
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"
#include "ui/trade/frm_trade.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
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

QString RowText(const QTableWidget* table, int row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells.join('|');
}

QStringList ItemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
}

QStringList Rows(const QTableWidget* table) {
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) rows << RowText(table, row);
    return rows;
}

void ClickRow(QTableWidget* table, int row) {
    const QRect cell = table->visualItemRect(table->item(row, 2));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

// The access key, then the arrow key pressed `downs` times in the control it reached.
void ChooseByKeys(QWidget* window, Qt::Key key, int downs) {
    PressAccessKey(window, key);
    for (int i = 0; i < downs; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
}

class ImportDialogTest : public QObject {
    Q_OBJECT

private slots:
    void statementRecordedFromTheTransactionScreen() {
        MenuFixture f;
        f.install.makeFolder("明細");
        f.install.writeBytes("明細/bank.csv", Sjis(kBank));
        f.install.writeBytes("明細/photo.csv", QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10));
        Find<QLineEdit>(f.menu.get(), "txtYear")->setText("2026");
        FrmTrade* trade = f.menu->frmTrade();
        WhileModal(
            trade, [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
            [&] {
                // The button's access key is its own on the screen.
                int withC = 0;
                for (const QAbstractButton* button : trade->findChildren<QAbstractButton*>())
                    if (button->window() == trade && button->text().contains("&C", Qt::CaseInsensitive)) ++withC;
                QCOMPARE(withC, 1);
                // The month's records, none yet.
                QTest::mouseClick(Find<QAbstractButton>(trade, "optRange_1"), Qt::LeftButton);
                QCOMPARE(Find<QListWidget>(trade, "lstTradeRecord")->count(), 0);
                auto* dialog = Find<FrmImport>(trade, "frmImport");
                WhileModal(
                    dialog, [&] { PressAccessKey(trade, Qt::Key_C); }, [&] { UseDialog(f, dialog); });
                // Back on the screen, the month's list shows what was recorded.
                QCOMPARE(ItemTexts(Find<QListWidget>(trade, "lstTradeRecord")),
                         QStringList({"2026/12/01(火)  1 24 01 ﾃﾞﾝｷﾘﾖｳｷﾝ　ｼﾞﾑｼﾖ                    \\3300 100％",
                                      "2026/12/02(水)  1 03 01 ﾌﾘｺﾐ　ｱｵｲｼﾖｳｶｲ                     \\55000 100％",
                                      "2026/12/03(木)  1 24 01 ﾃﾞﾝｷﾘﾖｳｷﾝ　ｿｳｺ                      \\1100 100％"}));
                QCOMPARE(f.install.rows("select direction,contains_text,trade_cd,detail_cd,rate from t_import_rule"),
                         QStringList({"out\tﾃﾞﾝｷﾘﾖｳｷﾝ\t24\t01\t"}));
                // Opened again: the rule deleted, the import voided; the list empties.
                trade->activateWindow();  // back from the dialog, the user clicks into the screen again
                QVERIFY(QTest::qWaitForWindowActive(trade));
                WhileModal(
                    dialog, [&] { PressAccessKey(trade, Qt::Key_C); }, [&] { UndoInDialog(f, dialog); });
                QCOMPARE(Find<QListWidget>(trade, "lstTradeRecord")->count(), 0);
            });
        QCOMPARE(f.install.rows("select count(*) from t_import_rule"), QStringList({"0"}));
        QCOMPARE(f.install.rows("select * from t_trade order by month,day,seq"),
                 QStringList({"2026\t12\t1\t1\t24\t01\tﾃﾞﾝｷﾘﾖｳｷﾝ　ｼﾞﾑｼﾖ\t3300\t100\t0\t2026/12/05 10:00:00",
                              "2026\t12\t2\t1\t03\t01\tﾌﾘｺﾐ　ｱｵｲｼﾖｳｶｲ\t55000\t100\t0\t2026/12/05 10:00:00",
                              "2026\t12\t3\t1\t24\t01\tﾃﾞﾝｷﾘﾖｳｷﾝ　ｿｳｺ\t1100\t100\t0\t2026/12/05 10:00:00"}));
        const QString bank = QDir::toNativeSeparators(f.install.path("明細/bank.csv"));
        QCOMPARE(f.install.rows("select file_name,lines_read,lines_recorded,lines_left_out,is_voided from t_import"),
                 QStringList({bank + "\t4\t3\t1\t1"}));
        QVERIFY(f.install.runLog().contains("CSV入力 ファイル=" + bank + " 読んだ行=4 登録=3 除外=1"));
        // The folder of the file is offered next time.
        QVERIFY(f.install.readBytes("bin/VelmoAccount.ini")
                    .contains(Sjis("[import]\r\nfolder=" + QDir::toNativeSeparators(f.install.path("明細")))));
    }

private:
    void UndoInDialog(MenuFixture& f, FrmImport* dialog) {
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        f.install.setTime("2026-12-05T10:00:00");
        PressAccessKey(dialog, Qt::Key_U);
        auto* rules = Find<QTableWidget>(dialog, "tblRules");
        ClickRow(rules, 0);
        dialogs.yesNoAnswers = {true};
        PressAccessKey(dialog, Qt::Key_R);
        QCOMPARE(dialogs.shown.back().text,
                 QString("「ﾃﾞﾝｷﾘﾖｳｷﾝ」を含む出金のルールを削除します。\r\n\r\nよろしいですか？"));
        QCOMPARE(rules->rowCount(), 0);
        PressAccessKey(dialog, Qt::Key_K);
        auto* imports = Find<QTableWidget>(dialog, "tblImports");
        ClickRow(imports, 0);
        dialogs.yesNoAnswers = {true};
        PressAccessKey(dialog, Qt::Key_V);
        QCOMPARE(dialogs.shown.back().text,
                 "次の取り込みで登録した取引3件を論理削除(無効化)します。\r\n\r\n    2026/12/05 09:50:00  " +
                     QDir::toNativeSeparators(f.install.path("明細/bank.csv")) + "\r\n\r\nよろしいですか？");
        QCOMPARE(RowText(imports, 0).section('|', 0, 4), QString("2026/12/05 09:50:00|4|3|1|取り消し済み"));
    }

    void UseDialog(MenuFixture& f, FrmImport* dialog) {
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        auto* preview = Find<QTableWidget>(dialog, "tblPreview");
        // A picture is refused whole with its reason; the file dialog opened in the installation.
        dialogs.fileAnswers = {f.install.path("明細/photo.csv")};
        PressAccessKey(dialog, Qt::Key_F);
        QCOMPARE(dialogs.shown.at(0).kind, QString("file"));
        QCOMPARE(QDir(dialogs.shown.at(0).preset), QDir(f.install.path("")));
        QCOMPARE(dialogs.shown.at(1).text, "次のファイルは取り込めません。\r\n    " +
                                               QDir::toNativeSeparators(f.install.path("明細/photo.csv")) +
                                               "\r\n\r\n文字でないデータを含んでいます。CSVファイルを選んでください。");
        QCOMPARE(preview->rowCount(), 0);
        dialogs.shown.clear();

        dialogs.fileAnswers = {f.install.path("明細/bank.csv")};
        PressAccessKey(dialog, Qt::Key_F);
        // No column name is known: nothing is previewed until the user names them.
        QCOMPARE(preview->rowCount(), 0);
        ChooseByKeys(dialog, Qt::Key_D, 1);
        ChooseByKeys(dialog, Qt::Key_T, 2);
        PressAccessKey(dialog, Qt::Key_Z);
        ChooseByKeys(dialog, Qt::Key_O, 3);
        ChooseByKeys(dialog, Qt::Key_N, 4);
        QCOMPARE(Find<QComboBox>(dialog, "cboOutColumn")->currentText(), QString("3: 支払"));
        // Saved under the bank's name; a card's layout saved later comes first for now.
        dialogs.inputAnswers = {"ミドリ銀行"};
        PressAccessKey(dialog, Qt::Key_S);
        f.install.exec("insert into t_import_layout values ('他のカード',1,1,2,3,0,0,1,'2026/12/05 09:40:00')");
        QCOMPARE(Rows(preview), QStringList({"2|2026/12/01|ﾃﾞﾝｷﾘﾖｳｷﾝ ｼﾞﾑｼﾖ|3300|出金|||ﾃﾞﾝｷﾘﾖｳｷﾝ　ｼﾞﾑｼﾖ||取引未選択",
                                             "3|2026/12/02|ﾌﾘｺﾐ ｱｵｲｼﾖｳｶｲ|55000|入金|||ﾌﾘｺﾐ　ｱｵｲｼﾖｳｶｲ||取引未選択",
                                             "4|2026/12/03|ﾃﾞﾝｷﾘﾖｳｷﾝ ｿｳｺ|1100|出金|||ﾃﾞﾝｷﾘﾖｳｷﾝ　ｿｳｺ||取引未選択",
                                             "5|2026/12/04|ATM|10000|出金|||ATM||取引未選択"}));

        // A trade for the first line, remembered for withdrawals holding the name.
        ClickRow(preview, 0);
        dialogs.inputAnswers = {"ﾃﾞﾝｷﾘﾖｳｷﾝ"};
        ClickListItem(Find<QListWidget>(dialog, "lstLineTrade"), "24 ");
        ClickListItem(Find<QListWidget>(dialog, "lstLineDetail"), "01 ");
        QCOMPARE(dialogs.shown.back().preset, QString("ﾃﾞﾝｷﾘﾖｳｷﾝ ｼﾞﾑｼﾖ"));
        // The deposit's trade is not remembered (the question cancelled).
        ClickRow(preview, 1);
        dialogs.inputAnswers = {""};
        ClickListItem(Find<QListWidget>(dialog, "lstLineTrade"), "03 ");
        ClickListItem(Find<QListWidget>(dialog, "lstLineDetail"), "01 ");
        // The cash withdrawal is left out.
        ClickRow(preview, 3);
        PressAccessKey(dialog, Qt::Key_X);
        QCOMPARE(
            Rows(preview),
            QStringList(
                {"2|2026/12/01|ﾃﾞﾝｷﾘﾖｳｷﾝ ｼﾞﾑｼﾖ|3300|出金|24 水道光熱費(預金)|01 "
                 "事務所の電気代|ﾃﾞﾝｷﾘﾖｳｷﾝ　ｼﾞﾑｼﾖ||登録する",
                 "3|2026/12/02|ﾌﾘｺﾐ ｱｵｲｼﾖｳｶｲ|55000|入金|03 売掛金の入金(預金)|01 "
                 "売掛金の振込入金|ﾌﾘｺﾐ　ｱｵｲｼﾖｳｶｲ||登録する",
                 "4|2026/12/03|ﾃﾞﾝｷﾘﾖｳｷﾝ ｿｳｺ|1100|出金|24 水道光熱費(預金)|01 事務所の電気代|ﾃﾞﾝｷﾘﾖｳｷﾝ　ｿｳｺ||登録する",
                 "5|2026/12/04|ATM|10000|出金|||ATM||除外"}));
        QCOMPARE(Rows(Find<QTableWidget>(dialog, "tblRules")),
                 QStringList({"出金|ﾃﾞﾝｷﾘﾖｳｷﾝ|24 水道光熱費(預金)|01 事務所の電気代|"}));

        // Confirmed: recorded, and the same lines are then found in the books.
        f.install.setTime("2026-12-05T09:50:00");
        dialogs.shown.clear();
        dialogs.yesNoAnswers = {true};
        PressAccessKey(dialog, Qt::Key_I);
        QCOMPARE(dialogs.shown.at(0).kind, QString("yesno(No)"));
        QCOMPARE(dialogs.shown.at(0).text, "3件の取引を登録します。\r\n\r\n    " +
                                               QDir::toNativeSeparators(f.install.path("明細/bank.csv")) +
                                               "\r\n    読んだ行 4　登録しない行 1\r\n\r\nよろしいですか？");
        QCOMPARE(RowText(preview, 0).section('|', -1), QString("登録済み"));
        QCOMPARE(Find<QTableWidget>(dialog, "tblImports")->rowCount(), 1);
        // The layout just used is offered first next time.
        QCOMPARE(ItemTexts(Find<QComboBox>(dialog, "cboLayout")),
                 QStringList({"（見出しから推測）", "ミドリ銀行", "他のカード"}));
        // The next choice of a file starts in its folder.
        dialogs.fileAnswers = {""};
        PressAccessKey(dialog, Qt::Key_F);
        QCOMPARE(QDir(dialogs.shown.back().preset), QDir(f.install.path("明細")));
    }
};

}  // namespace

QTEST_MAIN(ImportDialogTest)
#include "import_dialog_test.moc"
