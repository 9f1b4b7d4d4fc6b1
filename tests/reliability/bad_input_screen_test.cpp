// Bad input at every entry field, typed or pasted as a user would: over-long
// texts, control characters, quotes and SQL, numbers beyond 32 bits,
// full-width digits, characters Shift_JIS cannot hold, report names that are
// no file names, and phrase files empty, huge and in every encoding. Each
// refusal shows its message and leaves the books as they were, checked by a
// checksum of every table; what is accepted is stored exactly as typed.
#include "app/context.h"
#include "books_file.h"
#include "platform/cp932.h"
#include "reports/report_file.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <iostream>

namespace {

int inputsTried = 0;

const QString kBooks = QStringLiteral("db/velmo.sqlite3");
const QString kYearMessage = QStringLiteral("会計年度は1900から9998までの4桁の数字で入力してください。");
const QString kControl = QStringLiteral("にタブや改行などの制御文字は使えません。\r\n入力し直してください。");

QByteArray Checksum(const MenuFixture& f) { return BooksFile(f.install.path(kBooks)).checksum(); }

QString LastBox(const MenuFixture& f) {
    const auto& shown = f.install.desktop.dialogs.shown;
    return shown.empty() ? QString() : shown.back().text;
}

// Replaces the text as a user does: printable ASCII typed key by key, text
// with control characters pasted, any other text committed by the input method.
void Enter(QLineEdit* box, const QString& text) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    bool ascii = true;
    bool control = false;
    for (const QChar c : text) {
        ascii = ascii && c.unicode() >= 0x20 && c.unicode() < 0x7f;
        control = control || c.category() == QChar::Other_Control;
    }
    if (ascii) return QTest::keyClicks(box, text);
    if (control) {
        QGuiApplication::clipboard()->setText(text);
        return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

void Click(QWidget* parent, const char* name) {
    QTest::mouseClick(Find<QPushButton>(parent, QString::fromLatin1(name)), Qt::LeftButton);
}

void ClickItem(QListWidget* list, const QString& start) {
    for (int row = 0; row < list->count(); ++row) {
        if (!list->item(row)->text().startsWith(start)) continue;
        list->scrollToItem(list->item(row));
        return QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    QFAIL(qPrintable(start + QStringLiteral(" not in ") + list->objectName()));
}

QListWidget* List(QWidget* s, const char* name) { return Find<QListWidget>(s, QString::fromLatin1(name)); }
QLineEdit* Box(QWidget* s, const char* name) { return Find<QLineEdit>(s, QString::fromLatin1(name)); }

struct Refused {
    QString input;
    QString message;
};

const QString k2Pow31 = QStringLiteral("2147483648");
const QString kHuge = QStringLiteral("99999999999999999999999999");
const QString kSql = QStringLiteral("1; delete from t_trade; --");

}  // namespace

class BadInputScreenTest : public QObject {
    Q_OBJECT

private slots:
    void menuNameAndYear() {
        MenuFixture f;
        FrmMenu* menu = f.menu.get();
        const QString ini = QStringLiteral("bin/VelmoAccount.ini");
        const QByteArray books = Checksum(f);
        const QByteArray settings = f.install.readBytes(ini);
        const QString sjis = QStringLiteral("氏名に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　");
        const QList<Refused> names{
            {QString(100, QLatin1Char('a')),
             QStringLiteral("氏名が長すぎます。半角99文字（全角はその半分）までにしてください。")},
            {QString(50, QChar(0x6F22)),
             QStringLiteral("氏名が長すぎます。半角99文字（全角はその半分）までにしてください。")},
            {QStringLiteral("青色\x01太郎"), QStringLiteral("氏名") + kControl},
            {QStringLiteral("青色\r\n[db]\r\nfilename=other.sqlite3"), QStringLiteral("氏名") + kControl},
            {QStringLiteral("青色 😀"), sjis + QStringLiteral("😀\r\n\r\n別の文字に置き換えてください。")},
            {QStringLiteral("Müller ÿ"), sjis + QStringLiteral("üÿ\r\n\r\n別の文字に置き換えてください。")},
        };
        for (const Refused& r : names) {
            Enter(Box(menu, "txtName"), r.input);
            Click(menu, "cmdSave");
            QCOMPARE(LastBox(f), r.message);
            QCOMPARE(f.install.readBytes(ini), settings);
            ++inputsTried;
        }
        // Quotes and SQL are a name like any other: kept as typed, in the file only.
        const QString quoted = QStringLiteral("O'Brien\"; drop table t_trade; --");
        Enter(Box(menu, "txtName"), quoted);
        Click(menu, "cmdSave");
        QCOMPARE(LastBox(f), QStringLiteral("保存しました。"));
        QCOMPARE(f.install.readBytes(ini), Sjis(QStringLiteral("[user]\r\nname=") + quoted +
                                                QStringLiteral("\r\n[db]\r\nfilename=velmo.sqlite3\r\n")));
        ++inputsTried;

        for (const QString& year : {k2Pow31, kHuge, QStringLiteral("２０２０"), QStringLiteral("2020'"), kSql,
                                    QStringLiteral("-2020"), QStringLiteral("20 20"), QString()}) {
            Enter(Box(menu, "txtYear"), year);
            bool opened = false;
            WhileModal(menu->frmTrade(), Find<QPushButton>(menu, QStringLiteral("cmdDispWindow_1")),
                       [&] { opened = true; });
            QVERIFY2(!opened, qPrintable(year));
            QCOMPARE(LastBox(f), kYearMessage);
            ++inputsTried;
        }
        QCOMPARE(Checksum(f), books);
    }

    void openingBalanceAmount() {
        MenuFixture f;
        const QString digits = QStringLiteral("有効な金額を指定してください。");
        const QString beyond = QStringLiteral("金額は2147483647円以下で指定してください。");
        const QList<Refused> amounts{
            {QString(), digits},
            {QStringLiteral("-1"), digits},
            {QStringLiteral("１０００"), digits},
            {QStringLiteral("1e3"), digits},
            {QStringLiteral("1,000"), digits},
            {QStringLiteral("12\t3"), digits},
            {QStringLiteral("1000'"), digits},
            {kSql, digits},
            {k2Pow31, beyond},
            {kHuge, beyond},
            {QStringLiteral("2147483647"),
             QStringLiteral("資産の合計が2147483647円を超えるため，この金額は登録できません。")},
        };
        FrmBegining* screen = f.menu->frmBegining();
        WhileModal(
            screen, [&] { PressAccessKey(f.menu.get(), Qt::Key_B); },
            [&] {
                Click(screen, "cmdInitiralize");
                ClickItem(List(screen, "lstAsset"), QStringLiteral("110"));
                Enter(Box(screen, "txtMoney"), QStringLiteral("1"));
                Click(screen, "cmdUpdate");
                ClickItem(List(screen, "lstAsset"), QStringLiteral("100"));
                const QByteArray books = Checksum(f);
                for (const Refused& r : amounts) {
                    Enter(Box(screen, "txtMoney"), r.input);
                    Click(screen, "cmdUpdate");
                    QCOMPARE(LastBox(f), r.message);
                    QCOMPARE(Checksum(f), books);
                    ++inputsTried;
                }
                // Leading zeros are digits: stored as the number.
                Enter(Box(screen, "txtMoney"), QStringLiteral("0007"));
                Click(screen, "cmdUpdate");
                ++inputsTried;
            });
        QCOMPARE(f.install.rows(QStringLiteral("select money from t_bs_begining where account_cd in ('100', '340') "
                                               "order by account_cd")),
                 (QStringList{QStringLiteral("7"), QStringLiteral("8")}));
    }

    void transactionEntry() {
        MenuFixture f;
        Find<QLineEdit>(f.menu.get(), QStringLiteral("txtYear"))->setText(QStringLiteral("2026"));
        f.install.exec(
            QStringLiteral("insert into t_trade values (2026, 12, 5, 1, '50', '01', '電気代', 4000, 30, 1, '')"));
        const QString summaryLength = QStringLiteral("取引詳細は全角15文字(30バイト)以内で入力してください。");
        const QString sjis = QStringLiteral("取引詳細に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　");
        const QString moneyDigits = QStringLiteral("金額は数字だけを入力してください。");
        const QString moneyBeyond = QStringLiteral("金額は2147483647円以下で入力してください。");
        const QString percentDigits = QStringLiteral("事業に使った割合は数字だけを入力してください。");
        const QString percentBeyond = QStringLiteral("事業に使った割合は100以下で入力してください。");
        struct Entry {
            const char* box;
            Refused refused;
        };
        const QList<Entry> entries{
            {"txtTradeDetail", {QString(31, QLatin1Char('x')), summaryLength}},
            {"txtTradeDetail", {QString(16, QChar(0x96FB)), summaryLength}},
            {"txtTradeDetail", {QString(200, QChar(0x3042)), summaryLength}},
            {"txtTradeDetail", {QStringLiteral("電気代\r\n"), QStringLiteral("取引詳細") + kControl}},
            {"txtTradeDetail", {QStringLiteral("a\x1b[2Jb"), QStringLiteral("取引詳細") + kControl}},
            {"txtTradeDetail",
             {QStringLiteral("電気代🔌"), sjis + QStringLiteral("🔌\r\n\r\n別の文字に置き換えてください。")}},
            {"txtTradeDetail",
             {QStringLiteral("x'); delete from t_trade; --"),
              QStringLiteral("取引詳細は半角スペースを使わずに指定してください。")}},
            {"txtMoney", {QStringLiteral("４０００"), moneyDigits}},
            {"txtMoney", {QStringLiteral("-4000"), moneyDigits}},
            {"txtMoney", {QStringLiteral("4000.5"), moneyDigits}},
            {"txtMoney", {QStringLiteral("4000'"), moneyDigits}},
            {"txtMoney", {kSql, moneyDigits}},
            {"txtMoney", {k2Pow31, moneyBeyond}},
            {"txtMoney", {QStringLiteral("4294967296"), moneyBeyond}},
            {"txtMoney", {kHuge, moneyBeyond}},
            {"txtPercent", {QStringLiteral("101"), percentBeyond}},
            {"txtPercent", {QStringLiteral("4294967396"), percentBeyond}},
            {"txtPercent", {QStringLiteral("３０"), percentDigits}},
            {"txtPercent", {QStringLiteral("-30"), percentDigits}},
            {"txtPercent", {QStringLiteral("30 or 1=1"), percentDigits}},
        };
        FrmTrade* screen = f.menu->frmTrade();
        WhileModal(
            screen, [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
            [&] {
                for (const char* button : {"cmdInsert", "cmdUpdate"}) {
                    for (const Entry& e : entries) {
                        const QByteArray books = Checksum(f);
                        if (QByteArray(button) == "cmdUpdate")
                            ClickItem(List(screen, "lstTradeRecord"), QStringLiteral("2026/12/05"));
                        ClickItem(List(screen, "lstTrade"), QStringLiteral("50 "));
                        ClickItem(List(screen, "lstTradeDetail"), QStringLiteral("01 "));
                        Enter(Box(screen, "txtTradeDetail"), QStringLiteral("電気代"));
                        Enter(Box(screen, "txtMoney"), QStringLiteral("4000"));
                        Enter(Box(screen, "txtPercent"), QStringLiteral("30"));
                        Enter(Box(screen, e.box), e.refused.input);
                        f.install.desktop.dialogs.yesNoAnswers = {true};
                        Click(screen, button);
                        QCOMPARE(LastBox(f), e.refused.message);
                        QCOMPARE(Checksum(f), books);
                        QCOMPARE(QApplication::focusWidget(), Box(screen, e.box));
                        Click(screen, "cmdUnselect");
                        ++inputsTried;
                    }
                }
                // Quotes, SQL and the characters Shift_JIS has beyond JIS are a summary like any other.
                for (const QString& summary :
                     {QStringLiteral("O'Neill's"), QStringLiteral("x');delete--"), QStringLiteral("電気代①㈱")}) {
                    ClickItem(List(screen, "lstTrade"), QStringLiteral("50 "));
                    ClickItem(List(screen, "lstTradeDetail"), QStringLiteral("01 "));
                    Enter(Box(screen, "txtTradeDetail"), summary);
                    Enter(Box(screen, "txtMoney"), QStringLiteral("2147483647"));
                    Enter(Box(screen, "txtPercent"), QStringLiteral("100"));
                    Click(screen, "cmdInsert");
                    ++inputsTried;
                }
            });
        QCOMPARE(f.install.rows(QStringLiteral("select seq, detail_name, money, rate from t_trade order by seq")),
                 (QStringList{QStringLiteral("1\t電気代\t4000\t30"), QStringLiteral("2\tO'Neill's\t2147483647\t100"),
                              QStringLiteral("3\tx');delete--\t2147483647\t100"),
                              QStringLiteral("4\t電気代①㈱\t2147483647\t100")}));
        QCOMPARE(f.install.rows(QStringLiteral("select count(*) from t_trade_history")),
                 QStringList{QStringLiteral("0")});
    }

    void phraseFilesOfEveryEncodingAndSize() {
        MenuFixture f;
        const QString text = QStringLiteral("電車代\r\nバス代\r\n");
        QByteArray huge;
        for (int i = 0; i < 200000; ++i) huge += Sjis(QStringLiteral("電車代%1\r\n").arg(i));
        struct Phrases {
            const char* what;
            QByteArray bytes;
            QString code;  // empty when the list takes the file
            int items;
        };
        const QList<Phrases> files{
            {"empty", QByteArray(), QString(), 0},
            {"ASCII", QByteArray("Taxi\r\nBus\r\n\r\n"), QString(), 3},
            {"Shift_JIS", Sjis(text), QString(), 2},
            {"huge", huge, QString(), 200000},
            {"one line without an end", Sjis(QString(5000, QChar(0x3042))), QString(), 1},
            {"UTF-8", text.toUtf8(), QStringLiteral("UTF8"), 0},
            {"UTF-8 with its mark", "\xEF\xBB\xBF" + text.toUtf8(), QStringLiteral("UTF8_BOM"), 0},
            {"UTF-16LE",
             QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2),
             QStringLiteral("UTF16_LE"), 0},
            {"UTF-16BE", QByteArray("\xFE\xFF\x96\xfb", 4), QStringLiteral("UTF16_BE"), 0},
            {"EUC-JP", QByteArray("\xC5\xC5\xBC\xD6\xC2\xE5\r\n"), QStringLiteral("EUC"), 0},
            {"ISO-2022-JP", QByteArray("\x1B$BEE<V\x1B(B\r\n"), QStringLiteral("JIS"), 0},
            {"UTF-7", QByteArray("+lvtrAQ-\r\n+MNAwuQ-\r\n"), QStringLiteral("UTF7"), 0},
            {"neither text nor any code", QByteArray("x\x8D"), QStringLiteral("NONE"), 0},
        };
        const QByteArray books = Checksum(f);
        FrmTrade* screen = f.menu->frmTrade();
        WhileModal(
            screen, [&] { PressAccessKey(f.menu.get(), Qt::Key_T); },
            [&] {
                for (const Phrases& file : files) {
                    f.install.writeBytes(QStringLiteral("bin/List-.txt"), file.bytes);
                    f.install.desktop.dialogs.shown.clear();
                    f.install.desktop.dialogs.yesNoAnswers = {false};
                    QElapsedTimer timer;
                    timer.start();
                    ClickItem(List(screen, "lstTrade"), QStringLiteral("14 "));
                    QVERIFY2(timer.elapsed() < 5000, file.what);
                    if (file.code.isEmpty()) {
                        QVERIFY2(f.install.desktop.dialogs.shown.empty(), file.what);
                        QVERIFY2(List(screen, "lstAbst")->isVisible(), file.what);
                        QCOMPARE(List(screen, "lstAbst")->count(), file.items);
                    } else {
                        QCOMPARE(f.install.desktop.dialogs.shown.size(), std::size_t{1});
                        QVERIFY2(LastBox(f).contains(QStringLiteral("    文字コード＝") + file.code +
                                                     QStringLiteral("\r\n")),
                                 file.what);
                        QVERIFY2(List(screen, "lstAbst")->isHidden(), file.what);
                    }
                    // Unselecting reloads the general list: gone, it asks nothing.
                    QFile::remove(f.install.path(QStringLiteral("bin/List-.txt")));
                    Click(screen, "cmdUnselect");
                    ++inputsTried;
                }
            });
        QCOMPARE(Checksum(f), books);
    }

    void reportFileNames() {
        TempInstall install;
        const QString separator =
            QStringLiteral("フォルダの区切り(\\ や /)を含まない，ファイル名だけを指定してください。");
        const QString characters = QStringLiteral("ファイル名には次の文字と制御文字は使えません。\r\n: * ? \" < > |");
        const QString device =
            QStringLiteral("Windowsで装置を表す名前(CON，PRN，AUX，NUL，COM1～COM9，LPT1～LPT9)は使えません。");
        const QList<Refused> names{
            {QStringLiteral("../仕訳帳.txt"), separator},
            {QStringLiteral("..\\仕訳帳.txt"), separator},
            {QStringLiteral("/etc/passwd"), separator},
            {QStringLiteral(".."), QStringLiteral("「.」と「..」はフォルダを表す名前です。")},
            {QStringLiteral("仕訳帳:2020.txt"), characters},
            {QStringLiteral("仕訳帳\t.txt"), characters},
            {QStringLiteral("CON"), device},
            {QStringLiteral("nul.txt"), device},
            {QStringLiteral("Com1.log"), device},
            {QStringLiteral("LPT9"), device},
            {QStringLiteral("aux.仕訳帳.txt"), device},
            {QString(90, QChar(0x4ED5)), QStringLiteral("ファイル名が長すぎます。")},
        };
        for (const Refused& r : names) {
            QCOMPARE(WriteReport({QStringLiteral("line")}, r.input),
                     std::optional<QString>(QStringLiteral("出力ファイル名「") + r.input +
                                            QStringLiteral("」は使えません。\r\n") + r.message));
            ++inputsTried;
        }
        QCOMPARE(QDir(install.path(QStringLiteral("txt"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        for (const QString& name :
             {QStringLiteral("CONSOLE.txt"), QStringLiteral("仕訳帳.2020.txt"), QStringLiteral("nul_.txt")})
            QCOMPARE(ReportFileNameProblem(name), std::nullopt);
    }

    void cleanupTestCase() { std::cout << "bad inputs tried: " << inputsTried << std::endl; }
};

QTEST_MAIN(BadInputScreenTest)
#include "bad_input_screen_test.moc"
