// The search frame on the transaction screen driven by keys and clicks over
// the fixture year: refusals with the focus on the box, results in the record
// list's own layout with their count and total, a result loaded and corrected
// (t_trade and its history), 解除 back to the period, the report through the
// file-name question, and the screen's access keys each used once.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>

namespace {

QStringList Items(QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
    return items;
}

// The &-letter of every caption on the screen, with the captions that use it;
// the dialogs the screen owns have keys of their own.
std::map<QChar, QStringList> AccessKeys(QWidget* screen) {
    static const QRegularExpression key(QStringLiteral("&([A-Z])"));
    std::map<QChar, QStringList> keys;
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        if (control->window() != screen) continue;
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) caption = button->text();
        if (auto* label = qobject_cast<QLabel*>(control)) caption = label->text();
        const QRegularExpressionMatch match = key.match(caption);
        if (match.hasMatch()) keys[match.captured(1).at(0)] << caption;
    }
    return keys;
}

}  // namespace

class SearchScreenTest : public QObject {
    Q_OBJECT

private slots:
    void searchesLoadsAResultAndCorrectsIt() {
        MenuFixture f;
        f.install.exec(DataText("fixture_year.sql"));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        OpenScreen(f, f.menu->frmTrade(), Qt::Key_T, "2020", [&] {
            FrmTrade& s = *f.menu->frmTrade();
            auto* list = Find<QListWidget>(&s, "lstTradeRecord");
            auto* money = Find<QLineEdit>(&s, "txtMoney");
            auto* from = Find<QLineEdit>(&s, "txtSearchMoneyFrom");
            const QStringList periodList = Items(list);
            // Refused: an amount past the 32-bit range, typed full-width; the focus back on its box.
            Type(from, "２１４７４８３６４８");
            Type(Find<QLineEdit>(&s, "txtSearchText"), "代");
            PressAccessKey(&s, Qt::Key_F);
            QCOMPARE(dialogs.shown.back().text, QString("金額は0から2147483647までの数字で入力してください。"));
            QCOMPARE(QApplication::focusWidget(), from);
            QCOMPARE(Items(list), periodList);
            Type(from, "１，０００");
            Type(Find<QLineEdit>(&s, "txtSearchMoneyTo"), "40000");
            PressAccessKey(&s, Qt::Key_F);
            const QStringList found{"2020/06/15(月)  1 58 01 ガソリン代                          \\4321  60％",
                                    "2020/08/08(土)  1 16 01 Aチラシ印刷代とポスター印刷代      \\33000 100％"};
            QCOMPARE(Items(list), found);
            QCOMPARE(Find<QLabel>(&s, "lblSum")->text(), QString("2件 \\35592"));
            // Loaded and corrected as a line of the period list is.
            ClickListRow(list, 0);
            QCOMPARE(money->text(), QString("4321"));
            Type(money, "5000");
            dialogs.yesNoAnswers.push_back(true);
            QTest::mouseClick(Find<QPushButton>(&s, "cmdUpdate"), Qt::LeftButton);
            QCOMPARE(f.install.rows("select money, rate, is_valid from t_trade where month = 6 and day = 15"),
                     QStringList{"5000\t60\t1"});
            QCOMPARE(f.install.rows("select ver_idx, money from t_trade_history where month = 6 and day = 15"),
                     QStringList{"1\t4321"});
            // The search stays in force over the correction.
            QCOMPARE(Items(list).size(), 2);
            QVERIFY(Items(list)[0].contains("\\5000  60％"));
            QCOMPARE(Find<QLabel>(&s, "lblSum")->text(), QString("2件 \\36000"));
            // The voided sale of 4/1 listed with the others of that day, but not for choosing.
            Type(from, "");
            Type(Find<QLineEdit>(&s, "txtSearchMoneyTo"), "");
            Type(Find<QLineEdit>(&s, "txtSearchText"), "売上");
            Type(Find<QLineEdit>(&s, "txtSearchDateFrom"), "4/1");
            Type(Find<QLineEdit>(&s, "txtSearchDateTo"), "２０２０／４／１");
            PressAccessKey(&s, Qt::Key_V);
            PressAccessKey(&s, Qt::Key_F);
            QCOMPARE(Items(list).size(), 2);
            QVERIFY(Items(list)[1].contains("取り消した売上"));
            QCOMPARE(list->item(1)->flags(), Qt::ItemFlags());
            QCOMPARE(Find<QLabel>(&s, "lblSum")->text(), QString("2件 \\120000"));
            // The report through the file-name question.
            dialogs.inputAnswers.push_back("検索.txt");
            PressAccessKey(&s, Qt::Key_P);
            QCOMPARE(dialogs.shown.back().preset, QString("2020_検索結果.txt"));
            QCOMPARE(GoldenDiff("reports/search_2020.txt", f.install.readBytes("txt/検索.txt")), std::string());
            // 解除: the period list again.
            PressAccessKey(&s, Qt::Key_L);
            QCOMPARE(Items(list), periodList);
            // Every access key of the search frame is its own.
            std::map<QChar, QStringList> keys = AccessKeys(&s);
            for (const QChar letter : QString("EYKNXWAVFLP"))
                QVERIFY2(keys[letter].size() == 1, qPrintable(keys[letter].join(" ") + " " + letter));
            QCOMPARE(s.height() < 768, true);
        });
    }
};

QTEST_MAIN(SearchScreenTest)
#include "search_screen_test.moc"
